#include "deferredpagepane.h"
#include "fakeplatform.h"
#include "form1.h"
#include "trainerstart.h"
#include "xproperties.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <unistd.h>

// The trainer started as the program starts it, under a window manager,
// which lists the windows it manages on the root window.
class tst_TrainerStart : public QObject
{
    Q_OBJECT
    QProcess m_windowManager;

private slots:
    void initTestCase()
    {
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (QGuiApplication::platformName() != QLatin1String("xcb") || openbox.isEmpty())
            QSKIP("needs an X display and the openbox window manager");
        m_windowManager.start(openbox, {});
        QTRY_VERIFY_WITH_TIMEOUT(!x11::property("_NET_SUPPORTING_WM_CHECK").isEmpty(), 20000);
    }
    void keepsOneWindowOutOfTheTaskbarUntilThePageIsShown();
};

// From the first show until the intro page has loaded, the window manager
// lists one window of this process, the main window's, and it never asks
// for a task-bar button.
void tst_TrainerStart::keepsOneWindowOutOfTheTaskbarUntilThePageIsShown()
{
    QSet<quint32> listed, withButton;
    const xcb_atom_t skipTaskbar = x11::atom("_NET_WM_STATE_SKIP_TASKBAR");
    auto look = [&] {
        for (quint32 window : x11::property("_NET_CLIENT_LIST")) {
            if (x11::property("_NET_WM_PID", window).value(0) != quint32(getpid()))
                continue;
            listed.insert(window);
            if (!x11::property("_NET_WM_STATE", window).contains(skipTaskbar))
                withButton.insert(window);
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
    QWidget *view = start.pane()->realPane()->widget();
    QVERIFY(view->inherits("QWebEngineView"));
    QSignalSpy loaded(view, SIGNAL(loadFinished(bool)));
    QVERIFY(loaded.wait(30000));
    QTest::qWait(300); // the page reaches the screen
    look();

    QCOMPARE(listed, QSet<quint32>{quint32(window->winId())});
    QVERIFY2(withButton.isEmpty(), "a window of the trainer had a task-bar button");
    window->close();
    QTRY_VERIFY(!window);
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
