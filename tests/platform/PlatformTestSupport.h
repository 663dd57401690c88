#pragma once

// Shared pieces of the framework-layer tests: complete layout records with
// chosen values, a desktop that answers dialogs without a person, and a fixture
// that leaves no window, handler or desktop behind.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Desktop.h"
#include "platform/LayoutRecord.h"
#include "platform/MessageDialog.h"
#include "platform/RectControl.h"
#include "platform/Window.h"
#include "platform/print/Graphics.h"
#include "support/WhenModalOpens.h"

class QWidget;

using Values = std::vector<std::pair<std::string, fw::PropertyValue>>;

// A complete record of the kind, encoded here byte by byte: every property in
// the kind's order, with the value from `values` or a plain default.
std::string TestRecord(fw::RecordKind kind, const Values& values = {});

// Adds a control the way a window's CreateControls0 does: New, Constructor,
// AddControl, the text size when given, then the record.
template <typename C>
std::shared_ptr<C> AddTestControl(fw::Window& window, const std::string& name, const Values& values,
                                  double textSize = 0) {
    auto control = window.New<C>();
    control->Constructor();
    window.AddControl(name, control);
    if (textSize > 0) {
        control->TextSize(textSize);
    }
    fw::SetProperties(*control, TestRecord(control->Kind(), values));
    return control;
}

using app_test::WhenModalOpens;
// Lets Qt delete what was handed to deleteLater.
void FlushDeletes();

class FakeDesktop final : public fw::Desktop {
public:
    void MsgBox(const std::string& text) override { messages.push_back(text); }
    Button ShowMessageDialog(const fw::MessageDialog& dialog) override {
        dialogs.push_back(dialog.Message);
        return answer;
    }
    void Beep() override { ++beeps; }
    void ShowURL(const std::string& url) override { urls.push_back(url); }
    std::unique_ptr<fw::Graphics> OpenPrinterDialog(const fw::PrinterSetup& /*setup*/) override {
        return nullptr;
    }

    std::vector<std::string> messages;
    std::vector<std::string> dialogs;
    std::vector<std::string> urls;
    int beeps = 0;
    Button answer = Button::Action;
};

// Installs a FakeDesktop and an unhandled-exception handler that records what
// reaches it; closes every window and restores the defaults afterwards.
class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::shared_ptr<FakeDesktop> desktop_ = std::make_shared<FakeDesktop>();
    // "TypeName: message" of each exception that reached the handling.
    std::vector<std::string> unhandled_;
};
