#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// Starts the trainer and the baseline program again and again, alternating,
// each from cold, collects what they report, and prints and saves medians
// and the ratios trainer / baseline.
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
    struct Run {
        bool ok = false;
        QString error;
        double firstPaintMs = 0;
        double introMs = 0;
        QList<double> entryMs; // loads that ended in loadFinished(true)
        int failedPages = 0;
        double pssIntroMiB = 0;
        double pssEntriesMiB = 0;
        double privateIntroMiB = 0;
        double privateEntriesMiB = 0;
        bool busyMachine = false;
    };
    struct Summary {
        double firstPaintMs, introMs, entryMedianMs, entryP95Ms;
        double pssIntroMiB, pssEntriesMiB, pssGrowth;
        double privateIntroMiB, privateEntriesMiB;
        int failedPages;
        QList<double> perEntryMedianMs;
    };

    Run runOnce(bool trainer, const QString &label);
    // Waits, up to a limit, until other programs leave the processors idle;
    // false when they did not.
    static bool waitForQuietMachine();
    static Summary summarise(const QList<Run> &runs);
    QJsonObject report(const Summary &trainer, const Summary &baseline) const;

    Settings m_settings;
    QList<Run> m_trainerRuns;
    QList<Run> m_baselineRuns;
    int m_busyStarts = 0;
};
