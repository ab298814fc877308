#include "trainerdriver.h"

#include "classicfonts.h"
#include "fakeplatform.h"
#include "form1.h"
#include "recordingpane.h"
#include "sortedcombobox.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const QString kMainWindow = QStringLiteral("^Orvani Parlevo v5\\.0$");

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

QString xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

TrainerDriver::TrainerDriver()
{
    registerClassicFonts(); // as the program does before making its window
    FakePlatform platform;
    Form1 model(platform, new RecordingPane);
    model.setAttribute(Qt::WA_DontShowOnScreen);
    model.show();
    QMenuBar *bar = model.menuBar();
    for (QAction *item : model.findChildren<QAction *>()) {
        auto *menu = qobject_cast<QMenu *>(item->parent());
        QAction *onBar = menu ? menu->menuAction() : item;
        const QRect place = bar->actionGeometry(onBar);
        if (!item->objectName().isEmpty() && !place.isEmpty())
            m_menu.insert(item->objectName(),
                          {bar->mapTo(&model, place.center()), menu ? int(menu->actions().indexOf(item)) + 1 : 0});
    }
    QWidget *list = model.CmbEnglish;
    m_entryList = list->mapTo(&model, QPoint(10, list->height() / 2));
}

TrainerDriver::~TrainerDriver()
{
    stop();
}

bool TrainerDriver::copyApplication(const QString &folder)
{
    const QString built = qEnvironmentVariable("ORVANI_APP_DIR");
    return !built.isEmpty()
        && QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), built, folder}) == 0;
}

bool TrainerDriver::start(const QString &program, const QProcessEnvironment &environment,
                          const QString &workingDirectory)
{
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(workingDirectory);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(program, {});
    if (!m_process.waitForStarted()) {
        qWarning("cannot start %s: %s", qPrintable(program), qPrintable(m_process.errorString()));
        return false;
    }
    const qulonglong window = waitForWindow(kMainWindow, 30000);
    if (!window) {
        qWarning("no main window appeared");
        return false;
    }
    // "Position: 399,326 (screen: 0)"
    const QRegularExpression position(QStringLiteral("Position: (\\d+),(\\d+)"));
    const auto match = position.match(xdotool({"getwindowgeometry", QString::number(window)}));
    if (!match.hasMatch()) {
        qWarning("the main window has no position");
        return false;
    }
    m_origin = QPoint(match.captured(1).toInt(), match.captured(2).toInt());
    QTest::qWait(500); // the first paint, then the page pane
    return isRunning();
}

qulonglong TrainerDriver::waitForWindow(const QString &pattern, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        const QString found = xdotool({"search", "--onlyvisible", "--name", pattern});
        if (!found.isEmpty())
            return found.section('\n', 0, 0).toULongLong();
        QTest::qWait(100);
    } while (!deadline.hasExpired());
    return 0;
}

void TrainerDriver::click(QPoint inWindow)
{
    const QPoint place = m_origin + inWindow;
    xdotool({"mousemove", QString::number(place.x()), QString::number(place.y()), "click", "1"});
    QTest::qWait(200);
}

bool TrainerDriver::choose(const QString &item)
{
    const auto place = m_menu.constFind(item);
    if (place == m_menu.constEnd())
        return false;
    click(place->onBar);
    if (place->downKeys > 0) {
        // The popup holds the keyboard: the arrow key walks down to the item.
        QStringList keys{"key", "--delay", "50"};
        for (int i = 0; i < place->downKeys; ++i)
            keys << "Down";
        xdotool(keys << "Return");
    }
    QTest::qWait(300);
    return true;
}

void TrainerDriver::pickEntries(int count)
{
    click(m_entryList);
    for (int i = 0; i < count; ++i) {
        xdotool({"key", "Down"});
        QTest::qWait(300);
    }
}

void TrainerDriver::closeWindow(qulonglong window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window);
    event.type = atom(connection, "WM_PROTOCOLS");
    event.data.data32[0] = atom(connection, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
    QTest::qWait(300);
}

bool TrainerDriver::quit()
{
    if (!choose(QStringLiteral("mnuExit")))
        return false;
    // waitForFinished() is false for a program that ended already.
    if (isRunning() && !m_process.waitForFinished(15000))
        return false;
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

void TrainerDriver::stop()
{
    if (!isRunning())
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000))
        m_process.kill();
    m_process.waitForFinished();
}
