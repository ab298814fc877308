#include "trainerdriver.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The real program, copied into a temporary folder, in surroundings that
// fail it, and in a fresh home that it must leave as it found it.
class tst_RealProgram : public QObject
{
    Q_OBJECT
private slots:
    void survivesBrokenSurroundings_data();
    void survivesBrokenSurroundings();
    void writesNoFile();
};

namespace {

const QString kMessageBox = QStringLiteral("^Orvani Parlevo$");

bool writeFile(const QString &path, const QByteArray &contents, QFile::Permissions permissions)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size()
        && file.setPermissions(permissions);
}

const auto kReadWrite = QFile::ReadOwner | QFile::WriteOwner;
const auto kRunnable = kReadWrite | QFile::ExeOwner;

// Every file and folder under `folders`, hidden ones included.
QStringList everythingUnder(const QStringList &folders)
{
    QStringList found;
    for (const QString &folder : folders) {
        QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
    }
    found.sort();
    return found;
}

// The id of a process running `program`, or 0.
qint64 processRunning(const QString &program)
{
    const QString wanted = QFileInfo(program).canonicalFilePath();
    const auto ids = QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs);
    for (const QString &id : ids)
        if (QFile::symLinkTarget("/proc/" + id + "/exe") == wanted)
            return id.toLongLong();
    return 0;
}

} // namespace

void tst_RealProgram::survivesBrokenSurroundings_data()
{
    QTest::addColumn<QString>("breakage");
    QTest::addColumn<bool>("reports");
    QTest::newRow("no HTML folder") << "no HTML" << true;
    QTest::newRow("screen saver missing") << "missing" << true;
    QTest::newRow("screen saver without run bit") << "no run bit" << true;
    QTest::newRow("screen saver is a folder") << "folder" << true;
    QTest::newRow("screen saver script without #!") << "no #!" << true;
    QTest::newRow("pages missing, screen saver exits at once") << "exits at once" << false;
}

// The window comes up with its menu whatever is missing; commands and
// entries that find no page do no harm; Screen Saver either starts the
// program or reports, and the trainer runs on until Exit.
void tst_RealProgram::survivesBrokenSurroundings()
{
    QFETCH(QString, breakage);
    QFETCH(bool, reports);

    QTemporaryDir root;
    const QString app = root.filePath("app");
    QVERIFY(TrainerDriver::copyApplication(app));
    const QString html = app + "/HTML";
    const QString screenSaver = html + "/ss.exe";
    const QString marker = html + "/started";
    if (breakage == "no HTML") {
        QVERIFY(QDir(html).removeRecursively());
    } else {
        QVERIFY(QFile::remove(screenSaver));
        if (breakage == "no run bit")
            QVERIFY(writeFile(screenSaver, "#!/bin/sh\nexit 0\n", kReadWrite));
        else if (breakage == "folder")
            QVERIFY(QDir().mkdir(screenSaver));
        else if (breakage == "no #!")
            QVERIFY(writeFile(screenSaver, "exit 0\n", kRunnable));
        else if (breakage == "exits at once") {
            QVERIFY(writeFile(screenSaver, "#!/bin/sh\ntouch \"${0%/*}/started\"\n", kRunnable));
            for (const char *page : {"intro.html", "bear.html", "beaver.html"})
                QVERIFY(QFile::remove(html + '/' + page));
        }
    }

    TrainerDriver trainer;
    QVERIFY(trainer.start(app + "/orvani-parlevo", QProcessEnvironment::systemEnvironment(),
                          root.path()));
    QVERIFY(trainer.choose("mnuIntro"));
    QVERIFY(trainer.choose("mnuAnimals"));
    trainer.pickEntries(3);
    QVERIFY(trainer.isRunning());

    QVERIFY(trainer.choose("mnuStory"));
    const qulonglong box = TrainerDriver::waitForWindow(kMessageBox, reports ? 15000 : 1500);
    QCOMPARE(box != 0, reports);
    if (reports) {
        TrainerDriver::closeWindow(box);
        QCOMPARE(TrainerDriver::waitForWindow(kMessageBox, 300), 0u);
    } else {
        QTRY_VERIFY(QFile::exists(marker));
    }
    QVERIFY(trainer.isRunning());
    QVERIFY(trainer.quit());
}

// A tour of every kind of command with a fresh, empty home and fresh
// folders for everything a desktop program may write to.
void tst_RealProgram::writesNoFile()
{
    QTemporaryDir root;
    const QString app = root.filePath("app");
    QVERIFY(TrainerDriver::copyApplication(app));

    QProcessEnvironment environment;
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    for (const char *kept : {"DISPLAY", "XAUTHORITY", "PATH", "LANG", "QTWEBENGINE_DISABLE_SANDBOX"})
        if (system.contains(kept))
            environment.insert(kept, system.value(kept));
    const QString workingDirectory = root.filePath("cwd");
    QVERIFY(QDir().mkdir(workingDirectory));
    QStringList watched{app, workingDirectory};
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                                 "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        const QString folder = root.filePath(QString::fromLatin1(variable).toLower());
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(folder, kRunnable)); // 0700
        environment.insert(variable, folder);
        watched << folder;
    }
    const QStringList before = everythingUnder(watched);

    TrainerDriver trainer;
    QVERIFY(trainer.start(app + "/orvani-parlevo", environment, workingDirectory));
    for (const char *item : {"mnuIntro", "mnuAnimals", "mnuPhrases", "mnuBody", "mnuNumbers"}) {
        QVERIFY(trainer.choose(item));
        trainer.pickEntries(2);
    }
    for (const char *item : {"mnuSyntax", "mnuEnglish_dict", "mnuOrva_dict"})
        QVERIFY(trainer.choose(item));

    QVERIFY(trainer.choose("mnuAbout"));
    const qulonglong about = TrainerDriver::waitForWindow("^About\\.\\.\\.$", 10000);
    QVERIFY(about);
    TrainerDriver::closeWindow(about);
    QCOMPARE(TrainerDriver::waitForWindow("^About\\.\\.\\.$", 300), 0u);

    // The screen saver runs a while; without a window manager its full
    // screen window stays unmapped, so it is ended by a signal.
    QVERIFY(trainer.choose("mnuStory"));
    const QString screenSaver = app + "/HTML/ss.exe";
    QTRY_VERIFY(processRunning(screenSaver) > 0);
    QTest::qWait(1000);
    ::kill(pid_t(processRunning(screenSaver)), SIGTERM);
    QTRY_COMPARE(processRunning(screenSaver), 0);

    QVERIFY(trainer.isRunning());
    QVERIFY(trainer.quit());
    QTest::qWait(1000); // helper processes end after the program
    QStringList created = everythingUnder(watched);
    for (const QString &path : before)
        created.removeOne(path);
    QVERIFY2(created.isEmpty(), qPrintable("written: " + created.join(", ")));
}

QTEST_MAIN(tst_RealProgram)
#include "tst_realprogram.moc"
