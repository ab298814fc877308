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

constexpr double kFrameMs = 1000.0 / 60.0;

using Figure = std::function<double(const BenchRun &)>;

struct Row {
    const char *name;
    Figure figure;
    bool pooledTurns = false; // the figure is a turn index: pooled over all turns
};

QJsonArray toJson(const QList<double> &values)
{
    QJsonArray array;
    for (double value : values)
        array.append(std::isnan(value) ? QJsonValue() : QJsonValue(value));
    return array;
}

QList<double> each(const QList<BenchRun> &runs, const Figure &figure)
{
    QList<double> values;
    for (const BenchRun &run : runs)
        values << figure(run);
    return values;
}

QList<double> turns(const QList<BenchRun> &runs, bool screen)
{
    QList<double> pooled;
    for (const BenchRun &run : runs)
        pooled << (screen ? run.screen.turnMs : run.loadMs);
    return pooled;
}

QString number(double value, int decimals = 1)
{
    return std::isnan(value) ? QStringLiteral("-") : QString::number(value, 'f', decimals);
}

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    std::fflush(stdout);
}

QJsonObject runJson(const BenchRun &r)
{
    return {{"listedMs", r.screen.listedMs},
            {"completeFrameMs", r.screen.completeFrameMs},
            {"pageOnScreenMs", r.screen.pageOnScreenMs},
            {"turnOnScreenMs", toJson(r.screen.turnMs)},
            {"windows", r.screen.windows},
            {"inTaskbar", r.screen.inTaskbar},
            {"firstPaintMs", r.firstPaintMs},
            {"introLoadedMs", r.introLoadedMs},
            {"loadMs", toJson(r.loadMs)},
            {"failedPages", r.failedPages},
            {"pssIntroMiB", r.pssIntroMiB},
            {"pssEntriesMiB", r.pssEntriesMiB},
            {"privateIntroMiB", r.privateIntroMiB},
            {"privateEntriesMiB", r.privateEntriesMiB},
            {"busyMachine", r.busyMachine}};
}

} // namespace

QJsonObject benchReport(const QList<BenchRun> &trainer, const QList<BenchRun> &baseline, int busyStarts)
{
    auto med = [](const QList<BenchRun> &runs, const Figure &f) { return median(each(runs, f)); };
    const Figure pageOnScreen = [](const BenchRun &r) { return r.screen.pageOnScreenMs; };
    const Figure pssEntries = [](const BenchRun &r) { return r.pssEntriesMiB; };
    const Figure growth = [](const BenchRun &r) { return 100 * (r.pssEntriesMiB / r.pssIntroMiB - 1); };

    const Row rows[] = {
        {"window listed (ms)", [](const BenchRun &r) { return r.screen.listedMs; }},
        {"complete first frame (ms)", [](const BenchRun &r) { return r.screen.completeFrameMs; }},
        {"intro on screen (ms)", pageOnScreen},
        {"turn on screen, median (ms)", {}, true},
        {"turn on screen, p95 (ms)", {}, true},
        {"windows per start (most)", [](const BenchRun &r) { return double(r.screen.windows); }},
        {"first paint event (ms)", [](const BenchRun &r) { return r.firstPaintMs; }},
        {"intro loadFinished (ms)", [](const BenchRun &r) { return r.introLoadedMs; }},
        {"pick -> loadFinished, median", {}, true},
        {"PSS after intro (MiB)", [](const BenchRun &r) { return r.pssIntroMiB; }},
        {"PSS after 55 entries (MiB)", pssEntries},
        {"PSS growth intro -> 55 (%)", growth},
        {"unshared after 55 (MiB)", [](const BenchRun &r) { return r.privateEntriesMiB; }},
    };
    auto value = [&](const Row &row, const QList<BenchRun> &runs) {
        const QString name = QLatin1String(row.name);
        if (name.startsWith("windows"))
            return double(std::ranges::max(each(runs, row.figure)));
        if (!row.pooledTurns)
            return med(runs, row.figure);
        const QList<double> pooled = turns(runs, name.startsWith("turn"));
        return name.contains("p95") ? percentile(pooled, 0.95) : median(pooled);
    };

    print(QStringLiteral("\nMedians of %1 cold starts each (screen first, then the program's own events)\n\n")
              .arg(trainer.size()));
    print(QStringLiteral("%1 %2 %3 %4\n").arg("", -30).arg("trainer", 9).arg("baseline", 9).arg("ratio", 7));
    QJsonObject table;
    for (const Row &row : rows) {
        const double t = value(row, trainer);
        const double b = value(row, baseline);
        print(QStringLiteral("%1 %2 %3 %4\n")
                  .arg(QLatin1String(row.name), -30)
                  .arg(number(t), 9)
                  .arg(number(b), 9)
                  .arg(number(t / b, 2), 7));
        table.insert(QLatin1String(row.name), QJsonObject{{"trainer", t}, {"baseline", b}, {"ratio", t / b}});
    }

    const double basePage = med(baseline, pageOnScreen);
    int replaced = 0;
    bool inTaskbar = false;
    for (const BenchRun &run : trainer) {
        replaced += run.screen.windows != 1;
        inTaskbar = inTaskbar || run.screen.inTaskbar;
    }
    struct Goal {
        const char *name;
        double value;
        double limit;
    };
    const Goal goals[] = {
        {"starts with more than one window", double(replaced), 0},
        {"starts with a task-bar button", double(inTaskbar), 0},
        {"complete first frame / baseline intro", value(rows[1], trainer) / basePage, 0.25},
        {"intro on screen / baseline", value(rows[2], trainer) / basePage, 1.0},
        {"turn median / baseline", value(rows[3], trainer) / value(rows[3], baseline), 1.05},
        {"turn p95 - baseline p95 (ms)", value(rows[4], trainer) - value(rows[4], baseline), kFrameMs},
        {"PSS after 55 entries / baseline", med(trainer, pssEntries) / med(baseline, pssEntries), 1.0},
        {"PSS growth intro -> 55 (%)", med(trainer, growth), 10},
    };
    if (busyStarts)
        print(QStringLiteral("\n%1 starts found the machine busy with other work: figures may be off.\n")
                  .arg(busyStarts));
    print(QStringLiteral("\nGoals\n"));
    QJsonArray goalArray;
    for (const Goal &g : goals) {
        const bool met = g.value <= g.limit;
        print(QStringLiteral("  %1 %2  (goal <= %3)  %4\n")
                  .arg(QLatin1String(g.name), -40)
                  .arg(number(g.value, 3), 8)
                  .arg(number(g.limit, 2))
                  .arg(met ? "met" : "MISSED"));
        goalArray.append(QJsonObject{{"goal", g.name}, {"value", g.value}, {"limit", g.limit}, {"met", met}});
    }

    auto runsJson = [](const QList<BenchRun> &runs) {
        QJsonArray array;
        for (const BenchRun &run : runs)
            array.append(runJson(run));
        return array;
    };
    return {{"machine", QJsonObject{{"cores", QThread::idealThreadCount()},
                                    {"kernel", QSysInfo::kernelVersion()},
                                    {"qt", QLibraryInfo::version().toString()}}},
            {"busyStarts", busyStarts},
            {"medians", table},
            {"goals", goalArray},
            {"trainerRuns", runsJson(trainer)},
            {"baselineRuns", runsJson(baseline)}};
}
