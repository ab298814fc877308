#include "benchreport.h"

#include "statistics.h"

#include <QJsonArray>
#include <QLibraryInfo>
#include <QSysInfo>
#include <QThread>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Runs = QList<BenchRun>;
// A figure of a program over all its starts.
using Figure = std::function<double(const Runs &)>;

QList<double> each(const Runs &runs, double (*of)(const BenchRun &))
{
    QList<double> values;
    for (const BenchRun &run : runs)
        values << of(run);
    return values;
}

Figure medianOf(double (*of)(const BenchRun &))
{
    return [of](const Runs &runs) { return median(each(runs, of)); };
}

// Page turns are pooled over all starts.
Figure turnsAt(double fraction)
{
    return [fraction](const Runs &runs) {
        QList<double> pooled;
        for (const BenchRun &run : runs)
            pooled << run.screen.turnMs;
        return fraction == 0.5 ? median(pooled) : percentile(pooled, fraction);
    };
}

struct Row {
    const char *name;
    Figure figure;
};

const Row kRows[] = {
    {"window listed (ms)", medianOf([](const BenchRun &r) { return r.screen.listedMs; })},
    {"complete first frame (ms)",
     medianOf([](const BenchRun &r) { return r.screen.completeFrameMs; })},
    {"intro on screen (ms)", medianOf([](const BenchRun &r) { return r.screen.pageOnScreenMs; })},
    {"turn on screen, median (ms)", turnsAt(0.5)},
    {"turn on screen, p95 (ms)", turnsAt(0.95)},
    {"windows per start (most)",
     [](const Runs &runs) {
         return std::ranges::max(
             each(runs, [](const BenchRun &r) { return double(r.screen.windows); }));
     }},
    {"unshared at intro (MiB)", medianOf([](const BenchRun &r) { return r.privateIntroMiB; })},
    {"unshared after 55 (MiB)", medianOf([](const BenchRun &r) { return r.privateEntriesMiB; })},
    {"PSS at intro (MiB)", medianOf([](const BenchRun &r) { return r.pssIntroMiB; })},
    {"PSS after 55 (MiB)", medianOf([](const BenchRun &r) { return r.pssEntriesMiB; })},
    {"PSS growth intro -> 55 (%)",
     medianOf([](const BenchRun &r) { return 100 * (r.pssEntriesMiB / r.pssIntroMiB - 1); })},
};
enum RowIndex {
    Listed,
    Frame,
    Intro,
    TurnMedian,
    TurnP95,
    Windows,
    UnsharedIntro,
    Unshared55,
    PssIntro,
    Pss55,
    Growth
};

QString number(double value, int decimals = 1)
{
    return std::isnan(value) ? QStringLiteral("-") : QString::number(value, 'f', decimals);
}

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    std::fflush(stdout);
}

QJsonValue orNull(double value)
{
    return std::isnan(value) ? QJsonValue() : QJsonValue(value);
}

QJsonObject runJson(const BenchRun &r)
{
    QJsonArray turns;
    for (double turn : r.screen.turnMs)
        turns.append(orNull(turn));
    return {{"listedMs", r.screen.listedMs},
            {"completeFrameMs", orNull(r.screen.completeFrameMs)},
            {"pageOnScreenMs", orNull(r.screen.pageOnScreenMs)},
            {"turnOnScreenMs", turns},
            {"chromeChangesMs",
             QJsonArray::fromVariantList(
                 QVariantList(r.screen.chromeChangesMs.begin(), r.screen.chromeChangesMs.end()))},
            {"windows", r.screen.windows},
            {"inTaskbar", r.screen.inTaskbar},
            {"pssIntroMiB", r.pssIntroMiB},
            {"pssEntriesMiB", r.pssEntriesMiB},
            {"privateIntroMiB", r.privateIntroMiB},
            {"privateEntriesMiB", r.privateEntriesMiB},
            {"busyMachine", r.busyMachine}};
}

struct Goal {
    const char *name;
    double value;
    double limit;
};

} // namespace

