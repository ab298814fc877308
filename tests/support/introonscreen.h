#pragma once

#include "form1layout.h"

#include <QtGui>
#include <QtTest>

// For tests that start the real program on the test's X display: does it
// show the intro page of its own folder, in the web engine?
namespace intro {

constexpr char kOwn[] = "#1f8a5b", kDecoy[] = "#c0306a";

// Gives the application folder `app` an intro page that a script turns kOwn,
// and the working directory `elsewhere` a decoy one. Only the web engine
// runs the script: the plain fallback pane would leave the page white.
inline bool write(const QString &app, const QString &elsewhere)
{
    const auto page = [](const QString &folder, const char *colour) {
        QFile file(folder + "/HTML/intro.html");
        return QDir().mkpath(folder + "/HTML") && file.open(QIODevice::WriteOnly)
            && file.write(
                   QByteArray(
                       "<!DOCTYPE html><html><body><script>document.body.style.background = '")
                   + colour + "';</script></body></html>")
            > 0;
    };
    return page(app, kOwn) && page(elsewhere, kDecoy);
}

// Within 30 s most of a page pane's worth of kOwn (thousands of every
// fourth pixel) is on screen, and no decoy.
inline bool shownFromOwnFolder()
{
    const auto pixelsOf = [](const char *colour) {
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        int count = 0;
        for (int y = 0; y < screen.height(); y += 4)
            for (int x = 0; x < screen.width(); x += 4)
                count += (screen.pixel(x, y) | 0xff000000) == QColor(colour).rgb();
        return count;
    };
    const int pane = form1layout::kPagePane.width() * form1layout::kPagePane.height() / 16;
    return QTest::qWaitFor([&] { return pixelsOf(kOwn) > pane / 2; }, 30000)
        && pixelsOf(kDecoy) == 0;
}

} // namespace intro
