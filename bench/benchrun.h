#pragma once

#include "screenwatch.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The programs measured: the trainer, a bare web view as the stack gives it,
// and the same view drawn in Qt Quick's software adaptation.
enum class Program { Trainer, BareView, SoftwareView };
inline constexpr std::size_t kPrograms = 3;
inline const char *programName(Program program)
{
    const char *names[] = {"trainer", "bare view", "software view"};
    return names[std::size_t(program)];
}

// One cold start of a measured program: what reached the screen, in ms
// since the process started (NaN where nothing did), and the settled memory
// of its processes.
struct BenchRun {
    bool ok = false;
    QString error;
    bool busyMachine = false;
    double listedMs = 0; // the window manager first listed a window
    double completeFrameMs = 0; // the chrome first showed its settled pixels
    double pageOnScreenMs = 0; // the intro's region reached its settled pixels
    QList<double> turnMs; // per entry: from the pick to its page's settled pixels
    int windows = 0; // native windows the start used
    bool inTaskbar = false; // a window of the process ever wanted a task-bar button
    double privateIntroMiB = 0;
    double privateEntriesMiB = 0;

    // Reads the JSON lines the program wrote, and the screen through the
    // moments at which its tour acted.
    static BenchRun read(const QList<QByteArray> &eventLines, const ScreenTimeline &timeline,
                         std::int64_t startNs);
};
