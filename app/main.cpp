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
    // The web engine is loaded after the first paint and needs this set now.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

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
    auto *form = new Form1(platform, new DeferredPagePane(loadWebPagePane));
    form->show();
    return application.exec();
}
