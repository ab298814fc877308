#include "taskbar.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef ORVANI_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace
#elif defined(Q_OS_WIN)
#include <QWindow>
#endif

void keepOutOfTaskbar(QWidget *window)
{
#ifdef ORVANI_HAVE_XCB
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1,
                        &skipTaskbar);
    xcb_flush(connection);
#elif defined(Q_OS_WIN)
    // A tool window never gets a button. Any other window without an owner
    // does, so it is given an owner that is never shown: Qt hands a
    // window's transient parent to Windows as its owner when it shows it.
    // One owner serves the whole run and is never destroyed, as Windows
    // destroys the windows an owner owns along with it.
    if (window->windowType() == Qt::Tool)
        return;
    static QWindow *const owner = [] {
        auto *hidden = new QWindow;
        hidden->create();
        return hidden;
    }();
    window->winId();
    window->windowHandle()->setTransientParent(owner);
#else
    // macOS: the Dock shows the program, not its windows.
    Q_UNUSED(window);
#endif
}
