#include "qtplatform.h"

#include "applicationtitle.h"
#include "logging.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

QString QtPlatform::applicationFolder()
{
    // Not cached: the answer is the executable's folder as it is now, with
    // any symbolic link that led to the executable resolved.
#ifdef Q_OS_LINUX
    QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
#else
    QString executable = QCoreApplication::applicationFilePath();
#endif
    if (executable.isEmpty())
        throw PlatformError("the executable's folder is unknown");
    return QFileInfo(executable).absolutePath();
}

void QtPlatform::startProgram(const QString &path)
{
    QProcess process;
    process.setProgram(path);
    process.setArguments({});
    if (!process.startDetached())
        throw PlatformError(process.errorString().toStdString());
}

void QtPlatform::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatform::openWebAddress(const QString &address)
{
    if (!QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode)))
        qCWarning(lcPlatform, "no web browser could be started for %s", qUtf8Printable(address));
}
