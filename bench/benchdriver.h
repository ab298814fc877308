#pragma once

#include "benchrun.h"

#include <QList>
#include <QString>

#include <array>

// Starts the trainer and the two baselines again and again, in turn, each
// from cold, watches their windows on screen and collects what they report
// of themselves, and prints and saves medians and the ratios to the
// baselines.
class BenchDriver
{
public:
    struct Settings {
        QString trainerProgram; // started with --mode trainer
        QString baselineProgram; // the bare view; with --software, drawn in software
        QString applicationFolder;
        QString jsonPath;
        QString logPath; // the children's standard error
        QString eventsPath; // every event the children reported, as JSON lines
        int runs = 9;
    };

    explicit BenchDriver(Settings settings);
    int run();

private:
    BenchRun runOnce(Program program, const QString &label);
    // Waits, up to a limit, until other programs leave the processors idle;
    // false when they did not.
    static bool waitForQuietMachine();

    Settings m_settings;
    std::array<QList<BenchRun>, kPrograms> m_runs;
    int m_busyStarts = 0;
};
