#include "introonscreen.h"

#include <QtTest>

// Installs the build tree into a staging prefix with `cmake --install`, looks
// at what landed there, and starts the installed program with the desktop
// entry's command.
class tst_Install : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    const QString m_appId = qEnvironmentVariable("ORVANI_APP_ID");
    QString staged(const QString &path) const { return m_root.filePath("staged prefix/" + path); }

private slots:
    void initTestCase()
    {
        QCOMPARE(QProcess::execute(qEnvironmentVariable("ORVANI_CMAKE"),
                                   {"--install", qEnvironmentVariable("ORVANI_BUILD_DIR"),
                                    "--prefix", staged("")}),
                 0);
    }

    // One application folder with the content as in the sources, the screen
    // saver runnable in it.
    void laysOutFilesWhereTheyBelong()
    {
        QVERIFY(QFileInfo(staged("lib/orvani-parlevo/HTML/ss.exe")).isExecutable());
        QCOMPARE(QProcess::execute("diff",
                                   {"-r", "-x", "CMakeLists.txt", "-x", "ss.exe",
                                    qEnvironmentVariable("ORVANI_SOURCE_DIR") + "/HTML",
                                    staged("lib/orvani-parlevo/HTML")}),
                 0);
        QVERIFY(QFileInfo::exists(staged("share/icons/hicolor/scalable/apps/" + m_appId + ".svg")));
    }

    // As the desktop menu does: the entry's command, found on PATH (bin/ links
    // into the application folder), from another working directory.
    void menuCommandShowsTheInstalledIntro()
    {
        QVERIFY(intro::write(staged("lib/orvani-parlevo"), m_root.filePath("elsewhere")));
        QFile entry(staged("share/applications/" + m_appId + ".desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString command
            = QRegularExpression("^Exec=(.+)$", QRegularExpression::MultilineOption)
                  .match(QString::fromUtf8(entry.readAll()))
                  .captured(1);
        QProcess trainer;
        trainer.setWorkingDirectory(m_root.filePath("elsewhere"));
        trainer.setProcessChannelMode(QProcess::ForwardedChannels);
        trainer.start("/bin/sh", {"-c", "PATH=\"$0:$PATH\"; exec " + command, staged("bin")});
        QVERIFY(intro::shownFromOwnFolder());
        trainer.terminate();
        QVERIFY(trainer.waitForFinished(10000));
    }
};

QTEST_MAIN(tst_Install)
#include "tst_install.moc"
