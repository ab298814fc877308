#pragma once

#include "logging.h"

#include <QByteArray>

#include <exception>
#include <utility>

// What the failure being handled says of itself; call it inside a catch block.
inline const char *whatFailed() noexcept
{
    try {
        throw;
    } catch (const std::exception &e) {
        return e.what();
    } catch (...) {
        return "a failure that says nothing of itself";
    }
}

// Runs one event handler and stops any exception it lets through, so that
// none crosses Qt's event loop: a failing step ends the handler, the steps
// before it keep their effect, the program goes on, and a warning names the
// handler and the failure.
template <typename Handler>
void runGuarded(const char *name, Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        qCWarning(lcHandler, "%s stopped: %s", name, whatFailed());
    }
}

// A slot that runs `handler` of `object` guarded, under `name`.
template <typename Object>
auto guarded(Object *object, void (Object::*handler)(), QByteArray name)
{
    return [object, handler, name] { runGuarded(name.constData(), [&] { (object->*handler)(); }); };
}
