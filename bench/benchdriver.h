#pragma once

#include "benchrun.h"

#include <QList>
#include <QString>

// Starts the trainer and the baseline program again and again, alternating,
// each from cold, watches their windows on screen and collects what they
// report of themselves, and prints and saves medians and the ratios
// trainer / baseline.
class BenchDriver
{
public:
    struct Settings {
        QString trainerProgram;  // started with --mode trainer
        QString baselineProgram;
        QString applicationFolder;
        QString jsonPath;
        QString logPath;         // the children's standard error
        QString eventsPath;      // every event the children reported, as JSON lines
        int runs = 7;
    };

    explicit BenchDriver(Settings settings);
    int run();

private:
    BenchRun runOnce(bool trainer, const QString &label);
    // Waits, up to a limit, until other programs leave the processors idle;
    // false when they did not.
    static bool waitForQuietMachine();

    Settings m_settings;
    QList<BenchRun> m_trainerRuns;
    QList<BenchRun> m_baselineRuns;
    int m_busyStarts = 0;
};
