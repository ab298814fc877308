#pragma once

#include <utility>

// Runs one event handler and stops any exception it lets through, so that
// none crosses Qt's event loop: a failing step ends the handler, the steps
// before it keep their effect, and the program goes on.
template <typename Handler>
void runGuarded(Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
    }
}

// A slot that runs `handler` of `object` guarded.
template <typename Object>
auto guarded(Object *object, void (Object::*handler)())
{
    return [object, handler] { runGuarded([&] { (object->*handler)(); }); };
}
