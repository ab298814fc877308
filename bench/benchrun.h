#pragma once

#include "screentimeline.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One cold start of a measured program: what reached the screen and, as a
// breakdown, what the program reported of its own events.
struct BenchRun {
    bool ok = false;
    QString error;
    bool busyMachine = false;
    ScreenFigures screen;
    double firstPaintMs = 0;  // the program's first paint event
    double introLoadedMs = 0; // the intro page's loadFinished
    QList<double> loadMs;     // per entry: from the pick to loadFinished(true)
    int failedPages = 0;
    double pssIntroMiB = 0;
    double pssEntriesMiB = 0;
    double privateIntroMiB = 0;
    double privateEntriesMiB = 0;

    // Reads the JSON lines a program wrote, and the screen through the
    // tour's moments. Lines that are not events are passed over.
    static BenchRun read(const QList<QByteArray> &eventLines, const ScreenWatcher::Timeline &timeline,
                         std::int64_t startNs);
};
