#include "qtplatform.h"
#include "trainerstart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const QProcessEnvironment startedWith = TrainerStart::prepareProcess();
    // The program reads no command line: Qt sees only the program's name.
    int qtArgc = 1;
    char *qtArgv[] = {argc > 0 ? argv[0] : const_cast<char *>("orvani-parlevo"), nullptr};
    QApplication application(qtArgc, qtArgv);
    TrainerStart::setUpApplication(application);

    QtPlatform platform(startedWith);
    TrainerStart start(platform, QCoreApplication::applicationDirPath());
    start.show();
    return application.exec();
}
