#include "benchdriver.h"

#include "entrytable.h"
#include "eventreporter.h"
#include "statistics.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLibraryInfo>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kChildTimeoutMs = 180000;
// Lets the previous run's helper processes end before the next one starts.
constexpr int kPauseBetweenRunsMs = 700;
constexpr double kFrameMs = 1000.0 / 60.0;
// A start waits until the processors have been at most this busy over one
// sample, for at most kQuietWaitMs; other programs running meanwhile (a
// build, other tests) would otherwise decide the figures.
constexpr double kQuietBusyFraction = 0.15;
constexpr int kQuietSampleMs = 300;
constexpr int kQuietWaitMs = 45000;

// Busy and total jiffies of all processors since boot.
std::pair<qint64, qint64> processorTimes()
{
    QFile stat(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return {0, 0};
    const QList<QByteArray> fields = stat.readLine().simplified().split(' ');
    qint64 total = 0;
    qint64 idle = 0;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        total += fields[i].toLongLong();
        if (i == 4 || i == 5) // idle, iowait
            idle += fields[i].toLongLong();
    }
    return {total - idle, total};
}

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    std::fflush(stdout);
}

QString number(double value, int decimals = 1)
{
    return std::isnan(value) ? QStringLiteral("-") : QString::number(value, 'f', decimals);
}

QJsonArray toJson(const QList<double> &values)
{
    QJsonArray array;
    for (double value : values)
        array.append(std::isnan(value) ? QJsonValue() : QJsonValue(value));
    return array;
}

} // namespace

BenchDriver::BenchDriver(Settings settings)
    : m_settings(std::move(settings))
{
}

bool BenchDriver::waitForQuietMachine()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kQuietWaitMs) {
        const auto [busy0, total0] = processorTimes();
        QThread::msleep(kQuietSampleMs);
        const auto [busy1, total1] = processorTimes();
        if (total1 > total0 && double(busy1 - busy0) / double(total1 - total0) <= kQuietBusyFraction)
            return true;
    }
    return false;
}

BenchDriver::Run BenchDriver::runOnce(bool trainer, const QString &label)
{
    Run run;
    run.busyMachine = !waitForQuietMachine();
    run.entryMs = QList<double>(qsizetype(orvani::kEntries.size()), std::nan(""));

    QProcess child;
    child.setStandardErrorFile(m_settings.logPath, QIODevice::Append);
    if (!trainer) {
        // The trainer writes no file, shader caches included, and so compiles
        // its shaders afresh at every start; the baseline is held to the same.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MESA_SHADER_CACHE_DISABLE"), QStringLiteral("true"));
        environment.insert(QStringLiteral("QT_DISABLE_SHADER_DISK_CACHE"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
    }
    const QString program = trainer ? m_settings.trainerProgram : m_settings.baselineProgram;
    QStringList arguments{QStringLiteral("--application-folder"), m_settings.applicationFolder};
    if (trainer)
        arguments << QStringLiteral("--mode") << QStringLiteral("trainer");
    const std::int64_t startNs = EventReporter::nowNs();
    child.start(program, arguments << QStringLiteral("--start-ns") << QString::number(startNs));
    if (!child.waitForFinished(kChildTimeoutMs)) {
        child.kill();
        child.waitForFinished();
        run.error = QStringLiteral("%1 did not finish: %2").arg(program, child.errorString());
        return run;
    }

    bool done = false;
    bool painted = false;
    bool introLoaded = false;
    QFile events(m_settings.eventsPath);
    events.open(QIODevice::Append);
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith('{'))
            continue;
        QJsonObject o = QJsonDocument::fromJson(line).object();
        o.insert("program", trainer ? "trainer" : "baseline");
        o.insert("run", label);
        events.write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
        const QString event = o.value("event").toString();
        if (event == "firstPaint" && !painted) {
            painted = true;
            run.firstPaintMs = o.value("ms").toDouble();
        } else if (event == "introLoaded") {
            introLoaded = true;
            run.introMs = o.value("ms").toDouble();
            run.failedPages += !o.value("ok").toBool();
        } else if (event == "entry") {
            const int index = o.value("index").toInt();
            if (o.value("ok").toBool() && index >= 0 && index < run.entryMs.size())
                run.entryMs[index] = o.value("ms").toDouble();
            else
                ++run.failedPages;
        } else if (event == "memory") {
            const bool intro = o.value("stage").toString() == "intro";
            (intro ? run.pssIntroMiB : run.pssEntriesMiB) = o.value("pssKiB").toDouble() / 1024;
            (intro ? run.privateIntroMiB : run.privateEntriesMiB) = o.value("privateKiB").toDouble() / 1024;
        } else if (event == "error") {
            run.error = o.value("what").toString();
        } else if (event == "done") {
            done = true;
        }
    }
    run.ok = done && painted && introLoaded && child.exitCode() == 0;
    if (!run.ok && run.error.isEmpty())
        run.error = QStringLiteral("%1 ended with code %2 before finishing").arg(program).arg(child.exitCode());
    QThread::msleep(kPauseBetweenRunsMs);
    return run;
}

