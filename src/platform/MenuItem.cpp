#include "platform/MenuItem.h"

#include "platform/base/Exceptions.h"

namespace fw {

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
    if (!item) {
        throw NilObjectException("A nil menu item cannot be appended.");
    }
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const {
    if (index < 0 || index >= Count()) {
        throw OutOfBoundsException("Menu item index " + std::to_string(index) +
                                   " is out of bounds.");
    }
    return children_[static_cast<std::size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) {
            return child;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->Name() == name) {
            return child;
        }
        if (auto found = child->Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace fw
