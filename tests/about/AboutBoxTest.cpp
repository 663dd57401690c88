#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "BuildConfig.h"
#include "about/AboutBox.h"
#include "app/App.h"
#include "app/MenuBar1.h"
#include "help/TestDesktop.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"

namespace {

int OpenAboutBoxes() {
    int count = 0;
    for (const auto& window : fw::OpenWindows()) {
        count += window->RuntimeClassName() == AboutBox::kRuntimeClassName ? 1 : 0;
    }
    return count;
}

void ChooseFromAppMenu(const char* itemName) {
    fw::MenuCommand(nullptr, *MenuBar1::Instance()->Lookup(itemName));
}

class AboutBoxTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (auto open = fw::GetImplicitWindow(AboutBox::kRuntimeClassName)) {
            open->Close();
        }
    }
    ScopedTestDesktop desktop_;
};

TEST_F(AboutBoxTest, AboutCommandKeepsOneBoxAndReopensItWithTheVersion) {
    ChooseFromAppMenu("CheckforUpdateAbout");
    const auto first = AboutBox::Instance();
    ChooseFromAppMenu("CheckforUpdateAbout");
    EXPECT_EQ(OpenAboutBoxes(), 1);
    EXPECT_EQ(AboutBox::Instance(), first);
    EXPECT_EQ(first->StaticText4()->Text(), App::Instance()->LongVersion());

    first->Close();
    EXPECT_EQ(OpenAboutBoxes(), 0);
    ChooseFromAppMenu("CheckforUpdateAbout");
    const auto second = AboutBox::Instance();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->StaticText4()->Text(), App::Instance()->LongVersion());
}

TEST_F(AboutBoxTest, HelpMenuAboutItemDoesNothing) {
    ChooseFromAppMenu("HelpAbout");
    EXPECT_EQ(OpenAboutBoxes(), 0);
    EXPECT_TRUE(desktop_->urls.empty());
    EXPECT_TRUE(desktop_->messages.empty());
}

struct UrlRow {
    const char* name;
    std::shared_ptr<fw::PushButton> (AboutBox::*button)();
    std::string url;
};

void PrintTo(const UrlRow& row, std::ostream* os) {
    *os << row.name;
}

class AboutBoxUrlTest : public AboutBoxTest, public ::testing::WithParamInterface<UrlRow> {};

TEST_P(AboutBoxUrlTest, EachPressHandsOneUrlAndLeavesTheBoxOpen) {
    const UrlRow& row = GetParam();
    ChooseFromAppMenu("CheckforUpdateAbout");
    const auto box = AboutBox::Instance();
    ((*box).*row.button)()->Push();
    ((*box).*row.button)()->Push();
    EXPECT_EQ(desktop_->urls, (std::vector<std::string>{row.url, row.url}));
    EXPECT_EQ(OpenAboutBoxes(), 1);
    EXPECT_TRUE(box->IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Buttons, AboutBoxUrlTest,
                         ::testing::Values(UrlRow{"EmailAuthor", &AboutBox::PushButton1,
                                                  std::string("mailto:") +
                                                      buildconfig::kMailAddress},
                                           UrlRow{"VisitWebSite", &AboutBox::PushButton2,
                                                  std::string("http://") + buildconfig::kWebHost},
                                           UrlRow{"Order", &AboutBox::Kagi,
                                                  std::string("http://") + buildconfig::kOrderHost +
                                                      "/?" + buildconfig::kStoreCode + "&lang=en"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
