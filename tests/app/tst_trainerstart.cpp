#include "deferredpagepane.h"
#include "fakeplatform.h"
#include "form1.h"
#include "pagepaneloader.h"
#include "trainerstart.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

xcb_connection_t *connection()
{
    return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t rootWindow()
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

xcb_atom_t atom(const char *name)
{
    auto cookie = xcb_intern_atom(connection(), 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection(), cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

QList<quint32> windowProperty(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    auto cookie = xcb_get_property(connection(), 0, window, name, type, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection(), cookie, nullptr);
    QList<quint32> values;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply));
        values = QList<quint32>(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

} // namespace

// The trainer started as the program starts it, under a window manager,
// which lists the windows it manages on the root window.
class tst_TrainerStart : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void keepsOneWindowOutOfTheTaskbarUntilThePageIsShown();
    void missingModuleYieldsNoPane();

private:
    QProcess m_windowManager;
};

void tst_TrainerStart::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display");
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (openbox.isEmpty())
        QSKIP("needs the openbox window manager");
    m_windowManager.start(openbox, {});
    QVERIFY(m_windowManager.waitForStarted());
    const xcb_atom_t check = atom("_NET_SUPPORTING_WM_CHECK");
    QTRY_VERIFY_WITH_TIMEOUT(!windowProperty(rootWindow(), check, XCB_ATOM_WINDOW).isEmpty(), 20000);
}

void tst_TrainerStart::cleanupTestCase()
{
    m_windowManager.terminate();
    m_windowManager.waitForFinished();
}

void tst_TrainerStart::keepsOneWindowOutOfTheTaskbarUntilThePageIsShown()
{
    const xcb_atom_t clientList = atom("_NET_CLIENT_LIST"), pid = atom("_NET_WM_PID");
    const xcb_atom_t state = atom("_NET_WM_STATE"), skip = atom("_NET_WM_STATE_SKIP_TASKBAR");
    QSet<quint32> listed;
    QSet<quint32> listedWithButton;
    auto look = [&] {
        for (quint32 window : windowProperty(rootWindow(), clientList, XCB_ATOM_WINDOW)) {
            if (windowProperty(window, pid, XCB_ATOM_CARDINAL).value(0) != quint32(getpid()))
                continue;
            listed.insert(window);
            if (!windowProperty(window, state, XCB_ATOM_ATOM).contains(skip))
                listedWithButton.insert(window);
        }
    };
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, look);
    watcher.start(1);

    FakePlatform platform;
    TrainerStart start(platform, qEnvironmentVariable("ORVANI_APP_DIR"));
    QPointer<Form1> window = start.window();
    QSignalSpy paneReady(start.pane(), &DeferredPagePane::realPaneReady);
    start.show();
    QVERIFY(paneReady.wait(60000));
    QVERIFY(start.pane()->realPane()->widget()->inherits("QWebEngineView"));
    QSignalSpy loaded(start.pane()->realPane()->widget(), SIGNAL(loadFinished(bool)));
    QVERIFY(loaded.wait(30000));
    QTest::qWait(300); // what the window manager does once the page is drawn
    look();

    QCOMPARE(listed, QSet<quint32>{quint32(window->winId())});
    QVERIFY2(listedWithButton.isEmpty(), "a window of the trainer had a task-bar button");
    window->close();
    QTRY_VERIFY(!window);
}

void tst_TrainerStart::missingModuleYieldsNoPane()
{
    QTemporaryDir empty;
    PagePaneLoader loader(empty.path());
    loader.preload();
    QWidget parent;
    QCOMPARE(loader.create(&parent), nullptr);
    QVERIFY(parent.children().isEmpty());
}

int main(int argc, char *argv[])
{
    TrainerStart::prepareProcess();
    QApplication application(argc, argv);
    TrainerStart::setUpApplication(application);
    tst_TrainerStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_trainerstart.moc"
