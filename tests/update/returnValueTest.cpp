#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "update/updateWindow.h"

namespace {

struct ValueCase {
    const char* name;
    std::string source;
    std::string element;
    std::string expected;
};

void PrintTo(const ValueCase& c, std::ostream* out) {
    *out << c.name;
}

class ReturnValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ReturnValueTest, ReadsTheFirstElement) {
    const ValueCase& c = GetParam();
    EXPECT_EQ(updateWindow::returnValue(c.source, c.element), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ReturnValueTest,
    ::testing::Values(ValueCase{"TakenAsItStands",
                                "<a>x</a><Description> two\r\nlines </Description>", "Description",
                                " two\r\nlines "},
                      ValueCase{"EmptyElement", "<Free></Free>", "Free", ""},
                      ValueCase{"MissingElement", "<Free>Yes</Free>", "Description", ""},
                      // Counting on from position 0 would give "f" here.
                      ValueCase{"EndTagWithoutStartTag", "abcdef</Free>", "Free", ""},
                      ValueCase{"StartTagWithoutEndTag", "<Free>Yes", "Free", ""},
                      ValueCase{"EndTagBeforeStartTagIsNotSeen", "</V><V>1</V>", "V", "1"},
                      ValueCase{"FirstOfTwoElements", "<V>1</V><V>2</V>", "V", "1"},
                      ValueCase{"NestedRunsToTheFirstEndTag", "<V><V>1</V>2</V>", "V", "<V>1"},
                      ValueCase{"CharactersNotBytes", "<V>é€</V><W>ü</W>", "W", "ü"}),
    [](const ::testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

}  // namespace