BenchDriver::Summary BenchDriver::summarise(const QList<Run> &runs)
{
    QList<double> paint, intro, pssIntro, pssEntries, privateIntro, privateEntries, pooled;
    QList<QList<double>> perEntry(qsizetype(orvani::kEntries.size()));
    int failed = 0;
    for (const Run &run : runs) {
        paint << run.firstPaintMs;
        intro << run.introMs;
        pssIntro << run.pssIntroMiB;
        pssEntries << run.pssEntriesMiB;
        privateIntro << run.privateIntroMiB;
        privateEntries << run.privateEntriesMiB;
        failed += run.failedPages;
        for (qsizetype i = 0; i < run.entryMs.size(); ++i) {
            if (std::isnan(run.entryMs[i]))
                continue;
            pooled << run.entryMs[i];
            perEntry[i] << run.entryMs[i];
        }
    }
    Summary s{median(paint), median(intro), median(pooled), percentile(pooled, 0.95),
              median(pssIntro), median(pssEntries), 0, median(privateIntro), median(privateEntries),
              failed, {}};
    s.pssGrowth = s.pssEntriesMiB / s.pssIntroMiB - 1;
    for (const QList<double> &samples : perEntry)
        s.perEntryMedianMs << median(samples);
    return s;
}

QJsonObject BenchDriver::report(const Summary &t, const Summary &b) const
{
    struct Goal {
        const char *name;
        double value;
        double limit;
        const char *unit;
    };
    const Goal goals[] = {
        {"first paint / baseline intro loaded", t.firstPaintMs / b.introMs, 0.20, ""},
        {"intro loaded / baseline", t.introMs / b.introMs, 1.05, ""},
        {"entry median / baseline", t.entryMedianMs / b.entryMedianMs, 1.05, ""},
        {"entry p95 - baseline p95", t.entryP95Ms - b.entryP95Ms, kFrameMs, " ms"},
        {"PSS after 55 entries / baseline", t.pssEntriesMiB / b.pssEntriesMiB, 1.05, ""},
        {"PSS growth intro -> 55 entries", t.pssGrowth * 100, 10, " %"},
    };

    auto row = [](const QString &name, double trainer, double baseline, int decimals) {
        return QStringLiteral("%1 %2 %3 %4\n")
            .arg(name, -28)
            .arg(number(trainer, decimals), 10)
            .arg(number(baseline, decimals), 10)
            .arg(number(trainer / baseline, 2), 8);
    };
    print(QStringLiteral("\nMedians of %1 cold starts each\n\n").arg(m_settings.runs));
    print(QStringLiteral("%1 %2 %3 %4\n").arg("", -28).arg("trainer", 10).arg("baseline", 10).arg("ratio", 8));
    print(row("first paint (ms)", t.firstPaintMs, b.firstPaintMs, 1));
    print(row("intro loaded (ms)", t.introMs, b.introMs, 1));
    print(row("entry -> loaded, median (ms)", t.entryMedianMs, b.entryMedianMs, 1));
    print(row("entry -> loaded, p95 (ms)", t.entryP95Ms, b.entryP95Ms, 1));
    print(row("PSS after intro (MiB)", t.pssIntroMiB, b.pssIntroMiB, 1));
    print(row("PSS after 55 entries (MiB)", t.pssEntriesMiB, b.pssEntriesMiB, 1));
    print(row("PSS growth (%)", t.pssGrowth * 100, b.pssGrowth * 100, 1));
    print(row("unshared after intro (MiB)", t.privateIntroMiB, b.privateIntroMiB, 1));
    print(row("unshared after 55 (MiB)", t.privateEntriesMiB, b.privateEntriesMiB, 1));
    if (m_busyStarts)
        print(QStringLiteral("\n%1 of %2 starts found the machine busy with other work: figures may be off.\n")
                  .arg(m_busyStarts)
                  .arg(2 * (m_settings.runs + 1)));
    if (t.failedPages + b.failedPages)
        print(QStringLiteral("\nPages that did not load: trainer %1, baseline %2 (missing pages?)\n")
                  .arg(t.failedPages)
                  .arg(b.failedPages));

    print(QStringLiteral("\nGoals\n"));
    QJsonArray goalArray;
    for (const Goal &g : goals) {
        const bool met = g.value <= g.limit;
        print(QStringLiteral("  %1 %2  (goal <= %3)  %4\n")
                  .arg(QLatin1String(g.name), -36)
                  .arg(number(g.value, 3) + QLatin1String(g.unit), 10)
                  .arg(number(g.limit, 2) + QLatin1String(g.unit))
                  .arg(met ? "met" : "MISSED"));
        goalArray.append(QJsonObject{{"goal", g.name}, {"value", g.value}, {"limit", g.limit}, {"met", met}});
    }

    auto summaryJson = [](const Summary &s, const QList<Run> &runs) {
        QJsonArray runArray;
        for (const Run &r : runs)
            runArray.append(QJsonObject{{"firstPaintMs", r.firstPaintMs}, {"introLoadedMs", r.introMs},
                                        {"entryMs", toJson(r.entryMs)}, {"failedPages", r.failedPages},
                                        {"pssIntroMiB", r.pssIntroMiB}, {"pssEntriesMiB", r.pssEntriesMiB},
                                        {"privateIntroMiB", r.privateIntroMiB},
                                        {"privateEntriesMiB", r.privateEntriesMiB},
                                        {"busyMachine", r.busyMachine}});
        return QJsonObject{{"firstPaintMs", s.firstPaintMs},
                           {"introLoadedMs", s.introMs},
                           {"entryMedianMs", s.entryMedianMs},
                           {"entryP95Ms", s.entryP95Ms},
                           {"pssIntroMiB", s.pssIntroMiB},
                           {"pssEntriesMiB", s.pssEntriesMiB},
                           {"pssGrowth", s.pssGrowth},
                           {"privateIntroMiB", s.privateIntroMiB},
                           {"privateEntriesMiB", s.privateEntriesMiB},
                           {"failedPages", s.failedPages},
                           {"perEntryMedianMs", toJson(s.perEntryMedianMs)},
                           {"runs", runArray}};
    };
    return QJsonObject{
        {"machine", QJsonObject{{"cores", QThread::idealThreadCount()},
                                {"kernel", QSysInfo::kernelVersion()},
                                {"qt", QLibraryInfo::version().toString()}}},
        {"runs", m_settings.runs},
        {"busyStarts", m_busyStarts},
        {"trainer", summaryJson(t, m_trainerRuns)},
        {"baseline", summaryJson(b, m_baselineRuns)},
        {"ratios", QJsonObject{{"firstPaint", t.firstPaintMs / b.firstPaintMs},
                               {"introLoaded", t.introMs / b.introMs},
                               {"entryMedian", t.entryMedianMs / b.entryMedianMs},
                               {"entryP95", t.entryP95Ms / b.entryP95Ms},
                               {"pssIntro", t.pssIntroMiB / b.pssIntroMiB},
                               {"pssEntries", t.pssEntriesMiB / b.pssEntriesMiB}}},
        {"goals", goalArray},
    };
}

