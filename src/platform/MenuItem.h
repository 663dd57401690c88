#pragma once

// A menu entry: a menu, an item or a separator (Text "-"). Entries form a tree
// under a MenuBar; handlers are bound to entries by Name, at application and at
// window level, and the framework carries out the Edit items and QuitMenuItem.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class MenuItem : public std::enable_shared_from_this<MenuItem> {
public:
    MenuItem() = default;
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // The framework's constructor; an entry starts empty.
    virtual void Constructor() {}
    [[nodiscard]] virtual std::string_view ClassName() const { return "MenuItem"; }

    [[nodiscard]] const std::string& Name() const { return name_; }
    void Name(std::string name) { name_ = std::move(name); }
    // "&" stands before the access letter; "-" makes a separator.
    [[nodiscard]] const std::string& Text() const { return text_; }
    void Text(std::string text) { text_ = std::move(text); }
    // Written "Cmd+P"; not set at all on separators.
    [[nodiscard]] const std::optional<std::string>& KeyboardShortcut() const { return shortcut_; }
    void KeyboardShortcut(std::string shortcut) { shortcut_ = std::move(shortcut); }
    [[nodiscard]] bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    [[nodiscard]] bool IsSeparator() const { return text_ == "-"; }

    void Append(std::shared_ptr<MenuItem> item);
    [[nodiscard]] int Count() const { return static_cast<int>(children_.size()); }
    [[nodiscard]] std::shared_ptr<MenuItem> Item(int index) const;
    // The direct child of the given name, or nullptr.
    [[nodiscard]] std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The entry of the given name anywhere below this one, or nullptr.
    [[nodiscard]] std::shared_ptr<MenuItem> Lookup(std::string_view name) const;

private:
    std::string name_;
    std::string text_;
    std::optional<std::string> shortcut_;
    bool autoEnable_ = false;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

}  // namespace fw
