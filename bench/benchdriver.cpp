#include "benchdriver.h"

#include "benchreport.h"
#include "eventreporter.h"
#include "screenwatcher.h"
#include "statistics.h"
#include "twips.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kChildTimeoutMs = 180000;
// Lets the previous run's helper processes end before the next one starts.
constexpr int kPauseBetweenRunsMs = 700;
// Where each program's pixels are watched: the trainer's page pane and
// controls as the window lays them out, the same page region in the
// baseline's view, which is the page pane's size.
// The trainer's client area is 7245 x 5355 twips, its page pane at 120, 120,
// 6975 x 4695; the region watched lies 480 twips inside the page's edges and
// above the Orvani text box.
const ScreenWatcher::Regions kTrainerRegions{twips(5355), twipsRect(0, 4815, 7245, 540),
                                             twipsRect(600, 600, 5775, 3000)};
const ScreenWatcher::Regions kBaselineRegions{twips(4695), QRect(), twipsRect(480, 480, 5775, 3000)};
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

BenchRun BenchDriver::runOnce(bool trainer, const QString &label)
{
    const bool busy = !waitForQuietMachine();
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
    child.waitForStarted();
    ScreenWatcher watcher(child.processId(), trainer ? kTrainerRegions : kBaselineRegions);
    const bool finished = child.waitForFinished(kChildTimeoutMs);
    if (!finished) {
        child.kill();
        child.waitForFinished();
    }
    const ScreenWatcher::Timeline timeline = watcher.stop();

    QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    lines.removeIf([](const QByteArray &line) { return !line.startsWith('{'); });
    QFile events(m_settings.eventsPath);
    if (events.open(QIODevice::Append)) {
        for (const QByteArray &line : std::as_const(lines)) {
            QJsonObject o = QJsonDocument::fromJson(line).object();
            o.insert("program", trainer ? "trainer" : "baseline");
            o.insert("run", label);
            events.write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
        }
    }
    BenchRun run = BenchRun::read(lines, timeline, startNs);
    run.busyMachine = busy;
    if (!finished)
        run.error = QStringLiteral("%1 did not finish: %2").arg(program, child.errorString());
    run.ok = run.ok && finished && child.exitCode() == 0;
    if (!run.ok && run.error.isEmpty())
        run.error = QStringLiteral("%1 ended with code %2 before finishing").arg(program).arg(child.exitCode());
    QThread::msleep(kPauseBetweenRunsMs);
    return run;
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
        BenchRun runs[2];
        for (int k = 0; k < 2; ++k) {
            const bool trainer = (k == 0) == trainerFirst;
            const QString label = i < 0 ? QStringLiteral("warm-up") : QString::number(i + 1);
            BenchRun run = runOnce(trainer, label);
            m_busyStarts += run.busyMachine;
            if (!run.ok) {
                print(QStringLiteral("%1 run failed: %2 (see %3)\n")
                          .arg(trainer ? "trainer" : "baseline", run.error, m_settings.logPath));
                return 1;
            }
            runs[trainer ? 0 : 1] = run;
        }
        auto line = [](const BenchRun &r) {
            return QStringLiteral("frame %1, page %2, turns %3 ms, %4 window(s), %5 MiB")
                .arg(QString::number(r.screen.completeFrameMs, 'f', 0), QString::number(r.screen.pageOnScreenMs, 'f', 0),
                     QString::number(median(r.screen.turnMs), 'f', 1), QString::number(r.screen.windows),
                     QString::number(r.pssEntriesMiB, 'f', 0));
        };
        print(QStringLiteral("%1  trainer: %2   baseline: %3\n")
                  .arg(i < 0 ? QStringLiteral("warm-up") : QStringLiteral("run %1 ").arg(i + 1), -7)
                  .arg(line(runs[0]), line(runs[1])));
        if (i < 0)
            continue;
        m_trainerRuns << runs[0];
        m_baselineRuns << runs[1];
    }

    const QJsonObject json = benchReport(m_trainerRuns, m_baselineRuns, m_busyStarts);
    QFile file(m_settings.jsonPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(json).toJson()) < 0) {
        print(QStringLiteral("\nCannot write %1\n").arg(m_settings.jsonPath));
        return 1;
    }
    print(QStringLiteral("\nWritten to %1\n").arg(m_settings.jsonPath));
    return 0;
}
