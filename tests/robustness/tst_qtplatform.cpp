#include "qtplatform.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstring>

// The platform as Qt offers it, for real: programs started from awkward
// places, and the application folder of an executable reached through
// links.
class tst_QtPlatform : public QObject
{
    Q_OBJECT
private slots:
    void startProgram_data();
    void startProgram();
    void applicationFolderIsTheExecutables_data();
    void applicationFolderIsTheExecutables();
};

namespace {

constexpr char kFolderArgument[] = "--print-application-folder";

const auto kReadWrite = QFile::ReadOwner | QFile::WriteOwner;
const auto kRunnable = kReadWrite | QFile::ExeOwner;

// Records the arguments it was given beside itself.
const QByteArray kRecorder = "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$0.ran\"\n";

} // namespace

void tst_QtPlatform::startProgram_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("permissions");
    QTest::addColumn<bool>("starts");
    QTest::newRow("missing") << "ss.exe" << QByteArray() << 0 << false;
    QTest::newRow("without run bit") << "ss.exe" << kRecorder << int(kReadWrite) << false;
    QTest::newRow("a folder") << "ss.exe/" << QByteArray() << 0 << false;
    QTest::newRow("script without #!") << "ss.exe" << QByteArray("exit 0\n") << int(kRunnable) << false;
    QTest::newRow("exits at once") << "ss.exe" << kRecorder << int(kRunnable) << true;
    QTest::newRow("spaces, #, % and non-ASCII")
        << QString::fromUtf8("Übungen #2 %41 für alle/ss.exe") << kRecorder << int(kRunnable) << true;
    // A shell would run the commands these names hold.
    QTest::newRow("shell characters")
        << "a;touch injected;b $(touch injected) `touch injected`/ss.exe" << kRecorder << int(kRunnable) << true;
}

// A program that cannot be started throws; one that can is started without
// a shell and without arguments.
void tst_QtPlatform::startProgram()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(int, permissions);
    QFETCH(bool, starts);

    QTemporaryDir root;
    const QString path = QDir::cleanPath(root.filePath(name));
    QVERIFY(QDir().mkpath(name.endsWith('/') ? path : QFileInfo(path).path()));
    if (!contents.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        QVERIFY(file.setPermissions(QFile::Permissions(permissions)));
    }
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.path());

    QtPlatform platform;
    bool started = true;
    try {
        platform.startProgram(path);
    } catch (const PlatformError &) {
        started = false;
    }
    QCOMPARE(started, starts);
    if (starts) {
        QFile record(path + ".ran");
        QTRY_VERIFY(record.size() > 0);
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(record.readAll(), QByteArray("0\n"));
    }
    QDir::setCurrent(previous);
    QVERIFY(!QFile::exists(root.filePath("injected")));
}

void tst_QtPlatform::applicationFolderIsTheExecutables_data()
{
    QTest::addColumn<QString>("folder");  // where the executable is copied
    QTest::addColumn<QString>("started"); // what is started
    QTest::newRow("plain") << "app" << "app/program";
    QTest::newRow("awkward folder") << QString::fromUtf8("a #2 %41 Übung?") << QString::fromUtf8("a #2 %41 Übung?/program");
    QTest::newRow("link to the executable") << "app" << "bin/program";
    QTest::newRow("link to its folder") << "app" << "linked/program";
}

void tst_QtPlatform::applicationFolderIsTheExecutables()
{
    QFETCH(QString, folder);
    QFETCH(QString, started);

    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(folder));
    const QString program = root.filePath(folder + "/program");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    QVERIFY(QDir(root.path()).mkdir("bin"));
    QVERIFY(QFile::link(program, root.filePath("bin/program")));
    QVERIFY(QFile::link(root.filePath(folder), root.filePath("linked")));

    QProcess process;
    process.setWorkingDirectory(root.filePath("bin"));
    process.start(root.filePath(started), {kFolderArgument});
    QVERIFY(process.waitForFinished());
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             QFileInfo(root.filePath(folder)).canonicalFilePath());
}

// Started with kFolderArgument, the program prints its application folder.
int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], kFolderArgument) == 0) {
        std::fputs(QtPlatform().applicationFolder().toUtf8().constData(), stdout);
        return 0;
    }
    QCoreApplication application(argc, argv);
    tst_QtPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtplatform.moc"
