#pragma once

#include <QGuiApplication>
#include <QList>
#include <QScopedPointer>

#include <xcb/xcb.h>

// The test's own X connection (Qt's), and properties read from it.
namespace x11 {

inline xcb_connection_t *connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

inline xcb_atom_t atom(const char *name)
{
    const QScopedPointer<xcb_intern_atom_reply_t, QScopedPointerPodDeleter> reply(
        xcb_intern_atom_reply(connection(), xcb_intern_atom(connection(), 0, uint16_t(qstrlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A property of 32-bit values; of the root window without a window.
inline QList<quint32> property(const char *name, xcb_window_t window = 0)
{
    if (!window)
        window = xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
    const QScopedPointer<xcb_get_property_reply_t, QScopedPointerPodDeleter> reply(xcb_get_property_reply(
        connection(), xcb_get_property(connection(), 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return QList<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

} // namespace x11
