#include "classicfonts.h"
#include "fakeplatform.h"
#include "form1.h"
#include "introonscreen.h"
#include "recordingpane.h"

#include <QtTest>
#include <QtWidgets>

#include <xcb/xcb.h>

#include <csignal>

namespace {

// Runs a command; its standard output.
QString run(const QStringList &command)
{
    QProcess process;
    process.start(command.first(), command.mid(1));
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Asks the first visible window whose title matches `pattern`, once there
// is one, to close as its title bar's close button does; whether there was one.
bool closeWindow(const QString &pattern)
{
    xcb_window_t window = 0;
    const auto found = [&] {
        window = run({"xdotool", "search", "--onlyvisible", "--name", pattern})
                     .section('\n', 0, 0)
                     .toUInt();
        return window != 0;
    };
    if (!QTest::qWaitFor(found, 10000))
        return false;
    xcb_connection_t *connection
        = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto atom = [connection](const char *name) {
        const QScopedPointer<xcb_intern_atom_reply_t, QScopedPointerPodDeleter> reply(
            xcb_intern_atom_reply(connection,
                                  xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name),
                                  nullptr));
        return reply->atom;
    };
    xcb_client_message_event_t event = {.response_type = XCB_CLIENT_MESSAGE,
                                        .format = 32,
                                        .sequence = 0,
                                        .window = window,
                                        .type = atom("WM_PROTOCOLS"),
                                        .data = {.data32 = {atom("WM_DELETE_WINDOW")}}};
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
    return true;
}

// The id of a process whose folder under /proc `matches`, or 0.
qint64 processWhere(const std::function<bool(const QString &)> &matches)
{
    for (const QString &id : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs))
        if (matches("/proc/" + id))
            return id.toLongLong();
    return 0;
}

QSet<QString> everythingUnder(const QString &folder)
{
    const QStringList found = run({"find", folder}).split('\n');
    return {found.begin(), found.end()};
}

// The program's windows on screen, its open menus among them.
int visibleWindowsOf(const QProcess &program)
{
    const QString found = run(
        {"xdotool", "search", "--onlyvisible", "--pid", QString::number(program.processId())});
    return found.isEmpty() ? 0 : int(found.count('\n')) + 1;
}

// Whether the window asks the desktop for no task-bar button.
bool keptOutOfTaskbar(const QString &window)
{
    return run({"xprop", "-id", window, "_NET_WM_STATE"}).contains("_NET_WM_STATE_SKIP_TASKBAR");
}

// Clicks a menu item or control, by object name, in the main window of
// `program`; false for a name it lacks. The places are read from a Form1
// made for a moment off screen: same code, same fonts, same display.
bool choose(const QProcess &program, const QString &name)
{
    static const auto places = [] {
        registerClassicFonts(); // as the program does before making its window
        FakePlatform platform;
        Form1 model(platform, new RecordingPane);
        model.setAttribute(Qt::WA_DontShowOnScreen);
        model.show();
        QHash<QString, std::pair<QPoint, int>> places; // where to click, then Down keys in the menu
        const auto *list = model.findChild<QWidget *>("CmbEnglish");
        places["CmbEnglish"] = {list->mapTo(&model, QPoint(10, list->height() / 2)), 0};
        QMenuBar *bar = model.menuBar();
        for (QAction *item : model.findChildren<QAction *>()) {
            auto *menu = qobject_cast<QMenu *>(item->parent());
            places[item->objectName()] = {
                bar->mapTo(&model, bar->actionGeometry(menu ? menu->menuAction() : item).center()),
                menu ? int(menu->actions().indexOf(item)) + 1 : 0};
        }
        return places;
    }();
    if (!places.contains(name))
        return false;
    const auto [place, downKeys] = places.value(name);
    const int windows = visibleWindowsOf(program);
    run({"xdotool", "search", "--onlyvisible", "--name", "^Orvani Parlevo v5\\.0$", "mousemove",
         "--window", "%1", QString::number(place.x()), QString::number(place.y())});
    run({"xdotool", "click", "1"});
    if (downKeys == 0)
        return true;
    // The keys go to the menu once it is open, and the next click only once
    // it has closed.
    if (!QTest::qWaitFor([&] { return visibleWindowsOf(program) > windows; }, 10000))
        return false;
    run(QStringList{"xdotool", "key", "--delay", "50"} + QStringList(downKeys, "Down")
        + QStringList{"Return"});
    return QTest::qWaitFor([&] { return visibleWindowsOf(program) == windows; }, 10000);
}

} // namespace

