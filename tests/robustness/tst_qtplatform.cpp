#include "localpageurl.h"
#include "qtplatform.h"

#include <QtTest>

// Programs started for real: a missing one throws; one that is there is
// started without a shell and without arguments, whatever its path holds.
// Page addresses as the panes turn them into URLs.
class tst_QtPlatform : public QObject
{
    Q_OBJECT
private slots:
    void startProgram_data();
    void startProgram();
    void pageUrl_data();
    void pageUrl();
};

void tst_QtPlatform::startProgram_data()
{
    const QByteArray recorder = "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.ran\"\n"; // its arguments, beside it
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::addColumn<bool>("starts");
    QTest::newRow("missing") << "ss.exe" << QByteArray() << false;
    // A shell would run the commands the folder's name holds.
    QTest::newRow("awkward folder, exits at once")
        << QString::fromUtf8("Übung #2 %41 a;touch injected;b $(touch injected) `touch injected`/ss.exe")
        << recorder << true;
}

void tst_QtPlatform::startProgram()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(bool, starts);
    QTemporaryDir root;
    QVERIFY(QDir::setCurrent(root.path())); // where a shell would make "injected"
    QVERIFY(QDir().mkpath(QFileInfo(name).path()));
    QFile file(name);
    if (!contents.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) && file.setPermissions(
                    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    file.close();

    bool started = true;
    try {
        QtPlatform().startProgram(QDir::cleanPath(root.filePath(name)));
    } catch (const PlatformError &) {
        started = false;
    }
    QCOMPARE(started, starts);
    QFile record(name + ".ran");
    QTRY_VERIFY(!starts || record.size() > 0);
    QVERIFY(!starts || (record.open(QIODevice::ReadOnly) && record.readAll() == "0\n"));
    QVERIFY(!QFile::exists("injected"));
}

void tst_QtPlatform::pageUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("url");
    QTest::newRow("folder at the root") << "//HTML/intro.html" << "file:///HTML/intro.html";
    QTest::newRow("awkward folder") << "/a #2 %41?/HTML//ss.exe" << "file:///a %232 %2541%3F/HTML/ss.exe";
}

void tst_QtPlatform::pageUrl()
{
    QFETCH(QString, address);
    QFETCH(QString, url);
    QCOMPARE(localPageUrl(address).toString(), url);
}

QTEST_GUILESS_MAIN(tst_QtPlatform)
#include "tst_qtplatform.moc"
