#include "benchdriver.h"

#include "benchoptions.h"
#include "benchrun.h"
#include "form1layout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <thread>

namespace {

using Runs = QList<BenchRun>;

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
const WatchRegions kTrainerRegions{kClientArea.height(),
                                   QRect(0, kPagePane.bottom() + 1, kClientArea.width(),
                                         kClientArea.height() - kPagePane.bottom() - 1),
                                   kPageRegion.translated(kPagePane.topLeft())};
const WatchRegions kBaselineRegions{kPagePane.height(), QRect(), kPageRegion};
// A start waits until the processors have been at most this busy over one
// sample, for at most kQuietWaitMs; other programs running meanwhile (a
// build, other tests) would otherwise decide the figures.
constexpr double kQuietBusyFraction = 0.15;
constexpr int kQuietSampleMs = 300;
constexpr int kQuietWaitMs = 45000;

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    std::fflush(stdout);
}

QString number(double value, int decimals = 1)
{
    return std::isnan(value) ? QStringLiteral("-") : QString::number(value, 'f', decimals);
}

// The share of the processors' time that other programs kept them busy
// over one sample.
double busyFraction()
{
    auto times = [] { // total and idle (idle, iowait) jiffies since boot
        QFile stat(QStringLiteral("/proc/stat"));
        QList<QByteArray> fields{"cpu"};
        if (stat.open(QIODevice::ReadOnly))
            fields = stat.readLine().simplified().split(' ');
        qint64 total = 0;
        for (qsizetype i = 1; i < fields.size(); ++i)
            total += fields[i].toLongLong();
        return std::pair(total, fields.value(4).toLongLong() + fields.value(5).toLongLong());
    };
    const auto [total0, idle0] = times();
    QThread::msleep(kQuietSampleMs);
    const auto [total1, idle1] = times();
    return total1 > total0 ? 1 - double(idle1 - idle0) / double(total1 - total0) : 1;
}

// The value below which `fraction` of the samples lie, by nearest rank, and
// for 0.5 the median: the mean of the two middle values for an even count.
// NaN samples stand for failed measurements and are left out; NaN for none.
double statistic(QList<double> samples, double fraction)
{
    samples.removeIf([](double value) { return std::isnan(value); });
    std::sort(samples.begin(), samples.end());
    const qsizetype n = samples.size();
    if (n == 0)
        return std::nan("");
    if (fraction == 0.5)
        return (samples[(n - 1) / 2] + samples[n / 2]) / 2;
    return samples[std::clamp<qsizetype>(qsizetype(std::ceil(fraction * double(n))) - 1, 0, n - 1)];
}

QString logPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/bench-children.log");
}

BenchRun runOnce(const QString &applicationFolder, Program program)
{
    QElapsedTimer waited;
    waited.start();
    while (busyFraction() > kQuietBusyFraction && waited.elapsed() < kQuietWaitMs) { }
    const bool busy = waited.elapsed() >= kQuietWaitMs;
    QProcess child;
    child.setStandardErrorFile(logPath(), QIODevice::Append);
    const bool trainer = program == Program::Trainer;
    const QString executable = trainer
        ? QCoreApplication::applicationFilePath()
        : QCoreApplication::applicationDirPath() + QStringLiteral("/orvani-bench-baseline");
    QStringList arguments{QStringLiteral("--application-folder"), applicationFolder};
    if (trainer)
        arguments << QStringLiteral("--mode") << QStringLiteral("trainer");
    if (program == Program::SoftwareView)
        arguments << QStringLiteral("--software");
    const std::int64_t startNs = steadyNowNs();
    child.start(executable, arguments << QStringLiteral("--start-ns") << QString::number(startNs));
    child.waitForStarted();
    std::atomic<bool> stop{false};
    ScreenTimeline timeline;
    std::thread watcher([&, pid = child.processId()] {
        timeline = watchScreen(pid, trainer ? kTrainerRegions : kBaselineRegions, stop);
    });
    const bool finished = child.waitForFinished(kChildTimeoutMs);
    child.kill();
    child.waitForFinished();
    stop = true;
    watcher.join();
    BenchRun run = BenchRun::read(child.readAllStandardOutput().split('\n'), timeline, startNs);
    run.busyMachine = busy;
    run.ok = run.ok && finished && child.exitCode() == 0;
    if (!run.ok && run.error.isEmpty())
        run.error = QStringLiteral("%1: exit code %2, or not done in time")
                        .arg(executable, QString::number(child.exitCode()));
    QThread::msleep(kPauseBetweenRunsMs);
    return run;
}

// A figure of a program over all its starts: a statistic of one value per
// start, or of every page turn of every start.
using Figure = std::function<double(const Runs &)>;
Figure ofStarts(std::function<double(const BenchRun &)> value, double fraction = 0.5)
{
    return [=](const Runs &runs) {
        QList<double> values;
        for (const BenchRun &run : runs)
            values << value(run);
        return statistic(values, fraction);
    };
}
Figure ofTurns(double fraction)
{
    return [fraction](const Runs &runs) {
        QList<double> pooled;
        for (const BenchRun &run : runs)
            pooled << run.turnMs;
        return statistic(pooled, fraction);
    };
}