// The program installed into an awkward folder, and used through xdotool as
// a user would.
class tst_RealProgram : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    const QString m_prefix
        = m_root.filePath(QString::fromUtf8("a folder #2 %41/Übungen für Anfänger?"));
    const QString m_appId = qEnvironmentVariable("ORVANI_APP_ID");

private slots:
    void initTestCase()
    {
        QCOMPARE(QProcess::execute(
                     qEnvironmentVariable("ORVANI_CMAKE"),
                     {"--install", qEnvironmentVariable("ORVANI_BUILD_DIR"), "--prefix", m_prefix}),
                 0);
    }

    // One application folder with the content as in the sources, the screen
    // saver runnable in it; the desktop entry and the icon where the desktop
    // looks for them.
    void laysOutFilesWhereTheyBelong()
    {
        QVERIFY(QFileInfo(m_prefix + "/lib/orvani-parlevo/HTML/ss.exe").isExecutable());
        QCOMPARE(QProcess::execute("diff",
                                   {"-r", "-x", "CMakeLists.txt", "-x", "ss.exe",
                                    qEnvironmentVariable("ORVANI_SOURCE_DIR") + "/HTML",
                                    m_prefix + "/lib/orvani-parlevo/HTML"}),
                 0);
        QVERIFY(
            QFileInfo::exists(m_prefix + "/share/icons/hicolor/scalable/apps/" + m_appId + ".svg"));
        QVERIFY(QFileInfo::exists(m_prefix + "/share/applications/" + m_appId + ".desktop"));
    }

    void tourFromAFreshHome();
};

