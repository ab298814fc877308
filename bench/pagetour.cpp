#include "pagetour.h"

#include "eventreporter.h"
#include "processmemory.h"
#include "u16.h"
#include "wordgroups.h"

#include <QCoreApplication>
#include <QJsonArray>

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
constexpr int kStepTimeoutMs = 30000;

} // namespace

PageTour::PageTour(const EventReporter &reporter, Steps steps, QObject *parent)
    : QObject(parent)
    , m_reporter(reporter)
    , m_steps(std::move(steps))
{
    m_watchdog.setSingleShot(true);
    m_watchdog.setInterval(kStepTimeoutMs);
    connect(&m_watchdog, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("no loadFinished within %1 ms at entry %2")
                 .arg(kStepTimeoutMs)
                 .arg(m_index));
    });
    m_watchdog.start();
}

void PageTour::attachView(QObject *view)
{
    // By name: the trainer's own executable does not link the web engine.
    if (!connect(view, SIGNAL(loadFinished(bool)), this, SLOT(onLoadFinished(bool))))
        fail(QStringLiteral("the page pane is not a web view"), 3);
}

void PageTour::fail(const QString &what, int code)
{
    m_reporter.report(QStringLiteral("error"), {{"what", what}});
    QCoreApplication::exit(code);
}

void PageTour::expectLoad(Stage stage)
{
    m_stage = stage;
    m_watchdog.start();
}

void PageTour::onLoadFinished(bool ok)
{
    const Stage stage = std::exchange(m_stage, Stage::Idle);
    m_watchdog.stop();
    switch (stage) {
    case Stage::Intro:
        m_reporter.report(QStringLiteral("introLoaded"), {{"ok", ok}});
        measureMemory(QStringLiteral("intro"), [this] { nextEntry(); });
        break;
    case Stage::Group:
        QTimer::singleShot(kPauseBetweenEntriesMs, this, &PageTour::selectEntry);
        break;
    case Stage::Entry:
        m_reporter.report(QStringLiteral("entry"),
                          {{"index", qint64(m_index)},
                           {"english", toQString(kEntries[m_index].english)},
                           {"atMs", m_reporter.msAt(m_selectedAtNs)},
                           {"ok", ok}});
        ++m_index;
        QTimer::singleShot(kPauseBetweenEntriesMs, this, &PageTour::nextEntry);
        break;
    case Stage::Idle:
        m_reporter.report(QStringLiteral("strayLoad"), {{"ok", ok}});
        break;
    }
}

void PageTour::nextEntry()
{
    if (m_index == kEntries.size()) {
        m_reporter.report(QStringLiteral("toured"), {{"atMs", m_reporter.sinceStart()}});
        measureMemory(QStringLiteral("entries"), [this] {
            m_reporter.report(QStringLiteral("done"));
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
    m_reporter.report(QStringLiteral("group"), {{"atMs", m_reporter.sinceStart()}});
    if (!group.pageTail.empty())
        expectLoad(Stage::Group);
    m_steps.openGroup(group);
    if (group.pageTail.empty())
        selectEntry();
}

void PageTour::selectEntry()
{
    expectLoad(Stage::Entry);
    m_selectedAtNs = EventReporter::nowNs();
    m_steps.select(kEntries[m_index]);
}

void PageTour::measureMemory(const QString &stage, std::function<void()> then)
{
    m_watchdog.stop();
    auto lowest = std::make_shared<QList<ProcessMemory::Process>>();
    auto lowestPss = std::make_shared<qint64>(std::numeric_limits<qint64>::max());
    auto samples = std::make_shared<QJsonArray>();
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [=, this] {
        const QList<ProcessMemory::Process> tree = ProcessMemory(getpid()).tree();
        qint64 pss = 0;
        for (const ProcessMemory::Process &process : tree)
            pss += process.pssKiB;
        if (pss < *lowestPss) {
            *lowestPss = pss;
            *lowest = tree;
        }
        samples->append(pss);
        if (samples->size() < kMemorySamples)
            return;
        timer->deleteLater();
        qint64 unshared = 0;
        QJsonArray processes;
        for (const ProcessMemory::Process &process : std::as_const(*lowest)) {
            unshared += process.privateKiB;
            processes.append(QJsonObject{{"pid", qint64(process.pid)},
                                         {"name", process.name},
                                         {"pssKiB", process.pssKiB},
                                         {"privateKiB", process.privateKiB}});
        }
        m_reporter.report(QStringLiteral("memory"),
                          {{"stage", stage},
                           {"pssKiB", *lowestPss},
                           {"privateKiB", unshared},
                           {"processes", processes},
                           {"samplesPssKiB", *samples}});
        then();
    });
    timer->start(kMemorySampleMs);
}
