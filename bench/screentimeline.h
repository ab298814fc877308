#pragma once

#include "screenwatcher.h"

#include <QList>

#include <cstdint>

// What a start looked like on screen, read from a watcher's timeline and
// the moments at which the tour acted, all in ms since the process start.
struct ScreenFigures {
    double listedMs = 0; // the window manager first listed a window
    double completeFrameMs = 0; // the chrome first showed its settled pixels
    double pageOnScreenMs = 0; // the first page's region reached its settled pixels
    QList<double> turnMs; // per turn: from the pick to its page's settled pixels
    QList<double> chromeChangesMs; // every change of the chrome up to the end of the first page
    int windows = 0; // native windows the start used
    bool inTaskbar = false; // a window of the process ever wanted a task-bar button
};

struct TourMoments {
    double introEndMs = 0; // the tour leaves the first page
    // Each turn: when the pick was made and when the tour moved on.
    QList<std::pair<double, double>> turns;
};

ScreenFigures readScreen(const ScreenWatcher::Timeline &timeline, std::int64_t startNs,
                         const TourMoments &moments);