// Started as the desktop menu starts it, by the entry's command found on
// PATH (bin/ links into the application folder), in a fresh, empty home that
// holds a decoy intro page, with fresh folders for everything a desktop
// program may write to, and where OpenGL cannot be had (as in a virtual
// machine, over a remote desktop, with a broken driver: here no driver can be
// loaded), the program shows the intro page of its own folder.
// Used through every kind of command, it ends cleanly, tells of no fault and
// has written no file.
void tst_RealProgram::tourFromAFreshHome()
{
    const QString app = m_prefix + "/lib/orvani-parlevo";
    QVERIFY(intro::write(app, m_root.filePath("HOME")));
    QFile entry(m_prefix + "/share/applications/" + m_appId + ".desktop");
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString command = QRegularExpression("^Exec=(.+)$", QRegularExpression::MultilineOption)
                                .match(QString::fromUtf8(entry.readAll()))
                                .captured(1);

    QProcessEnvironment environment;
    for (const char *kept : {"DISPLAY", "XAUTHORITY", "LANG", "QTWEBENGINE_DISABLE_SANDBOX"})
        if (qEnvironmentVariableIsSet(kept))
            environment.insert(kept, qEnvironmentVariable(kept));
    environment.insert("PATH", m_prefix + "/bin:" + qEnvironmentVariable("PATH"));
    environment.insert("LIBGL_DRIVERS_PATH", m_root.filePath("no-drivers"));
    environment.insert("__EGL_VENDOR_LIBRARY_FILENAMES", m_root.filePath("no-drivers/none.json"));
    for (const char *variable : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
                                 "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"}) {
        QVERIFY(QDir(m_root.path()).mkpath(variable) // 0700
                && QFile::setPermissions(m_root.filePath(variable),
                                         QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        environment.insert(variable, m_root.filePath(variable));
    }
    // A desktop always has a session bus; without one, Qt would start one
    // whose files are no doing of the program's.
    QProcess bus;
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    QVERIFY(bus.waitForReadyRead(10000));
    const auto endBus = qScopeGuard([&bus] {
        bus.terminate();
        bus.waitForFinished(5000);
    });
    environment.insert("DBUS_SESSION_BUS_ADDRESS", QString::fromUtf8(bus.readLine()).trimmed());
    const QSet<QString> before = everythingUnder(m_root.path());

    QProcess trainer;
    trainer.setProcessEnvironment(environment);
    trainer.setWorkingDirectory(m_root.filePath("HOME"));
    trainer.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    trainer.start("/bin/sh", {"-c", "exec " + command});
    QVERIFY(intro::shownFromOwnFolder());
    // One window, the page's engine composing in it, with no task-bar button.
    const QStringList ownWindow{"xdotool", "search", "--onlyvisible", "--pid",
                                QString::number(trainer.processId())};
    const QString window = run(ownWindow);
    QVERIFY2(!window.contains('\n') && keptOutOfTaskbar(window), qPrintable(window));
    for (const char *group : {"mnuIntro", "mnuAnimals", "mnuPhrases", "mnuBody", "mnuNumbers"}) {
        QVERIFY(choose(trainer, group));
        QVERIFY(choose(trainer, "CmbEnglish"));
        run({"xdotool", "key", "--delay", "100", "Down", "Down"}); // the next two entries
    }
    for (const char *item : {"mnuSyntax", "mnuEnglish_dict", "mnuOrva_dict", "mnuAbout"})
        QVERIFY(choose(trainer, item));
    const QString about = QStringLiteral("^About\\.\\.\\.$");
    QTRY_VERIFY(keptOutOfTaskbar(run({"xdotool", "search", "--onlyvisible", "--name", about})));
    QVERIFY(closeWindow(about));
    QVERIFY(choose(trainer, "mnuStory")); // without a window manager it stays unmapped until ended
    const auto screenSaver = [&](const QString &process) {
        return QFile::symLinkTarget(process + "/exe")
            == QFileInfo(app + "/HTML/ss.exe").canonicalFilePath();
    };
    QTRY_VERIFY(processWhere(screenSaver) > 0);
    ::kill(pid_t(processWhere(screenSaver)), SIGTERM);
    QTRY_COMPARE(processWhere(screenSaver), 0); // its hold on the display goes with it
    QCOMPARE(run(ownWindow), window); // never replaced by one without the mark
    QVERIFY(choose(trainer, "mnuExit"));
    QTRY_COMPARE_WITH_TIMEOUT(trainer.state(), QProcess::NotRunning, 15000);
    QCOMPARE(trainer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(trainer.exitCode(), 0);
    // Faults it tells of on standard error: objects left alive at its end,
    // the engine's start-up notes it is meant to keep quiet, or a warning of
    // its own.
    const QStringList faults
        = QString::fromLocal8Bit(trainer.readAllStandardError())
              .split('\n')
              .filter(QRegularExpression(
                  "still not deleted|Expect troubles|QObject::|QThread|QBasicTimer"
                  "|[Dd]estroyed while|Qt WebEngine seems to be initialized"
                  "|No suitable graphics backend|qt\\.webenginecontext|^orvani\\."));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    // The web engine's helpers, which end after the program, are gone too.
    const QByteArray home = "HOME=" + m_root.filePath("HOME").toLocal8Bit();
    const auto runsWithHome = [&](const QString &process) {
        QFile environ(process + "/environ");
        return environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(home);
    };
    QTRY_VERIFY_WITH_TIMEOUT(!processWhere(runsWithHome), 15000);
    const QSet<QString> written = everythingUnder(m_root.path()) - before;
    QVERIFY2(written.isEmpty(), qPrintable("written: " + QStringList(written.values()).join(", ")));
}

QTEST_MAIN(tst_RealProgram)
#include "tst_realprogram.moc"
