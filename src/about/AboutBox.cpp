#include "about/AboutBox.h"

#include <string>

#include "BuildConfig.h"
#include "about/AboutBoxLayout.h"
#include "app/App.h"
#include "platform/Delegate.h"
#include "platform/Desktop.h"
#include "platform/EventNumber.h"

namespace {

std::string MailUrl() {
    return std::string("mailto:") + buildconfig::kMailAddress;
}
std::string WebUrl() {
    return std::string("http://") + buildconfig::kWebHost;
}
std::string OrderUrl() {
    return std::string("http://") + buildconfig::kOrderHost + "/?" + buildconfig::kStoreCode +
           "&lang=en";
}

}  // namespace

std::shared_ptr<AboutBox> AboutBox::Instance() {
    return fw::ImplicitInstance<AboutBox>();
}

void AboutBox::Layout() {
    fw::SetProperties(*this, AboutBoxLayout::WindowRecord());
}

void AboutBox::CreateControls() {
    CreateControls0();
}

void AboutBox::CreateControls0() {
    auto mail = New<fw::PushButton>();
    mail->Constructor();
    AddControl("PushButton1", mail);
    ControlAs<fw::PushButton>("PushButton1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("PushButton1"),
                      AboutBoxLayout::PushButton1Record());
    ControlAs<fw::PushButton>("PushButton1")
        ->AddEventHandler(fw::kEventAction,
                          fw::MakeDelegate(*this, &AboutBox::PushButton1_Action, "( PushButton )"));

    auto web = New<fw::PushButton>();
    web->Constructor();
    AddControl("PushButton2", web);
    ControlAs<fw::PushButton>("PushButton2")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("PushButton2"),
                      AboutBoxLayout::PushButton2Record());
    ControlAs<fw::PushButton>("PushButton2")
        ->AddEventHandler(fw::kEventAction,
                          fw::MakeDelegate(*this, &AboutBox::PushButton2_Action, "( PushButton )"));

    auto credits = New<fw::Label>();
    credits->Constructor();
    AddControl("StaticText2", credits);
    ControlAs<fw::Label>("StaticText2")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("StaticText2"), AboutBoxLayout::StaticText2Record());

    auto product = New<fw::Label>();
    product->Constructor();
    AddControl("StaticText1", product);
    ControlAs<fw::Label>("StaticText1")->TextSize(30.0F);
    ControlAs<fw::Label>("StaticText1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("StaticText1"), AboutBoxLayout::StaticText1Record());

    auto versionCaption = New<fw::Label>();
    versionCaption->Constructor();
    AddControl("StaticText3", versionCaption);
    ControlAs<fw::Label>("StaticText3")->TextSize(12.0F);
    ControlAs<fw::Label>("StaticText3")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("StaticText3"), AboutBoxLayout::StaticText3Record());

    auto version = New<fw::Label>();
    version->Constructor();
    AddControl("StaticText4", version);
    ControlAs<fw::Label>("StaticText4")->TextSize(12.0F);
    ControlAs<fw::Label>("StaticText4")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("StaticText4"), AboutBoxLayout::StaticText4Record());
    ControlAs<fw::Label>("StaticText4")
        ->AddEventHandler(fw::kEventOpen,
                          fw::MakeDelegate(*this, &AboutBox::StaticText4_Open, "( Label )"));

    auto order = New<fw::PushButton>();
    order->Constructor();
    AddControl("Kagi", order);
    ControlAs<fw::PushButton>("Kagi")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("Kagi"), AboutBoxLayout::KagiRecord());
    ControlAs<fw::PushButton>("Kagi")->AddEventHandler(
        fw::kEventAction, fw::MakeDelegate(*this, &AboutBox::Kagi_Action, "( PushButton )"));
}

std::shared_ptr<fw::PushButton> AboutBox::PushButton1() {
    return ControlAs<fw::PushButton>("PushButton1");
}
std::shared_ptr<fw::PushButton> AboutBox::PushButton2() {
    return ControlAs<fw::PushButton>("PushButton2");
}
std::shared_ptr<fw::Label> AboutBox::StaticText2() {
    return ControlAs<fw::Label>("StaticText2");
}
std::shared_ptr<fw::Label> AboutBox::StaticText1() {
    return ControlAs<fw::Label>("StaticText1");
}
std::shared_ptr<fw::Label> AboutBox::StaticText3() {
    return ControlAs<fw::Label>("StaticText3");
}
std::shared_ptr<fw::Label> AboutBox::StaticText4() {
    return ControlAs<fw::Label>("StaticText4");
}
std::shared_ptr<fw::PushButton> AboutBox::Kagi() {
    return ControlAs<fw::PushButton>("Kagi");
}

void AboutBox::PushButton1_Action(fw::PushButton& /*button*/) {
    fw::ShowURL(MailUrl());
}

void AboutBox::PushButton2_Action(fw::PushButton& /*button*/) {
    fw::ShowURL(WebUrl());
}

void AboutBox::StaticText4_Open(fw::Label& label) {
    label.Text(App::Instance()->LongVersion());
}

void AboutBox::Kagi_Action(fw::PushButton& /*button*/) {
    fw::ShowURL(OrderUrl());
}
