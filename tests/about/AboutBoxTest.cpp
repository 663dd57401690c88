#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "BuildConfig.h"
#include "about/AboutBox.h"
#include "app/App.h"
#include "app/MenuBar1.h"
#include "platform/MenuBar.h"
#include "platform/Window.h"
#include "support/AppFixture.h"
#include "support/DarkPalette.h"

namespace {

using app_test::OpenCount;

void ChooseFromAppMenu(const char* itemName) {
    fw::MenuCommand(nullptr, *MenuBar1::Instance()->Lookup(itemName));
}

class AboutBoxTest : public app_test::AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        CreateApplication();
    }
};

TEST_F(AboutBoxTest, AboutCommandKeepsOneBoxAndReopensItWithTheVersion) {
    ChooseFromAppMenu("CheckforUpdateAbout");
    const auto first = AboutBox::Instance();
    ChooseFromAppMenu("CheckforUpdateAbout");
    EXPECT_EQ(OpenCount(AboutBox::kRuntimeClassName), 1);
    EXPECT_EQ(AboutBox::Instance(), first);
    EXPECT_EQ(first->StaticText4()->Text(), App::Instance()->LongVersion());

    first->Close();
    ChooseFromAppMenu("CheckforUpdateAbout");
    EXPECT_NE(AboutBox::Instance(), first);
    EXPECT_EQ(OpenCount(AboutBox::kRuntimeClassName), 1);
    EXPECT_EQ(AboutBox::Instance()->StaticText4()->Text(), App::Instance()->LongVersion());
}

TEST_F(AboutBoxTest, HelpMenuAboutItemDoesNothing) {
    ChooseFromAppMenu("HelpAbout");
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(desktop_->log, std::vector<std::string>{});
}

// On a dark desktop theme the labels draw in the theme's light text colour, not
// in their records' black.
TEST_F(AboutBoxTest, LabelsReadableOnADarkTheme) {
    const app_test::DarkPalette dark;
    ChooseFromAppMenu("CheckforUpdateAbout");
    const auto box = AboutBox::Instance();
    for (const auto& label :
         {box->StaticText1(), box->StaticText2(), box->StaticText3(), box->StaticText4()}) {
        EXPECT_EQ(label->Widget()->palette().color(QPalette::WindowText),
                  app_test::DarkPalette::kText)
            << label->Name();
    }
}

// Each press hands its URL to the desktop and leaves the box open.
TEST_F(AboutBoxTest, ButtonsHandTheirUrls) {
    using buildconfig::kOrderHost, buildconfig::kStoreCode, buildconfig::kWebHost;
    const struct {
        const char* name;
        std::shared_ptr<fw::PushButton> (AboutBox::*button)();
        std::string url;
    } rows[] = {
        {"EmailAuthor", &AboutBox::PushButton1, "mailto:" + std::string(buildconfig::kMailAddress)},
        {"VisitWebSite", &AboutBox::PushButton2, "http://" + std::string(kWebHost)},
        {"Order", &AboutBox::Kagi,
         "http://" + std::string(kOrderHost) + "/?" + kStoreCode + "&lang=en"},
    };
    ChooseFromAppMenu("CheckforUpdateAbout");
    const auto box = AboutBox::Instance();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        desktop_->log.clear();
        ((*box).*row.button)()->Push();
        ((*box).*row.button)()->Push();
        EXPECT_EQ(desktop_->log, (std::vector<std::string>{"url: " + row.url, "url: " + row.url}));
        EXPECT_TRUE(box->IsOpen());
    }
    EXPECT_EQ(OpenCount(AboutBox::kRuntimeClassName), 1);
}

}  // namespace
