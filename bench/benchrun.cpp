#include "benchrun.h"

#include <QJsonDocument>
#include <QJsonObject>

BenchRun BenchRun::read(const QList<QByteArray> &eventLines,
                        const ScreenWatcher::Timeline &timeline, std::int64_t startNs)
{
    BenchRun run;
    TourMoments moments;
    bool done = false;
    double lastPickMs = -1;
    // A turn lasts from its pick until the tour's next step.
    auto endTurn = [&](double atMs) {
        if (lastPickMs >= 0)
            moments.turns.append({lastPickMs, atMs});
        lastPickMs = -1;
    };
    for (const QByteArray &line : eventLines) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        const QString event = o.value("event").toString();
        const double atMs = o.value("atMs").toDouble();
        if (event == "introLoaded") {
            run.failedPages += !o.value("ok").toBool();
        } else if (event == "group" || event == "toured") {
            if (moments.introEndMs == 0)
                moments.introEndMs = atMs;
            endTurn(atMs);
        } else if (event == "entry") {
            endTurn(atMs);
            lastPickMs = atMs;
            run.failedPages += !o.value("ok").toBool();
        } else if (event == "memory") {
            const bool intro = o.value("stage").toString() == "intro";
            (intro ? run.pssIntroMiB : run.pssEntriesMiB) = o.value("pssKiB").toDouble() / 1024;
            (intro ? run.privateIntroMiB : run.privateEntriesMiB)
                = o.value("privateKiB").toDouble() / 1024;
        } else if (event == "error") {
            run.error = o.value("what").toString();
        } else if (event == "done") {
            done = true;
        }
    }
    run.screen = readScreen(timeline, startNs, moments);
    run.ok = done && run.failedPages == 0 && timeline.connected;
    if (!timeline.connected)
        run.error = QStringLiteral("no X display to watch");
    else if (done && run.failedPages)
        run.error = QStringLiteral("%1 pages did not load").arg(run.failedPages);
    return run;
}