struct TableRow {
    const char *name;
    Figure figure;
};
const TableRow kRows[] = {
    {"window listed (ms)", ofStarts(&BenchRun::listedMs)},
    {"complete first frame (ms)", ofStarts(&BenchRun::completeFrameMs)},
    {"intro on screen (ms)", ofStarts(&BenchRun::pageOnScreenMs)},
    {"turn on screen, median (ms)", ofTurns(0.5)},
    {"turn on screen, p95 (ms)", ofTurns(0.95)},
    {"windows per start (most)", ofStarts(&BenchRun::windows, 1.0)},
    {"unshared at intro (MiB)", ofStarts(&BenchRun::privateIntroMiB)},
    {"unshared after 55 (MiB)", ofStarts(&BenchRun::privateEntriesMiB)},
};
// The places of the rows in kRows, for the goals.
enum RowIndex { Listed, Frame, Intro, Turn, P95, Windows, Mem, Mem55 };

// Prints the medians, the ratios and the goals.
void report(const std::array<Runs, kPrograms> &runs, int busyStarts)
{
    const Runs &trainer = runs[std::size_t(Program::Trainer)];
    print(QString::asprintf("\nMedians of %d cold starts each, read from the screen and /proc\n\n"
                            "%-28s  trainer     bare  software  /bare /softw.\n",
                            int(trainer.size()), ""));
    std::array<std::array<double, std::size(kRows)>, kPrograms> m;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        for (std::size_t p = 0; p < kPrograms; ++p)
            m[p][i] = kRows[i].figure(runs[p]);
        const auto [t, b, s] = std::tuple(m[0][i], m[1][i], m[2][i]);
        print(QString::asprintf("%-28s %8s %8s %9s %6s %7s\n", kRows[i].name, qPrintable(number(t)),
                                qPrintable(number(b)), qPrintable(number(s)),
                                qPrintable(number(t / b, 2)), qPrintable(number(t / s, 2))));
    }
    const auto &[t, b, s] = m;
    int extraWindows = 0;
    int inTaskbar = 0;
    for (const BenchRun &run : trainer) {
        extraWindows += run.windows != 1;
        inTaskbar += run.inTaskbar;
    }
    const std::tuple<const char *, double, double> goals[] = {
        {"starts with more than one window", extraWindows, 0},
        {"starts with a task-bar button", inTaskbar, 0},
        {"complete first frame / bare view's intro", t[Frame] / b[Intro], 0.25},
        {"intro on screen / bare view", t[Intro] / b[Intro], 0.9},
        {"intro on screen / software view", t[Intro] / s[Intro], 1.05},
        {"turn median / bare view", t[Turn] / b[Turn], 0.95},
        {"turn p95 / bare view", t[P95] / b[P95], 1.0},
        {"unshared at intro / bare view", t[Mem] / b[Mem], 0.85},
        {"unshared after 55 / bare view", t[Mem55] / b[Mem55], 0.85},
    };
    if (busyStarts)
        print(QString::asprintf("\n%d starts found the machine busy: figures may be off.\n",
                                busyStarts));
    print(QStringLiteral("\nGoals\n"));
    for (const auto &[name, value, limit] : goals) {
        const bool met = value <= limit && !std::isnan(value);
        print(QString::asprintf("  %-42s %8s  (goal <= %.2f)  %s\n", name,
                                qPrintable(number(value, 3)), limit, met ? "met" : "MISSED"));
    }
}

} // namespace

int runBench(const BenchOptions &options)
{
    const QString folder = options.applicationFolder.isEmpty()
        ? QStringLiteral(ORVANI_APP_DIR)
        : QFileInfo(options.applicationFolder).absoluteFilePath();
    QFile::remove(logPath());
    print(QStringLiteral("Pages: %1/HTML\n%2 cold starts of each program, in turn, after one "
                         "warm-up start of each\n\n")
              .arg(folder)
              .arg(options.runs));
    std::array<Runs, kPrograms> runs;
    int busyStarts = 0;
    for (int i = -1; i < options.runs; ++i) {
        const QString label = i < 0 ? QStringLiteral("warm-up") : QString::number(i + 1);
        // Each program goes first, second and third in turn.
        for (std::size_t k = 0; k < kPrograms; ++k) {
            const auto program = Program((std::size_t(i + 1) + k) % kPrograms);
            const BenchRun run = runOnce(folder, program);
            busyStarts += run.busyMachine;
            if (!run.ok) {
                print(QStringLiteral("%1 run failed: %2 (see %3)\n")
                          .arg(QLatin1String(programName(program)), run.error, logPath()));
                return 1;
            }
            print(QString::asprintf(
                "%-8s %-14s frame %.0f, intro %.0f, turns %.1f ms, %d window(s), "
                "%.0f MiB\n",
                qPrintable(label), programName(program), run.completeFrameMs, run.pageOnScreenMs,
                statistic(run.turnMs, 0.5), run.windows, run.privateIntroMiB));
            if (i >= 0)
                runs[std::size_t(program)] << run;
        }
    }
    report(runs, busyStarts);
    return 0;
}
