#include "platform/Window.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <map>

#include "platform/EventNumber.h"
#include "platform/MenuBar.h"
#include "platform/MenuBarView.h"
#include "platform/PushButton.h"
#include "platform/QtText.h"
#include "platform/RectControl.h"
#include "platform/Runtime.h"
#include "platform/WindowWidget.h"

namespace fw {

namespace {

// Positions beyond any screen are held to this distance, so that the geometry
// computed from them cannot overflow.
constexpr int kPositionLimit = 1'000'000;

std::vector<std::shared_ptr<Window>>& OpenList() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

}  // namespace

struct Window::Impl {
    QPointer<WindowWidget> widget;
    QPointer<QWidget> content;
    std::vector<std::shared_ptr<Control>> controls;
    std::map<std::string, std::shared_ptr<Control>> byName;
    std::map<std::string, MenuDelegate> menuHandlers;
    std::shared_ptr<fw::MenuBar> menuBar;
    std::map<std::string, PropertyValue> properties;
    std::vector<QEventLoop*> modalLoops;
    bool open = false;
    bool closing = false;
    bool constructed = false;
    bool visibleByRecord = false;
};

Window::Window() : impl_(std::make_unique<Impl>()) {
    RequireUiThread();
    impl_->widget = new WindowWidget(this);
    impl_->content = new QWidget(impl_->widget);
    impl_->widget->setCentralWidget(impl_->content);
}

Window::~Window() {
    impl_->controls.clear();
    impl_->byName.clear();
    if (WindowWidget* widget = impl_->widget) {
        widget->Detach();
        widget->hide();
        widget->deleteLater();
    }
}

QWidget* Window::Widget() const {
    return impl_->widget;
}
QWidget* Window::ContentWidget() const {
    return impl_->content;
}
bool Window::IsOpen() const {
    return impl_->open;
}

void Window::Constructor() {
    const std::shared_ptr<Window> self = shared_from_this();
    impl_->open = true;
    OpenList().push_back(self);
    try {
        Layout();
        CreateControls();
        AddMenuHandlers();
        OrderFocus();
        const auto controls = impl_->controls;
        for (const auto& control : controls) {
            control->RaiseEvent(kEventOpen);
        }
        if (impl_->open) {  // a control's Open event may have closed the window
            Event_Open();
        }
    } catch (...) {
        // A window that failed to build is not left open half-made.
        impl_->open = false;
        std::erase(OpenList(), self);
        throw;
    }
    impl_->constructed = true;
    if (impl_->open && impl_->visibleByRecord) {
        ShowWidget();
    }
}

void Window::Show() {
    if (impl_->open) {
        ShowWidget();
    }
}

void Window::ShowWidget() {
    WindowWidget* widget = impl_->widget;
    if (!widget) {
        return;
    }
    ApplySize();
    if (Frame() == 1 && !widget->isVisible()) {
        widget->setWindowModality(Qt::ApplicationModal);
    }
    // A window whose stored position lies off every screen (a monitor removed
    // since) comes back onto the nearest screen.
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QRect frame(widget->geometry().topLeft(), widget->sizeHint().expandedTo(widget->size()));
    const bool visibleSomewhere = std::any_of(screens.begin(), screens.end(), [&](QScreen* screen) {
        return screen->availableGeometry().intersects(frame);
    });
    if (!visibleSomewhere && !screens.isEmpty()) {
        const QPoint centre = frame.center();
        auto distance = [&](QScreen* screen) {
            const QRect area = screen->availableGeometry();
            const int dx = std::max({area.left() - centre.x(), 0, centre.x() - area.right()});
            const int dy = std::max({area.top() - centre.y(), 0, centre.y() - area.bottom()});
            return static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
        };
        QScreen* nearest =
            *std::min_element(screens.begin(), screens.end(),
                              [&](QScreen* a, QScreen* b) { return distance(a) < distance(b); });
        const QRect area = nearest->availableGeometry();
        QRect moved = frame;
        moved.moveLeft(std::clamp(frame.left(), area.left(),
                                  std::max(area.left(), area.right() - frame.width())));
        moved.moveTop(std::clamp(frame.top(), area.top(),
                                 std::max(area.top(), area.bottom() - frame.height())));
        widget->move(moved.topLeft());
    }
    widget->show();
    widget->raise();
    widget->activateWindow();
}

void Window::ShowModal() {
    if (!impl_->open) {
        return;
    }
    const std::shared_ptr<Window> self = shared_from_this();
    WindowWidget* widget = impl_->widget;
    if (widget && widget->windowModality() != Qt::ApplicationModal) {
        widget->hide();
        widget->setWindowModality(Qt::ApplicationModal);
    }
    ShowWidget();
    QEventLoop loop;
    impl_->modalLoops.push_back(&loop);
    if (impl_->open) {
        loop.exec();
    }
    std::erase(impl_->modalLoops, &loop);
}

void Window::Close() {
    HandleCloseRequest();
}

void Window::HandleCloseRequest() {
    if (!impl_->open || impl_->closing) {
        return;
    }
    const std::shared_ptr<Window> self = shared_from_this();
    impl_->closing = true;
    Dispatch([this] { Event_Close(); });
    impl_->open = false;
    std::erase(OpenList(), self);
    for (const auto& control : impl_->controls) {
        control->WindowClosed();
    }
    // Menu handlers hold their window strongly; letting them go breaks the cycle.
    impl_->menuHandlers.clear();
    if (WindowWidget* widget = impl_->widget) {
        widget->hide();
    }
    for (QEventLoop* loop : impl_->modalLoops) {
        loop->quit();
    }
}

int Window::Top() const {
    return impl_->widget ? impl_->widget->geometry().top() : 0;
}

void Window::Top(int top) {
    if (WindowWidget* widget = impl_->widget) {
        top = std::clamp(top, -kPositionLimit, kPositionLimit);
        QRect geometry = widget->geometry();
        geometry.moveTop(top);
        widget->setGeometry(geometry);
    }
}

int Window::Left() const {
    return impl_->widget ? impl_->widget->geometry().left() : 0;
}

void Window::Left(int left) {
    if (WindowWidget* widget = impl_->widget) {
        left = std::clamp(left, -kPositionLimit, kPositionLimit);
        QRect geometry = widget->geometry();
        geometry.moveLeft(left);
        widget->setGeometry(geometry);
    }
}

int Window::Width() const {
    return IntegerOr(Property("Width"), 300);
}
int Window::Height() const {
    return IntegerOr(Property("Height"), 300);
}
int Window::Frame() const {
    return IntegerOr(Property("Frame"), 0);
}

std::string Window::Title() const {
    const auto found = impl_->properties.find("Title");
    return found == impl_->properties.end() ? std::string() : std::get<std::string>(found->second);
}

std::shared_ptr<fw::MenuBar> Window::MenuBar() const {
    return impl_->menuBar;
}

void Window::MenuBar(std::shared_ptr<fw::MenuBar> bar) {
    impl_->menuBar = std::move(bar);
    if (WindowWidget* widget = impl_->widget) {
        if (impl_->menuBar) {
            QMenuBar* view = CreateMenuBarView(impl_->menuBar, weak_from_this());
            view->setVisible(BooleanOr(Property("MenuBarVisible"), true));
            widget->setMenuBar(view);
        } else if (QMenuBar* old = widget->menuWidget() ? widget->menuBar() : nullptr) {
            old->deleteLater();
            widget->setMenuWidget(nullptr);
        }
    }
}

void Window::AddControl(const std::string& name, const std::shared_ptr<Control>& control) {
    RequireUiThread();
    if (!control) {
        throw NilObjectException("A nil control cannot be added to a window.");
    }
    control->Attach(shared_from_this(), name);
    if (std::find(impl_->controls.begin(), impl_->controls.end(), control) ==
        impl_->controls.end()) {
        impl_->controls.push_back(control);
    }
    impl_->byName[name] = control;
}

std::shared_ptr<Control> Window::ControlByName(const std::string& name) const {
    const auto found = impl_->byName.find(name);
    return found == impl_->byName.end() ? nullptr : found->second;
}

std::shared_ptr<Control> Window::RequireControl(const std::string& name) const {
    auto control = ControlByName(name);
    if (!control) {
        throw NilObjectException("The window has no control named '" + name + "'.");
    }
    return control;
}

std::shared_ptr<MenuItem> Window::RequireMenuItem(const std::string& name) const {
    if (!impl_->menuBar) {
        throw NilObjectException("The window has no menu bar.");
    }
    auto item = impl_->menuBar->Lookup(name);
    if (!item) {
        throw NilObjectException("The menu bar has no entry named '" + name + "'.");
    }
    return item;
}

const std::vector<std::shared_ptr<Control>>& Window::Controls() const {
    return impl_->controls;
}

void Window::AddMenuHandler(const std::string& itemName, MenuDelegate handler) {
    impl_->menuHandlers[itemName] = std::move(handler);
}

bool Window::RunMenuHandler(const std::string& itemName) {
    const auto found = impl_->menuHandlers.find(itemName);
    if (found == impl_->menuHandlers.end()) {
        return false;
    }
    const MenuDelegate handler = found->second;  // the handler may close the window
    return handler.invoke();
}

bool Window::HasMenuHandler(const std::string& itemName) const {
    return impl_->menuHandlers.contains(itemName);
}

void Window::SetProperty(const std::string& name, const PropertyValue& value) {
    impl_->properties[name] = value;
    WindowWidget* widget = impl_->widget;
    if (!widget) {
        return;
    }
    if (name == "Title") {
        widget->setWindowTitle(ToQString(std::get<std::string>(value)));
    } else if (name == "Frame" || name == "CloseButton" || name == "MinimizeButton" ||
               name == "MaximizeButton") {
        ApplyWindowFlags();
    } else if (name == "Width" || name == "Height" || name == "MinWidth" || name == "MinHeight" ||
               name == "MaxWidth" || name == "MaxHeight" || name == "Resizeable") {
        ApplySize();
    } else if (name == "Visible") {
        impl_->visibleByRecord = std::get<bool>(value);
        if (impl_->constructed) {
            impl_->visibleByRecord ? ShowWidget() : widget->hide();
        }
    } else if (name == "HasBackColor" || name == "BackColor") {
        const auto found = impl_->properties.find("BackColor");
        if (BooleanOr(Property("HasBackColor"), false) && found != impl_->properties.end()) {
            const Color color = std::get<Color>(found->second);
            QPalette palette = impl_->content->palette();
            palette.setColor(QPalette::Window, QColor(color.red, color.green, color.blue));
            impl_->content->setPalette(palette);
            impl_->content->setAutoFillBackground(true);
        }
    } else if (name == "MenuBarVisible") {
        if (widget->menuWidget() != nullptr) {
            widget->menuWidget()->setVisible(std::get<bool>(value));
        }
    }
}

const PropertyValue* Window::Property(const std::string& name) const {
    const auto found = impl_->properties.find(name);
    return found == impl_->properties.end() ? nullptr : &found->second;
}

void Window::ApplyWindowFlags() {
    WindowWidget* widget = impl_->widget;
    Qt::WindowFlags flags = (Frame() == 1 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (BooleanOr(Property("CloseButton"), true)) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (BooleanOr(Property("MinimizeButton"), false)) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (BooleanOr(Property("MaximizeButton"), false)) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    widget->setWindowFlags(flags);
}

void Window::ApplySize() {
    WindowWidget* widget = impl_->widget;
    QWidget* content = impl_->content;
    const QSize size(Width(), Height());
    if (BooleanOr(Property("Resizeable"), false)) {
        // The content has no size hint of its own: fixing it for a moment lets
        // the window take the size that gives the content the record's size;
        // then the content follows the window within its limits.
        content->setFixedSize(size);
        widget->layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
        widget->layout()->activate();
        widget->adjustSize();
        content->setMinimumSize(IntegerOr(Property("MinWidth"), 64),
                                IntegerOr(Property("MinHeight"), 64));
        content->setMaximumSize(IntegerOr(Property("MaxWidth"), 32000),
                                IntegerOr(Property("MaxHeight"), 32000));
        widget->layout()->activate();
    } else {
        // A window that cannot be resized keeps its content size.
        content->setFixedSize(size);
        widget->layout()->setSizeConstraint(QLayout::SetFixedSize);
        widget->adjustSize();
    }
}

void Window::OrderFocus() {
    std::vector<RectControl*> order;
    for (const auto& control : impl_->controls) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect && rect->Widget() && (rect->Widget()->focusPolicy() & Qt::TabFocus) != 0) {
            order.push_back(rect);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](RectControl* a, RectControl* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
    }
    if (!order.empty()) {
        order.front()->Widget()->setFocus(Qt::OtherFocusReason);
    }
}

bool Window::PressDefaultButton(bool cancel) {
    const auto controls = impl_->controls;
    for (const auto& control : controls) {
        auto* button = dynamic_cast<PushButton*>(control.get());
        if (button && (cancel ? button->Cancel() : button->Default()) && button->Visible() &&
            button->Enabled()) {
            button->Push();
            return true;
        }
    }
    return false;
}

void SetProperties(Window& window, std::string_view record) {
    for (const PropertyEntry& entry : ReadRecord(RecordKind::Window, record)) {
        window.SetProperty(entry.name, entry.value);
    }
}

void SetProperties(Control& control, std::string_view record) {
    for (const PropertyEntry& entry : ReadRecord(control.Kind(), record)) {
        control.SetProperty(entry.name, entry.value);
    }
}

std::vector<std::shared_ptr<Window>> OpenWindows() {
    return OpenList();
}

std::shared_ptr<Window> GetImplicitWindow(std::string_view runtimeClassName) {
    for (const auto& window : OpenList()) {
        if (window->RuntimeClassName() == runtimeClassName) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace fw
