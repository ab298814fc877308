#include "qtplatform.h"
#include "trainerstart.h"

#include <QtTest>

namespace {

// A program that writes the environment it got, and its arguments, to
// "seen" beside it, whole or not at all.
void writeRecorder(const QString &path)
{
    QFile script(path);
    QVERIFY(QFileInfo(path).dir().mkpath("."));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\nseen=\"$(dirname \"$0\")/seen\"\n"
        "{ env; echo \"arguments: $*\"; } > \"$seen.part\" && mv \"$seen.part\" \"$seen\"\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}

} // namespace

// A program that is not there is not started: the platform says so, and the
// window shows its message (tst_form1). The screen saver started for real,
// from an awkward folder: tst_realprogram.
class tst_QtPlatform : public QObject
{
    Q_OBJECT
private slots:
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
        const QString program = root.filePath(browser ? "bin/xdg-open" : "HTML/ss.exe");
        writeRecorder(program);
        if (QTest::currentTestFailed())
            return;
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
            platform.startProgram(program);

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
};

QTEST_GUILESS_MAIN(tst_QtPlatform)
#include "tst_qtplatform.moc"
