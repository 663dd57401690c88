#pragma once

// Shared pieces of the framework-layer tests: an encoder of layout records that
// is independent of the framework's own, a desktop that answers dialogs without
// a person, and a fixture that leaves no window, handler or desktop behind.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Desktop.h"
#include "platform/LayoutRecord.h"
#include "platform/MessageDialog.h"
#include "platform/print/Graphics.h"

class QWidget;
namespace fw {
class RectControl;
class Window;
}  // namespace fw

using Overrides = std::vector<std::pair<std::string, fw::PropertyValue>>;

// The value a test record holds for `name` unless a test overrides it.
fw::PropertyValue DefaultValue(fw::RecordKind kind, std::string_view name);
// A complete record of the kind, written byte by byte here: every property of
// the kind in order, with DefaultValue or the override.
std::string EncodeRecord(fw::RecordKind kind, const Overrides& overrides = {});

// Creates a control of the kind in `window` the way a window's CreateControls0
// does: New, Constructor, AddControl, TextSize when given, then the record.
std::shared_ptr<fw::RectControl> AddControlOfKind(fw::Window& window, fw::RecordKind kind,
                                                  const std::string& name,
                                                  const std::string& record, double textSize = 0);

// Runs `act` on the first modal widget that opens from now on.
void WhenModalOpens(std::function<void(QWidget&)> act);
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
