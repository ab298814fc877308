#pragma once

#include <QList>
#include <QRect>

#include <atomic>
#include <cstdint>

// Where a window's pixels are watched. The client area is the bottom
// `clientHeight` rows of the window, below its menu bar; the rectangles are
// in its coordinates.
struct WatchRegions {
    int clientHeight = 0;
    QRect controls; // the controls below the page; with the menu bar, the chrome
    QRect page; // inside the page, clear of anything laid over it
};

// A moment at which the watched window or its pixels changed; times on the
// steady clock in nanoseconds.
struct ScreenChange {
    std::int64_t ns;
    std::uint32_t window;
    std::uint64_t chrome; // hash of the chrome strips, 0 when empty
    std::uint64_t page; // hash of the page region
};

struct ScreenTimeline {
    bool connected = false;
    QList<std::uint32_t> windows; // every window listed for the process, in order
    std::int64_t firstListedNs = 0; // when its first window was listed
    bool everInTaskbar = false; // a listed window without the skip-task-bar state
    QList<ScreenChange> changes;
};

// Watches, from the X server alone and with a connection of its own, the
// top-level windows that one process has on screen until `stop` is set:
// which windows the window manager lists for it, whether each wants a
// task-bar button, and when the two regions of its window change. Polls
// every few milliseconds; run it on a thread of its own.
ScreenTimeline watchScreen(std::int64_t pid, WatchRegions regions, const std::atomic<bool> &stop);
