#include "applicationlifetime.h"
#include "classicfonts.h"
#include "deferredpagepane.h"
#include "form1.h"
#include "pagepaneloader.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Keep the GL stack from writing shader caches: the program writes no file.
    qputenv("MESA_SHADER_CACHE_DISABLE", "true");
    qputenv("QT_DISABLE_SHADER_DISK_CACHE", "1");

    // The program reads no command line: Qt sees only the program's name.
    int qtArgc = 1;
    char *qtArgv[] = {argc > 0 ? argv[0] : const_cast<char *>("orvani-parlevo"), nullptr};
    QApplication application(qtArgc, qtArgv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillfen"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvani Parlevo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANI_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANI_APP_ID));

    registerClassicFonts();
    quitWhenNoWindowIsLeft(application);

    QtPlatform platform;
    PagePaneLoader loader(QCoreApplication::applicationDirPath());
    auto *form = new Form1(platform, new DeferredPagePane([&loader](QWidget *parent) {
        return loader.create(parent);
    }));
    // The web engine is readied on worker threads while the window shows and
    // paints; its view is made once the window has painted. Started earlier,
    // the workers would slow the window's own start by holding the library
    // loader's lock and a processor.
    loader.preload();
    form->show();
    return application.exec();
}
