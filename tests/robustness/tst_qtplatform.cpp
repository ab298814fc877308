#include "localpageurl.h"
#include "messagerecorder.h"
#include "qtplatform.h"
#include "trainerstart.h"

#include <QtTest>

// The platform as Qt offers it, and the file URL of a page address. The
// screen saver started for real, from an awkward folder: tst_realprogram.
class tst_QtPlatform : public QObject
{
    Q_OBJECT
private slots:
    // A program that is not there is not started: the platform says so, and
    // the window shows its message (tst_form1).
    void missingProgramThrows()
    {
        QTemporaryDir root;
        QtPlatform platform(QProcessEnvironment::systemEnvironment());
        QVERIFY_THROWS_EXCEPTION(PlatformError,
                                 platform.startProgram(root.filePath("HTML//ss.exe")));
    }

    void startedProgramsGetTheUsersEnvironment_data()
    {
        QTest::addColumn<bool>("browser"); // else the screen saver
        QTest::newRow("screen saver") << false;
#ifdef Q_OS_LINUX
        QTest::newRow("browser, by the desktop's opener") << true;
#endif
    }

    // The trainer sets what it needs where the user has not, keeps what the
    // user set, and the programs it starts get the environment as the user
    // left it.
    void startedProgramsGetTheUsersEnvironment()
    {
        QFETCH(bool, browser);
        QTemporaryDir root;
        // It writes the environment it got, and its arguments, to "seen"
        // beside it, whole or not at all.
        QFile program(root.filePath(browser ? "bin/xdg-open" : "HTML/ss.exe"));
        QVERIFY(QFileInfo(program).dir().mkpath(".") && program.open(QIODevice::WriteOnly));
        program.write(
            "#!/bin/sh\nseen=\"$(dirname \"$0\")/seen\"\n"
            "{ env; echo \"arguments: $*\"; } > \"$seen.part\" && mv \"$seen.part\" \"$seen\"\n");
        program.close();
        QVERIFY(program.setPermissions(program.permissions() | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(root.filePath("bin")) + ':' + path);
        qputenv("ORVANI_USERS_OWN", "kept");
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "0");
        qunsetenv("QT_XCB_GL_INTEGRATION");

        QtPlatform platform(TrainerStart::prepareProcess());
        QCOMPARE(qgetenv("QT_XCB_GL_INTEGRATION"), "none");
        QCOMPARE(qgetenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"), "0");
        if (browser)
            platform.openWebAddress("http://www.quillfen.example/");
        else
            platform.startProgram(program.fileName());

        QFile seen(QFileInfo(program).dir().filePath("seen"));
        QTRY_VERIFY_WITH_TIMEOUT(seen.exists(), 30000);
        QVERIFY(seen.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromLocal8Bit(seen.readAll()).split('\n');
        QVERIFY(lines.contains("ORVANI_USERS_OWN=kept"));
        QVERIFY(lines.contains("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY=0"));
        QVERIFY(lines.filter(QRegularExpression("^QT_XCB_GL_INTEGRATION=")).isEmpty());
        QVERIFY(
            lines.contains(browser ? "arguments: http://www.quillfen.example/" : "arguments: "));
    }

    // With nothing on the search path and no desktop or browser named, no
    // browser can be started: a warning under orvani.platform names the
    // address, and nothing is thrown. (Run on a display: Qt looks for a
    // browser only on a real window system.)
    void noBrowserIsAWarning()
    {
        QTemporaryDir nothing;
        qputenv("PATH", QFile::encodeName(nothing.path()));
        for (const char *variable :
             {"BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
              "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
            qunsetenv(variable);
        MessageRecorder log;
        QtPlatform(QProcessEnvironment::systemEnvironment())
            .openWebAddress("http://www.quillfen.example/");
        QVERIFY2(log.warnings().contains("orvani.platform: no web browser could be started for "
                                         "http://www.quillfen.example/"),
                 qPrintable(log.warnings()));
    }

    void pageUrl_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url"); // fully encoded; none: refused
        const auto row = [](const char *name, const char *address, const char *url) {
            QTest::newRow(name) << QString::fromUtf8(address) << url;
        };
        row("space", "/home/a b/HTML/intro.html", "file:///home/a%20b/HTML/intro.html");
        row("hash", "/srv/no #2/HTML/intro.html", "file:///srv/no%20%232/HTML/intro.html");
        row("percent", "/srv/%41/HTML/intro.html", "file:///srv/%2541/HTML/intro.html");
        row("question mark", "/srv/why?/HTML/intro.html", "file:///srv/why%3F/HTML/intro.html");
        row("folder at the root", "//HTML/intro.html", "file:///HTML/intro.html");
        row("doubled inside", "/opt/trainer//HTML//intro.html",
            "file:///opt/trainer/HTML/intro.html");
        row("umlauts", "/home/jörg/Übungen/HTML/intro.html",
            "file:///home/j%C3%B6rg/%C3%9Cbungen/HTML/intro.html");
        row("relative", "HTML/intro.html", ""); // could name a page of any folder
    }

    void pageUrl()
    {
        QFETCH(QString, address);
        QFETCH(QString, url);
        if (url.isEmpty())
            QVERIFY_THROWS_EXCEPTION(PlatformError, localPageUrl(address));
        else
            QCOMPARE(localPageUrl(address).toString(QUrl::FullyEncoded), url);
    }
};

QTEST_MAIN(tst_QtPlatform)
#include "tst_qtplatform.moc"