int BenchDriver::run()
{
    QFile::remove(m_settings.logPath);
    QFile::remove(m_settings.eventsPath);
    print(QStringLiteral("Trainer:  %1\nBaseline: %2\nPages:    %3/HTML\n%4 cold starts of each, "
                         "alternating, after one warm-up start of each\n\n")
              .arg(m_settings.trainerProgram, m_settings.baselineProgram, m_settings.applicationFolder)
              .arg(m_settings.runs));
    for (int i = -1; i < m_settings.runs; ++i) {
        const bool trainerFirst = i % 2 == 0;
        Run runs[2];
        for (int k = 0; k < 2; ++k) {
            const bool trainer = (k == 0) == trainerFirst;
            const QString label = i < 0 ? QStringLiteral("warm-up") : QString::number(i + 1);
            Run run = runOnce(trainer, label);
            m_busyStarts += run.busyMachine;
            if (!run.ok) {
                print(QStringLiteral("%1 run failed: %2 (see %3)\n")
                          .arg(trainer ? "trainer" : "baseline", run.error, m_settings.logPath));
                return 1;
            }
            runs[trainer ? 0 : 1] = run;
        }
        print(QStringLiteral("%1  trainer: paint %2, intro %3, entries %4 ms, %5 MiB   "
                             "baseline: paint %6, intro %7, entries %8 ms, %9 MiB\n")
                  .arg(i < 0 ? QStringLiteral("warm-up") : QStringLiteral("run %1 ").arg(i + 1), -7)
                  .arg(number(runs[0].firstPaintMs), number(runs[0].introMs), number(median(runs[0].entryMs)),
                       number(runs[0].pssEntriesMiB, 0), number(runs[1].firstPaintMs), number(runs[1].introMs),
                       number(median(runs[1].entryMs)), number(runs[1].pssEntriesMiB, 0)));
        if (i < 0)
            continue;
        m_trainerRuns << runs[0];
        m_baselineRuns << runs[1];
    }

    const QJsonObject json = report(summarise(m_trainerRuns), summarise(m_baselineRuns));
    QFile file(m_settings.jsonPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(json).toJson()) < 0) {
        print(QStringLiteral("\nCannot write %1\n").arg(m_settings.jsonPath));
        return 1;
    }
    print(QStringLiteral("\nWritten to %1\n").arg(m_settings.jsonPath));
    return 0;
}
