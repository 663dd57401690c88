#pragma once

// A desktop that answers for the user: it records message boxes and URLs, and
// answers the print dialog with whatever the test set up (nothing = cancel).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/MessageDialog.h"
#include "platform/print/Graphics.h"
#include "platform/print/PrinterSetup.h"

class TestDesktop final : public fw::Desktop {
public:
    using PrintAnswer = std::function<std::unique_ptr<fw::Graphics>(const fw::PrinterSetup&)>;

    void MsgBox(const std::string& text) override { messages.push_back(text); }
    Button ShowMessageDialog(const fw::MessageDialog& /*dialog*/) override { return Button::None; }
    void Beep() override {}
    void ShowURL(const std::string& url) override { urls.push_back(url); }
    std::unique_ptr<fw::Graphics> OpenPrinterDialog(const fw::PrinterSetup& setup) override {
        ++printDialogs;
        lastSetup = setup;
        return printAnswer ? printAnswer(setup) : nullptr;
    }

    std::vector<std::string> messages;
    std::vector<std::string> urls;
    PrintAnswer printAnswer;
    int printDialogs = 0;
    fw::PrinterSetup lastSetup{true};
};

// Installs a fresh TestDesktop for the lifetime of the object.
class ScopedTestDesktop {
public:
    ScopedTestDesktop() : desktop_(std::make_shared<TestDesktop>()) { fw::SetDesktop(desktop_); }
    ~ScopedTestDesktop() { fw::SetDesktop(nullptr); }
    ScopedTestDesktop(const ScopedTestDesktop&) = delete;
    ScopedTestDesktop& operator=(const ScopedTestDesktop&) = delete;

    TestDesktop* operator->() const { return desktop_.get(); }
    TestDesktop& operator*() const { return *desktop_; }

private:
    std::shared_ptr<TestDesktop> desktop_;
};
