#include "trainerstart.h"

#include "applicationlifetime.h"
#include "applicationtitle.h"
#include "classicfonts.h"
#include "deferredpagepane.h"
#include "form1.h"

#include <QApplication>

namespace {

// The user's own setting of a variable wins over the trainer's.
void setUnlessTheUserHas(const char *name, const QByteArray &value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

} // namespace

QProcessEnvironment TrainerStart::prepareProcess()
{
    // Taken before anything is set: the programs the trainer starts get the
    // environment it was started with, not what it set for itself.
    QProcessEnvironment startedWith = QProcessEnvironment::systemEnvironment();
    // Set while the process has one thread: the environment is not safe to
    // change once others run.
    //
    // The page pane draws in software and nothing else in the program uses
    // OpenGL, so Qt need not load the system's OpenGL driver, which the web
    // engine's start would otherwise have it do (asking whether OpenGL works
    // across threads): that costs a tenth of a second and memory at every
    // start, and a broken driver cannot get in the way.
    setUnlessTheUserHas("QT_XCB_GL_INTEGRATION", "none");
    // On Linux the web engine shows its pages to screen readers only when
    // this is set before it starts; even then it builds their accessible tree
    // only while an assistive technology is listening.
    setUnlessTheUserHas("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    return startedWith;
}

void TrainerStart::setUpApplication(QApplication &application)
{
    QCoreApplication::setOrganizationName(QStringLiteral(ORVANI_MAKER));
    QCoreApplication::setApplicationName(applicationTitle());
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANI_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANI_APP_ID));
    registerClassicFonts();
    quitWhenNoWindowIsLeft(application);
}

TrainerStart::TrainerStart(Platform &platform, const QString &applicationFolder)
    : m_loader(applicationFolder)
    , m_pane(new DeferredPagePane([this](QWidget *parent) { return m_loader.create(parent); },
                                  DeferredPagePane::FactoryState::NotReady))
{
    m_window = new Form1(platform, m_pane);
    QObject::connect(&m_loader, &PagePaneLoader::ready, m_pane, &DeferredPagePane::factoryReady);
}

TrainerStart::~TrainerStart()
{
    delete m_window;
}

Form1 *TrainerStart::window() const
{
    return m_window;
}

DeferredPagePane *TrainerStart::pane() const
{
    return m_pane;
}

void TrainerStart::show()
{
    // The web engine's module loads on a worker thread while the window shows
    // and paints; its view is made once the window's first frame is on the
    // screen, or once the module is loaded if the window is not shown. Started
    // earlier, the worker slows the window's own start (measured): it holds
    // the library loader's lock and a processor.
    m_loader.preload();
    m_window->show();
    // The window's native window is made while it is built, before Qt has
    // seen the X server's time, so it maps without a user time, and window
    // managers that prevent focus stealing leave it without the keyboard.
    // Asking for activation gives it the keyboard as any new window gets it;
    // a window started minimised stays so.
    if (!m_window->isMinimized())
        m_window->activateWindow();
}
