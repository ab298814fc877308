#include "screensaverwindow.h"

#include <QApplication>

// The screen saver takes no arguments: whatever the caller passes is left to
// QApplication and otherwise ignored. It keeps no settings and writes nothing.
int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_DisableSessionManager);
    QApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QApplication application(argc, argv);

    ScreenSaverWindow window;
    window.showFullScreen();
    window.activateWindow();
    return application.exec();
}
