#include "pagetour.h"

#include "benchoptions.h"
#include "wordgroups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QMultiHash>
#include <QTimer>

#include <cstdio>
#include <limits>
#include <memory>

#include <unistd.h>

using namespace orvani;

namespace {

// Both programs are given the same pauses: after a page has loaded, before
// the next selection, as a user would take; and while memory is read.
// The pause also lets each page settle on screen before the next pick.
constexpr int kPauseBetweenEntriesMs = 200;
// The engine frees much of what a load took at its own pace: some within a
// second or three, and the page process collects its garbage about eight
// seconds after the last activity. Memory is read every kMemorySampleMs for
// kMemorySamples, and the lowest reading counts as the settled figure.
constexpr int kMemorySampleMs = 250;
constexpr int kMemorySamples = 48;

QByteArray readProc(pid_t pid, const char *file)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A figure of an smaps_rollup text in KiB; 0 when it has none (a process
// that ended meanwhile).
qint64 rollupKiB(const QByteArray &rollup, const QByteArray &field)
{
    for (const QByteArray &line : rollup.split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// The unshared memory (pages no other process maps) of this process and all
// its descendants (the engine's helper processes), in KiB.
qint64 unsharedTreeKiB()
{
    QMultiHash<pid_t, pid_t> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool numeric = false;
        const pid_t pid = pid_t(entry.toInt(&numeric));
        // "pid (comm) state ppid ...": comm may hold spaces and parentheses.
        const QByteArray stat = numeric ? readProc(pid, "stat") : QByteArray();
        if (stat.contains(')'))
            children.insert(pid_t(stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(1).toInt()),
                            pid);
    }
    qint64 unshared = 0;
    for (QList<pid_t> queue{getpid()}; !queue.isEmpty();) {
        const pid_t pid = queue.takeFirst();
        const QByteArray rollup = readProc(pid, "smaps_rollup");
        unshared += rollupKiB(rollup, "Private_Clean") + rollupKiB(rollup, "Private_Dirty");
        queue.append(children.values(pid));
    }
    return unshared;
}

} // namespace

PageTour::PageTour(std::int64_t startNs, Steps steps, QObject *parent)
    : QObject(parent)
    , m_startNs(startNs)
    , m_steps(std::move(steps))
{ }

void PageTour::attachView(QObject *view)
{
    // By name: the trainer's own executable does not link the web engine.
    if (!connect(view, SIGNAL(loadFinished(bool)), this, SLOT(onLoadFinished(bool)))) {
        report(QStringLiteral("error"), {{"what", "the page pane is not a web view"}});
        QCoreApplication::exit(3);
    }
}

void PageTour::report(const QString &event, QJsonObject fields) const
{
    fields.insert(QStringLiteral("event"), event);
    std::puts(QJsonDocument(fields).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

void PageTour::onLoadFinished(bool ok)
{
    const Stage stage = std::exchange(m_stage, Stage::Idle);
    switch (stage) {
    case Stage::Intro:
        report(QStringLiteral("introLoaded"), {{"ok", ok}});
        measureMemory(QStringLiteral("intro"), [this] { nextEntry(); });
        break;
    case Stage::Group:
        QTimer::singleShot(kPauseBetweenEntriesMs, this, &PageTour::selectEntry);
        break;
    case Stage::Entry:
        report(QStringLiteral("entry"), {{"atMs", sinceStartMs(m_selectedAtNs)}, {"ok", ok}});
        ++m_index;
        QTimer::singleShot(kPauseBetweenEntriesMs, this, &PageTour::nextEntry);
        break;
    case Stage::Idle:
        break;
    }
}

void PageTour::nextEntry()
{
    if (m_index == kEntries.size()) {
        report(QStringLiteral("toured"), {{"atMs", sinceStartMs(steadyNowNs())}});
        measureMemory(QStringLiteral("entries"), [this] {
            report(QStringLiteral("done"));
            QCoreApplication::exit(0);
        });
        return;
    }
    const WordGroup &group = wordGroup(kEntries[m_index].group);
    if (&group == m_group) {
        selectEntry();
        return;
    }
    m_group = &group;
    report(QStringLiteral("group"), {{"atMs", sinceStartMs(steadyNowNs())}});
    if (!group.pageTail.empty())
        m_stage = Stage::Group;
    m_steps.openGroup(group);
    if (group.pageTail.empty())
        selectEntry();
}

void PageTour::selectEntry()
{
    m_stage = Stage::Entry;
    m_selectedAtNs = steadyNowNs();
    m_steps.select(kEntries[m_index]);
}

void PageTour::measureMemory(const QString &stage, std::function<void()> then)
{
    auto lowest = std::make_shared<qint64>(std::numeric_limits<qint64>::max());
    auto samples = std::make_shared<int>(0);
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [=, this] {
        *lowest = std::min(*lowest, unsharedTreeKiB());
        if (++*samples < kMemorySamples)
            return;
        timer->deleteLater();
        report(QStringLiteral("memory"), {{"stage", stage}, {"privateKiB", *lowest}});
        then();
    });
    timer->start(kMemorySampleMs);
}
