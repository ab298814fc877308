#include "screenwatch.h"

#include "benchoptions.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(3);

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window's property; empty when it has none.
QList<std::uint32_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                              xcb_atom_t type)
{
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 4096), nullptr));
    QList<std::uint32_t> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
        values = QList<std::uint32_t>(data, data + xcb_get_property_value_length(reply.get()) / 4);
    }
    return values;
}

// FNV-1a over the region's pixels; 0 for a region that cannot be read.
std::uint64_t hashRegion(xcb_connection_t *c, xcb_window_t window, QRect r)
{
    if (r.isEmpty())
        return 0;
    Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, int16_t(r.x()), int16_t(r.y()),
                      uint16_t(r.width()), uint16_t(r.height()), ~0u),
        nullptr));
    if (!image)
        return 0;
    const std::uint8_t *data = xcb_get_image_data(image.get());
    std::uint64_t hash = 14695981039346656037ull;
    for (int i = 0, n = xcb_get_image_data_length(image.get()); i < n; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash ? hash : 1;
}

} // namespace

ScreenTimeline watchScreen(std::int64_t pid, WatchRegions regions, const std::atomic<bool> &stop)
{
    ScreenTimeline timeline;
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return timeline;
    }
    timeline.connected = true;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t clientList = atom(c, "_NET_CLIENT_LIST");
    const xcb_atom_t wmPid = atom(c, "_NET_WM_PID");
    const xcb_atom_t wmState = atom(c, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");

    ScreenChange last{0, 0, 0, 0};
    while (!stop) {
        // The process's newest listed window is the one on screen.
        xcb_window_t current = 0;
        for (std::uint32_t window : property(c, root, clientList, XCB_ATOM_WINDOW)) {
            const QList<std::uint32_t> owner = property(c, window, wmPid, XCB_ATOM_CARDINAL);
            if (owner.isEmpty() || owner.front() != pid)
                continue;
            current = window;
            if (!timeline.windows.contains(window)) {
                if (timeline.windows.isEmpty())
                    timeline.firstListedNs = steadyNowNs();
                timeline.windows.append(window);
            }
            if (!property(c, window, wmState, XCB_ATOM_ATOM).contains(skipTaskbar))
                timeline.everInTaskbar = true;
        }
        if (current) {
            Reply<xcb_get_geometry_reply_t> geometry(
                xcb_get_geometry_reply(c, xcb_get_geometry(c, current), nullptr));
            if (geometry) {
                const int top = geometry->height - regions.clientHeight;
                const QRect menuBar(0, 0, geometry->width, top);
                const std::uint64_t chrome = hashRegion(c, current, menuBar)
                    ^ (hashRegion(c, current, regions.controls.translated(0, top)) * 31);
                const std::uint64_t page = hashRegion(c, current, regions.page.translated(0, top));
                if (current != last.window || chrome != last.chrome || page != last.page) {
                    last = {steadyNowNs(), current, chrome, page};
                    timeline.changes.append(last);
                }
            }
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    xcb_disconnect(c);
    return timeline;
}
