#include "platform/PlatformTestSupport.h"

#include <QApplication>
#include <stdexcept>

#include "platform/Runtime.h"
#include "platform/TestWindow.h"

namespace {

fw::PropertyValue DefaultValue(std::string_view property, fw::PropertyType type) {
    // clang-format off
    static const Values named = {
        {"Index", fw::kNotInControlArray}, {"Width", 120}, {"Height", 40}, {"MaxWidth", 32000},
        {"MaxHeight", 32000}, {"Maximum", 100}, {"Visible", true}, {"Enabled", true},
        {"TabStop", true}, {"CloseButton", true}, {"MenuBarVisible", true},
        {"TextFont", std::string("System")}, {"BackColor", fw::RGB(255, 255, 255)}};
    // clang-format on
    for (const auto& [name, value] : named) {
        if (name == property) {
            return value;
        }
    }
    switch (type) {
        case fw::PropertyType::String:
            return std::string();
        case fw::PropertyType::Integer:
            return 0;
        case fw::PropertyType::Boolean:
            return false;
        case fw::PropertyType::Color:
            break;
    }
    return fw::RGB(0, 0, 0);
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>(value >> shift));
    }
}

}  // namespace

std::string TestRecord(fw::RecordKind kind, const Values& values) {
    std::size_t used = 0;
    std::string out;
    for (const auto& property : fw::RecordProperties(kind)) {
        fw::PropertyValue value = DefaultValue(property.name, property.type);
        for (const auto& [name, given] : values) {
            if (name == property.name) {
                value = given;
                ++used;
            }
        }
        out.append(property.name).push_back(' ');
        if (const auto* text = std::get_if<std::string>(&value)) {
            PutBigEndian(out, static_cast<std::uint32_t>(text->size()));
            out += *text;
        } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
            PutBigEndian(out, static_cast<std::uint32_t>(*number));
        } else if (const auto* flag = std::get_if<bool>(&value)) {
            out.push_back(*flag ? 1 : 0);
        } else {
            const auto color = std::get<fw::Color>(value);
            out += {static_cast<char>(color.red), static_cast<char>(color.green),
                    static_cast<char>(color.blue)};
        }
    }
    if (used != values.size()) {
        throw std::logic_error("a test value names a property the kind lacks");
    }
    return out;
}

void FlushDeletes() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PlatformTest::SetUp() {
    fw::SetDesktop(desktop_);
    fw::SetUnhandledExceptionHandler([this](const std::exception& error) {
        const auto* runtime = dynamic_cast<const fw::RuntimeException*>(&error);
        unhandled_.push_back(std::string(runtime ? runtime->TypeName() : "std::exception") + ": " +
                             error.what());
    });
    TestWindow::Hooks() = {};
}

void PlatformTest::TearDown() {
    TestWindow::Hooks() = {};
    const auto windows = fw::OpenWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        (*it)->Close();
    }
    FlushDeletes();
    fw::SetUnhandledExceptionHandler(nullptr);
    fw::SetDesktop(std::make_shared<FakeDesktop>());
    fw::ResetQuitForTesting();
}