QJsonObject benchReport(const std::array<Runs, kPrograms> &runs, int busyStarts)
{
    const Runs &trainer = runs[std::size_t(Program::Trainer)];
    const Runs &bare = runs[std::size_t(Program::BareView)];
    const Runs &software = runs[std::size_t(Program::SoftwareView)];

    print(QStringLiteral("\nMedians of %1 cold starts each, read from the screen and /proc\n\n")
              .arg(trainer.size()));
    print(QStringLiteral("%1 %2 %3 %4 %5 %6\n")
              .arg("", -28)
              .arg("trainer", 8)
              .arg("bare", 8)
              .arg("software", 9)
              .arg("/bare", 6)
              .arg("/softw.", 7));
    QJsonObject table;
    double t[std::size(kRows)], b[std::size(kRows)], s[std::size(kRows)];
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row &row = kRows[i];
        t[i] = row.figure(trainer);
        b[i] = row.figure(bare);
        s[i] = row.figure(software);
        print(QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                  .arg(QLatin1String(row.name), -28)
                  .arg(number(t[i]), 8)
                  .arg(number(b[i]), 8)
                  .arg(number(s[i]), 9)
                  .arg(number(t[i] / b[i], 2), 6)
                  .arg(number(t[i] / s[i], 2), 7));
        table.insert(QLatin1String(row.name),
                     QJsonObject{{"trainer", orNull(t[i])},
                                 {"bareView", orNull(b[i])},
                                 {"softwareView", orNull(s[i])}});
    }

    int extraWindows = 0;
    int inTaskbar = 0;
    for (const BenchRun &run : trainer) {
        extraWindows += run.screen.windows != 1;
        inTaskbar += run.screen.inTaskbar;
    }
    const Goal goals[] = {
        {"starts with more than one window", double(extraWindows), 0},
        {"starts with a task-bar button", double(inTaskbar), 0},
        {"complete first frame / bare view's intro", t[Frame] / b[Intro], 0.25},
        {"intro on screen / bare view", t[Intro] / b[Intro], 0.9},
        {"intro on screen / software view", t[Intro] / s[Intro], 1.05},
        {"turn median / bare view", t[TurnMedian] / b[TurnMedian], 0.95},
        {"turn p95 / bare view", t[TurnP95] / b[TurnP95], 1.0},
        {"unshared at intro / bare view", t[UnsharedIntro] / b[UnsharedIntro], 0.85},
        {"unshared after 55 / bare view", t[Unshared55] / b[Unshared55], 0.85},
        {"PSS at intro / bare view", t[PssIntro] / b[PssIntro], 0.9},
        {"PSS after 55 / bare view", t[Pss55] / b[Pss55], 0.9},
        {"PSS growth intro -> 55 (%)", t[Growth], 10},
    };
    if (busyStarts)
        print(QStringLiteral(
                  "\n%1 starts found the machine busy with other work: figures may be off.\n")
                  .arg(busyStarts));
    print(QStringLiteral("\nGoals\n"));
    QJsonArray goalArray;
    for (const Goal &g : goals) {
        const bool met = g.value <= g.limit && !std::isnan(g.value);
        print(QStringLiteral("  %1 %2  (goal <= %3)  %4\n")
                  .arg(QLatin1String(g.name), -42)
                  .arg(number(g.value, 3), 8)
                  .arg(number(g.limit, 2))
                  .arg(met ? "met" : "MISSED"));
        goalArray.append(QJsonObject{
            {"goal", g.name}, {"value", orNull(g.value)}, {"limit", g.limit}, {"met", met}});
    }

    QJsonObject starts;
    for (std::size_t p = 0; p < kPrograms; ++p) {
        QJsonArray array;
        for (const BenchRun &run : runs[p])
            array.append(runJson(run));
        starts.insert(QLatin1String(programName(Program(p))), array);
    }
    return {{"machine",
             QJsonObject{{"cores", QThread::idealThreadCount()},
                         {"kernel", QSysInfo::kernelVersion()},
                         {"qt", QLibraryInfo::version().toString()}}},
            {"busyStarts", busyStarts},
            {"medians", table},
            {"goals", goalArray},
            {"starts", starts}};
}
