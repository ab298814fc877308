#include "benchrun.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

using Change = ScreenChange;

// Settled pixels are the last ones shown before `endNs`; they reached the
// screen with the change that first showed them after they last differed.
// nullptr when nothing was shown by then.
const Change *settled(const QList<Change> &changes, std::int64_t endNs,
                      std::uint64_t Change::*region)
{
    auto end = std::lower_bound(changes.begin(), changes.end(), endNs,
                                [](const Change &c, std::int64_t ns) { return c.ns < ns; });
    if (end == changes.begin())
        return nullptr;
    auto first = std::prev(end);
    while (first != changes.begin() && (*std::prev(first)).*region == (*first).*region)
        --first;
    return &*first;
}

} // namespace

BenchRun BenchRun::read(const QList<QByteArray> &eventLines, const ScreenTimeline &timeline,
                        std::int64_t startNs)
{
    auto ns = [startNs](double ms) { return startNs + std::int64_t(ms * 1e6); };
    auto ms = [startNs](std::int64_t at) { return double(at - startNs) / 1e6; };
    const double none = std::nan("");
    const QList<Change> &changes = timeline.changes;
    BenchRun run;
    bool done = false;
    int failedPages = 0;
    double introEndMs = 0; // the tour leaves the intro
    double pickedMs = -1;
    // A turn lasts from its pick until the tour's next step: its page's
    // settled pixels are the last shown before then.
    auto endTurn = [&](double atMs) {
        const Change *turned = pickedMs < 0 ? nullptr : settled(changes, ns(atMs), &Change::page);
        if (pickedMs >= 0)
            run.turnMs << (turned && turned->ns >= ns(pickedMs) ? ms(turned->ns) - pickedMs : none);
        pickedMs = -1;
    };
    for (const QByteArray &line : eventLines) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        const QString event = o.value("event").toString();
        const double atMs = o.value("atMs").toDouble();
        if (event == "introLoaded") {
            failedPages += !o.value("ok").toBool();
        } else if (event == "group" || event == "toured") {
            introEndMs = introEndMs ? introEndMs : atMs;
            endTurn(atMs);
        } else if (event == "entry") {
            endTurn(atMs);
            pickedMs = atMs;
            failedPages += !o.value("ok").toBool();
        } else if (event == "memory") {
            (o.value("stage").toString() == "intro" ? run.privateIntroMiB : run.privateEntriesMiB)
                = o.value("privateKiB").toDouble() / 1024;
        } else if (event == "error") {
            run.error = o.value("what").toString();
        } else if (event == "done") {
            done = true;
        }
    }

    run.windows = int(timeline.windows.size());
    run.inTaskbar = timeline.everInTaskbar;
    run.listedMs = timeline.windows.isEmpty() ? none : ms(timeline.firstListedNs);
    const std::int64_t introEnd = ns(introEndMs);
    const Change *page = settled(changes, introEnd, &Change::page);
    run.pageOnScreenMs = page ? ms(page->ns) : none;
    // The list's caret blinks: the chrome is complete once it shows any
    // image it shows in the last second before the tour moves on.
    QSet<std::uint64_t> finalChrome;
    for (qsizetype i = 0; i < changes.size() && changes[i].ns < introEnd; ++i)
        if ((i + 1 == changes.size() || changes[i + 1].ns >= introEnd - 1000000000)
            && changes[i].chrome)
            finalChrome.insert(changes[i].chrome);
    auto complete = std::find_if(changes.begin(), changes.end(), [&](const Change &change) {
        return finalChrome.contains(change.chrome);
    });
    run.completeFrameMs = complete == changes.end() ? none : ms(complete->ns);

    run.ok = done && failedPages == 0 && timeline.connected;
    if (done && !run.ok)
        run.error = timeline.connected ? QStringLiteral("%1 pages did not load").arg(failedPages)
                                       : QStringLiteral("no X display to watch");
    return run;
}
