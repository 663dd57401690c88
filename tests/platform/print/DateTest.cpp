#include "platform/print/Date.h"

#include <gtest/gtest.h>

#include <ctime>

namespace fw {
namespace {

TEST(Date, ShowsTheLocalMomentItWasMadeWith) {
    std::tm local{};
    local.tm_year = 2031 - 1900;
    local.tm_mon = 10;  // November
    local.tm_mday = 27;
    local.tm_hour = 13;
    local.tm_min = 59;
    local.tm_isdst = -1;
    const Date date(std::chrono::system_clock::from_time_t(std::mktime(&local)));

    EXPECT_NE(date.ShortTime().find("59"), std::string::npos) << date.ShortTime();
    EXPECT_NE(date.ShortDate().find("27"), std::string::npos) << date.ShortDate();
    EXPECT_NE(date.ShortDate().find("31"), std::string::npos) << date.ShortDate();
    EXPECT_EQ(date.ShortDate().find("59"), std::string::npos) << date.ShortDate();
}

}  // namespace
}  // namespace fw
