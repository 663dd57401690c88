#pragma once

// The framework's window. A window class overrides the window events, creates
// its controls in CreateControls and names itself with RuntimeClassName(); the
// framework keeps the list of open windows, through which each window class has
// one implicit instance (ImplicitInstance<W>()).
//
// Construction order (Constructor): the window joins the open-window list, then
// Layout, CreateControls, AddMenuHandlers, the controls' Open events in creation
// order, the window's Open event, and last the window is shown if its record
// says Visible. It stays in the list until its Close event has returned.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Control.h"
#include "platform/base/Exceptions.h"

class QWidget;

namespace fw {

class MenuBar;
class MenuItem;
class RectControl;
template <typename T, typename U>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<U>& object);

// A menu handler: True when it handled the command.
struct MenuDelegate {
    std::string signature;
    std::shared_ptr<void> target;  // held strongly, as menu handlers are
    std::function<bool()> invoke;
};

class Window : public std::enable_shared_from_this<Window> {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // "ClassName.ClassName", the name under which the open instance is found.
    [[nodiscard]] virtual std::string_view RuntimeClassName() const = 0;

    // The framework's window constructor (see the order above).
    void Constructor();

    void Show();
    // Shows the window modally; returns when it has closed. Events keep running.
    void ShowModal();
    void Close();
    [[nodiscard]] bool IsOpen() const;

    // The window's position on screen: the top left of its inside (below the
    // title bar; the menu bar, where the window has one, is inside).
    [[nodiscard]] int Top() const;
    void Top(int top);
    [[nodiscard]] int Left() const;
    void Left(int left);
    [[nodiscard]] int Width() const;
    [[nodiscard]] int Height() const;
    [[nodiscard]] std::string Title() const;
    [[nodiscard]] int Frame() const;

    [[nodiscard]] std::shared_ptr<fw::MenuBar> MenuBar() const;
    void MenuBar(std::shared_ptr<fw::MenuBar> bar);

    // Window.__New: a new control of class T owned by this window.
    template <typename T>
    std::shared_ptr<T> New() {
        auto control = std::make_shared<T>();
        control->CreateWidget(ContentWidget());
        control->Attach(shared_from_this(), {});
        return control;
    }
    void AddControl(const std::string& name, const std::shared_ptr<Control>& control);
    // The control registered under `name`, or nullptr.
    [[nodiscard]] std::shared_ptr<Control> ControlByName(const std::string& name) const;
    // The control registered under `name` as class T; throws NilObjectException
    // when there is none and RuntimeException when it is of another class.
    template <typename T>
    [[nodiscard]] std::shared_ptr<T> ControlAs(const std::string& name) const {
        auto control = std::dynamic_pointer_cast<T>(RequireControl(name));
        if (!control) {
            throw RuntimeException("Control '" + name + "' is not of the requested class.");
        }
        return control;
    }
    [[nodiscard]] const std::vector<std::shared_ptr<Control>>& Controls() const;

    // The entry of the given name in this window's menu bar, as class T. Throws
    // NilObjectException when the window has no menu bar or no such entry.
    template <typename T>
    [[nodiscard]] std::shared_ptr<T> MenuItemAs(const std::string& name) const {
        return RuntimeCheckCast<T>(RequireMenuItem(name));
    }

    void AddMenuHandler(const std::string& itemName, MenuDelegate handler);
    // Runs this window's handler of the item; false when there is none.
    bool RunMenuHandler(const std::string& itemName);
    [[nodiscard]] bool HasMenuHandler(const std::string& itemName) const;

    // Applies a window record (see LayoutRecord.h).
    void SetProperty(const std::string& name, const PropertyValue& value);
    [[nodiscard]] const PropertyValue* Property(const std::string& name) const;

    // Framework internals.
    [[nodiscard]] QWidget* Widget() const;
    [[nodiscard]] QWidget* ContentWidget() const;
    void HandleCloseRequest();
    // Presses the default (Return) or cancel (Escape) button; false if none.
    bool PressDefaultButton(bool cancel);

protected:
    // The window events; the framework raises them.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers() {}
    virtual void Event_Open() {}
    virtual void Event_Close() {}

private:
    [[nodiscard]] std::shared_ptr<Control> RequireControl(const std::string& name) const;
    [[nodiscard]] std::shared_ptr<MenuItem> RequireMenuItem(const std::string& name) const;
    void ApplyWindowFlags();
    void ApplySize();
    void OrderFocus();
    void ShowWidget();

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Applies a layout record to a window or a control.
void SetProperties(Window& window, std::string_view record);
void SetProperties(Control& control, std::string_view record);

// The open windows, in the order they opened.
std::vector<std::shared_ptr<Window>> OpenWindows();
// The open window of the runtime class, or nullptr.
std::shared_ptr<Window> GetImplicitWindow(std::string_view runtimeClassName);

// A typed reference with a run-time type test: nil stays nil, another class
// throws RuntimeException.
template <typename T, typename U>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<U>& object) {
    if (!object) {
        return nullptr;
    }
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast) {
        throw RuntimeException("An object is not of the expected class.");
    }
    return cast;
}

// The implicit instance of window class W: the open one, or a new one
// constructed now (which opens it).
template <typename W>
std::shared_ptr<W> ImplicitInstance() {
    if (auto open = GetImplicitWindow(W::kRuntimeClassName)) {
        return RuntimeCheckCast<W>(open);
    }
    auto window = std::make_shared<W>();
    window->Constructor();
    return window;
}

}  // namespace fw
