#pragma once

#include "screentimeline.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The programs measured: the trainer, a bare web view as the stack gives it,
// and the same view drawn in Qt Quick's software adaptation.
enum class Program { Trainer, BareView, SoftwareView };
inline constexpr std::size_t kPrograms = 3;
inline const char *programName(Program program)
{
    switch (program) {
    case Program::Trainer:
        return "trainer";
    case Program::BareView:
        return "bare view";
    case Program::SoftwareView:
        return "software view";
    }
    return "";
}

// One cold start of a measured program: what reached the screen, and the
// memory of its processes.
struct BenchRun {
    bool ok = false;
    QString error;
    bool busyMachine = false;
    ScreenFigures screen;
    int failedPages = 0;
    double pssIntroMiB = 0;
    double pssEntriesMiB = 0;
    double privateIntroMiB = 0;
    double privateEntriesMiB = 0;

    // Reads the JSON lines a program wrote, and the screen through the
    // tour's moments. Lines that are not events are passed over.
    static BenchRun read(const QList<QByteArray> &eventLines,
                         const ScreenWatcher::Timeline &timeline, std::int64_t startNs);
};
