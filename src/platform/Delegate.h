#pragma once

// A bound event handler: the handler's invoker, its signature text and the
// window it belongs to, held weakly so that no binding keeps a closed window
// alive. Raising an event whose window has gone raises NilObjectException.

#include <functional>
#include <memory>
#include <string>

namespace fw {

class Window;
class Control;

// The values an event carries beyond the control; control kinds with events of
// their own (the HTTP socket) derive from it.
struct EventArgs {
    virtual ~EventArgs() = default;
};

struct Delegate {
    std::string signature;
    std::weak_ptr<Window> target;
    std::function<void(Window&, Control&, const EventArgs&)> invoke;
};

// A delegate for a window's handler of a control event without values of its own
// (Action, Open): `void W::Handler(C& control)`.
template <typename W, typename C>
Delegate MakeDelegate(W& window, void (W::*handler)(C&), std::string signature) {
    return Delegate{std::move(signature), window.weak_from_this(),
                    [handler](Window& target, Control& control, const EventArgs&) {
                        (static_cast<W&>(target).*handler)(dynamic_cast<C&>(control));
                    }};
}

}  // namespace fw
