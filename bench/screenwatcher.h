#pragma once

#include <QList>
#include <QRect>

#include <atomic>
#include <cstdint>
#include <thread>

// Watches, from the X server alone, the top-level windows that one process
// has on screen: which windows the window manager lists for it, whether
// each wants a task-bar button, and when two regions of its window change.
// It polls on a thread of its own with its own connection and keeps a
// timeline of changes, times on the steady clock in nanoseconds.
class ScreenWatcher
{
public:
    // The client area is the bottom `clientHeight` rows of the window, below
    // its menu bar; the rectangles are in its coordinates.
    struct Regions {
        int clientHeight = 0;
        QRect controls; // the controls below the page; with the menu bar, the chrome
        QRect page; // inside the page, clear of anything laid over it
    };
    struct Change {
        std::int64_t ns;
        std::uint32_t window;
        std::uint64_t chrome; // hash of the chrome strips, 0 when empty
        std::uint64_t page; // hash of the page region
    };
    struct Timeline {
        bool connected = false;
        QList<std::uint32_t> windows; // every window listed for the process, in order
        std::int64_t firstListedNs = 0; // when its first window was listed
        bool everInTaskbar = false; // a listed window without the skip-task-bar state
        QList<Change> changes;
    };

    ScreenWatcher(std::int64_t pid, Regions regions);
    ~ScreenWatcher();
    ScreenWatcher(const ScreenWatcher &) = delete;
    ScreenWatcher &operator=(const ScreenWatcher &) = delete;

    // Ends the watch and hands over what it saw.
    Timeline stop();

private:
    void watch();

    const std::int64_t m_pid;
    const Regions m_regions;
    std::atomic<bool> m_stop{false};
    Timeline m_timeline;
    std::thread m_thread;
};
