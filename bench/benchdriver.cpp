#include "benchdriver.h"

#include "benchreport.h"
#include "eventreporter.h"
#include "form1layout.h"
#include "screenwatcher.h"
#include "statistics.h"

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
// Where each program's pixels are watched: in the trainer, the strip of the
// controls below its page pane and a region of the page inside its edges and
// above the Orvani text box; the same page region in the baselines' view,
// which is the page pane's size.
using form1layout::kClientArea;
using form1layout::kPagePane;
const QRect kPageRegion(32, 32, kPagePane.width() - 80,
                        form1layout::kOrvaniBox.top() - kPagePane.top() - 80);
const ScreenWatcher::Regions kTrainerRegions{kClientArea.height(),
                                             QRect(0, kPagePane.bottom() + 1, kClientArea.width(),
                                                   kClientArea.height() - kPagePane.bottom() - 1),
                                             kPageRegion.translated(kPagePane.topLeft())};
const ScreenWatcher::Regions kBaselineRegions{kPagePane.height(), QRect(), kPageRegion};
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
{ }

bool BenchDriver::waitForQuietMachine()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kQuietWaitMs) {
        const auto [busy0, total0] = processorTimes();
        QThread::msleep(kQuietSampleMs);
        const auto [busy1, total1] = processorTimes();
        if (total1 > total0
            && double(busy1 - busy0) / double(total1 - total0) <= kQuietBusyFraction)
            return true;
    }
    return false;
}

BenchRun BenchDriver::runOnce(Program program, const QString &label)
{
    const bool busy = !waitForQuietMachine();
    QProcess child;
    child.setStandardErrorFile(m_settings.logPath, QIODevice::Append);
    const bool trainer = program == Program::Trainer;
    const QString executable = trainer ? m_settings.trainerProgram : m_settings.baselineProgram;
    QStringList arguments{QStringLiteral("--application-folder"), m_settings.applicationFolder};
    if (trainer)
        arguments << QStringLiteral("--mode") << QStringLiteral("trainer");
    if (program == Program::SoftwareView)
        arguments << QStringLiteral("--software");
    const std::int64_t startNs = EventReporter::nowNs();
    child.start(executable, arguments << QStringLiteral("--start-ns") << QString::number(startNs));
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
            o.insert("program", programName(program));
            o.insert("run", label);
            events.write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
        }
    }
    BenchRun run = BenchRun::read(lines, timeline, startNs);
    run.busyMachine = busy;
    if (!finished)
        run.error = QStringLiteral("%1 did not finish: %2").arg(executable, child.errorString());
    run.ok = run.ok && finished && child.exitCode() == 0;
    if (!run.ok && run.error.isEmpty())
        run.error = QStringLiteral("%1 ended with code %2 before finishing")
                        .arg(executable)
                        .arg(child.exitCode());
    QThread::msleep(kPauseBetweenRunsMs);
    return run;
}

int BenchDriver::run()
{
    QFile::remove(m_settings.logPath);
    QFile::remove(m_settings.eventsPath);
    print(QStringLiteral("Trainer:   %1\nBaselines: %2, and with --software\nPages:     "
                         "%3/HTML\n%4 cold starts of "
                         "each, in turn, after one warm-up start of each\n\n")
              .arg(m_settings.trainerProgram, m_settings.baselineProgram,
                   m_settings.applicationFolder)
              .arg(m_settings.runs));
    const auto line = [](const BenchRun &r) {
        return QStringLiteral("frame %1, page %2, turns %3 ms, %4 window(s), %5 MiB unshared")
            .arg(QString::number(r.screen.completeFrameMs, 'f', 0),
                 QString::number(r.screen.pageOnScreenMs, 'f', 0),
                 QString::number(median(r.screen.turnMs), 'f', 1),
                 QString::number(r.screen.windows), QString::number(r.privateIntroMiB, 'f', 0));
    };
    for (int i = -1; i < m_settings.runs; ++i) {
        const QString label = i < 0 ? QStringLiteral("warm-up") : QString::number(i + 1);
        // Each program goes first, second and third in turn.
        for (std::size_t k = 0; k < kPrograms; ++k) {
            const auto program = Program((std::size_t(i + 1) + k) % kPrograms);
            BenchRun run = runOnce(program, label);
            m_busyStarts += run.busyMachine;
            if (!run.ok) {
                print(QStringLiteral("%1 run failed: %2 (see %3)\n")
                          .arg(QLatin1String(programName(program)), run.error, m_settings.logPath));
                return 1;
            }
            print(QStringLiteral("%1 %2 %3\n")
                      .arg(label, -8)
                      .arg(QLatin1String(programName(program)), -14)
                      .arg(line(run)));
            if (i >= 0)
                m_runs[std::size_t(program)] << run;
        }
    }

    const QJsonObject json = benchReport(m_runs, m_busyStarts);
    QFile file(m_settings.jsonPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(json).toJson()) < 0) {
        print(QStringLiteral("\nCannot write %1\n").arg(m_settings.jsonPath));
        return 1;
    }
    print(QStringLiteral("\nWritten to %1\n").arg(m_settings.jsonPath));
    return 0;
}
