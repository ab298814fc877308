#include "trainerstart.h"

#include "applicationlifetime.h"
#include "classicfonts.h"
#include "deferredpagepane.h"
#include "form1.h"

#include <QApplication>

void TrainerStart::prepareProcess()
{
    // Keep the GL stack from writing shader caches: the program writes no file.
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    qputenv("QT_DISABLE_SHADER_DISK_CACHE", "1");
    PagePaneLoader::prepareProcess();
}

void TrainerStart::setUpApplication(QApplication &application)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quillfen"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvani Parlevo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANI_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANI_APP_ID));
    registerClassicFonts();
    quitWhenNoWindowIsLeft(application);
}

TrainerStart::TrainerStart(Platform &platform, const QString &applicationFolder)
    : m_loader(applicationFolder)
    , m_pane(new DeferredPagePane([this](QWidget *parent) { return m_loader.create(parent); }))
{
    // Before the window exists: it gets its native window as it is built.
    PagePaneLoader::prepareHost(m_pane);
    m_window = new Form1(platform, m_pane);
}

void TrainerStart::show()
{
    // The web engine's module loads on a worker thread while the window shows
    // and paints; its view is made once the window has painted. Started
    // earlier, the worker slows the window's own start (measured): it holds
    // the library loader's lock and a processor.
    m_loader.preload();
    m_window->show();
    // The window's native window is made while it is built, before Qt has
    // seen the X server's time, so it maps without a user time, and window
    // managers that prevent focus stealing leave it without the keyboard.
    // Asking for activation gives it the keyboard as any new window gets it.
    m_window->activateWindow();
}
