#include "screentimeline.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

using Change = ScreenWatcher::Change;

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

ScreenFigures readScreen(const ScreenWatcher::Timeline &timeline, std::int64_t startNs,
                         const TourMoments &moments)
{
    auto ns = [startNs](double ms) { return startNs + std::int64_t(ms * 1e6); };
    auto ms = [startNs](std::int64_t at) { return double(at - startNs) / 1e6; };
    const double none = std::nan("");

    ScreenFigures figures;
    figures.windows = int(timeline.windows.size());
    figures.inTaskbar = timeline.everInTaskbar;
    figures.listedMs = timeline.windows.isEmpty() ? none : ms(timeline.firstListedNs);

    const std::int64_t introEnd = ns(moments.introEndMs);
    const Change *page = settled(timeline.changes, introEnd, &Change::page);
    figures.pageOnScreenMs = page ? ms(page->ns) : none;
    // The list's caret blinks: the chrome is complete once it shows any
    // image it shows in the last second before the tour moves on.
    QSet<std::uint64_t> finalChrome;
    const QList<Change> &changes = timeline.changes;
    for (qsizetype i = 0; i < changes.size() && changes[i].ns < introEnd; ++i) {
        const bool shownInLastSecond
            = i + 1 == changes.size() || changes[i + 1].ns >= introEnd - 1000000000;
        if (shownInLastSecond && changes[i].chrome)
            finalChrome.insert(changes[i].chrome);
    }
    for (qsizetype i = 0; i < changes.size() && changes[i].ns < introEnd; ++i)
        if (i == 0 || changes[i].chrome != changes[i - 1].chrome)
            figures.chromeChangesMs << ms(changes[i].ns);
    auto complete = std::find_if(changes.begin(), changes.end(), [&](const Change &change) {
        return finalChrome.contains(change.chrome);
    });
    figures.completeFrameMs = complete == changes.end() ? none : ms(complete->ns);
    for (const auto &[pickedMs, leftMs] : moments.turns) {
        const Change *turned = settled(timeline.changes, ns(leftMs), &Change::page);
        figures.turnMs << (turned && turned->ns >= ns(pickedMs) ? ms(turned->ns) - pickedMs : none);
    }
    return figures;
}
