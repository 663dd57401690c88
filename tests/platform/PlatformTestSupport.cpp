#include "platform/PlatformTestSupport.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <stdexcept>

#include "platform/HostWindow.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/PushButton.h"
#include "platform/Runtime.h"
#include "platform/TestWindow.h"
#include "platform/TextArea.h"
#include "platform/Window.h"

fw::PropertyValue DefaultValue(fw::RecordKind kind, std::string_view name) {
    using V = fw::PropertyValue;
    if (kind == fw::RecordKind::Window) {
        static const std::vector<std::pair<std::string_view, V>> window = {
            {"Placement", 0},
            {"Width", 300},
            {"Height", 200},
            {"MinWidth", 64},
            {"MinHeight", 64},
            {"MaxWidth", 32000},
            {"MaxHeight", 32000},
            {"Frame", 0},
            {"Composite", false},
            {"HasBackColor", false},
            {"BackColor", fw::RGB(255, 255, 255)},
            {"Title", std::string("Host")},
            {"Visible", true},
            {"FullScreen", false},
            {"MenuBarVisible", true},
            {"CloseButton", true},
            {"Resizeable", false},
            {"LiveResize", false},
            {"MaximizeButton", false},
            {"MinimizeButton", false},
            {"MacProcID", 0},
        };
        for (const auto& [key, value] : window) {
            if (key == name) {
                return value;
            }
        }
    }
    static const std::vector<std::pair<std::string_view, V>> control = {
        {"Name", std::string("Ctl")},
        {"Index", fw::kNotInControlArray},
        {"Left", 10},
        {"Top", 20},
        {"Width", 120},
        {"Height", 40},
        {"LockLeft", false},
        {"LockTop", false},
        {"LockRight", false},
        {"LockBottom", false},
        {"TabPanelIndex", 0},
        {"TabIndex", 0},
        {"TabStop", true},
        {"Border", true},
        {"Multiline", true},
        {"ScrollbarHorizontal", false},
        {"ScrollbarVertical", true},
        {"Styled", false},
        {"UseFocusRing", true},
        {"TextColor", fw::RGB(0, 0, 0)},
        {"BackColor", fw::RGB(255, 255, 255)},
        {"Enabled", true},
        {"Format", std::string()},
        {"Visible", true},
        {"HelpTag", std::string()},
        {"AutoDeactivate", true},
        {"HideSelection", true},
        {"TextFont", std::string("System")},
        {"Bold", false},
        {"Italic", false},
        {"Underline", false},
        {"Text", std::string()},
        {"Mask", std::string()},
        {"ReadOnly", false},
        {"LimitText", 0},
        {"AcceptTabs", false},
        {"Alignment", 0},
        {"AutomaticallyCheckSpelling", true},
        {"DataSource", std::string()},
        {"DataField", std::string()},
        {"InitialParent", std::string()},
        {"Caption", std::string("Press")},
        {"Default", false},
        {"Cancel", false},
        {"ButtonStyle", 0},
        {"TextAlign", 0},
        {"Selectable", false},
        {"Transparent", false},
        {"Value", 0},
        {"Maximum", 100},
        {"Address", std::string()},
        {"Port", 0},
        {"yield", false},
    };
    for (const auto& [key, value] : control) {
        if (key == name) {
            return value;
        }
    }
    throw std::logic_error("no test default for " + std::string(name));
}

namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value >> 24));
    out.push_back(static_cast<char>(value >> 16));
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value));
}

}  // namespace

std::string EncodeRecord(fw::RecordKind kind, const Overrides& overrides) {
    for (const auto& [name, value] : overrides) {
        const auto specs = fw::RecordProperties(kind);
        if (std::none_of(specs.begin(), specs.end(),
                         [&](const fw::PropertySpec& spec) { return spec.name == name; })) {
            throw std::logic_error("test override of a property the kind lacks: " + name);
        }
    }
    std::string out;
    for (const fw::PropertySpec& spec : fw::RecordProperties(kind)) {
        fw::PropertyValue value = DefaultValue(kind, spec.name);
        for (const auto& [name, override] : overrides) {
            if (name == spec.name) {
                value = override;
            }
        }
        out.append(spec.name);
        out.push_back(' ');
        if (const auto* text = std::get_if<std::string>(&value)) {
            PutBigEndian(out, static_cast<std::uint32_t>(text->size()));
            out += *text;
        } else if (const auto* number = std::get_if<std::int32_t>(&value)) {
            PutBigEndian(out, static_cast<std::uint32_t>(*number));
        } else if (const auto* flag = std::get_if<bool>(&value)) {
            out.push_back(*flag ? 1 : 0);
        } else {
            const auto color = std::get<fw::Color>(value);
            out.push_back(static_cast<char>(color.red));
            out.push_back(static_cast<char>(color.green));
            out.push_back(static_cast<char>(color.blue));
        }
    }
    return out;
}

std::shared_ptr<fw::RectControl> AddControlOfKind(fw::Window& window, fw::RecordKind kind,
                                                  const std::string& name,
                                                  const std::string& record, double textSize) {
    std::shared_ptr<fw::RectControl> control;
    switch (kind) {
        case fw::RecordKind::TextArea:
            control = window.New<fw::TextArea>();
            break;
        case fw::RecordKind::PushButton:
            control = window.New<fw::PushButton>();
            break;
        case fw::RecordKind::Label:
            control = window.New<fw::Label>();
            break;
        case fw::RecordKind::ProgressBar:
            control = window.New<fw::ProgressBar>();
            break;
        default:
            throw std::logic_error("not a control with a place on screen");
    }
    control->Constructor();
    window.AddControl(name, control);
    if (textSize > 0) {
        control->TextSize(textSize);
    }
    control->TextUnit(0);
    fw::SetProperties(*control, record);
    return control;
}

void WhenModalOpens(std::function<void(QWidget&)> act) {
    auto* timer = new QTimer(QApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(*modal);
        }
    });
    timer->start();
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
