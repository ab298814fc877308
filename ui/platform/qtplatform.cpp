#include "qtplatform.h"

#include "applicationtitle.h"
#include "logging.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#ifndef Q_OS_LINUX
#include <QDesktopServices>
#endif

QtPlatform::QtPlatform(QProcessEnvironment startedWith)
    : m_startedWith(std::move(startedWith))
{ }

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
    process.setProcessEnvironment(m_startedWith);
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
    const QUrl url(address, QUrl::StrictMode);
#ifdef Q_OS_LINUX
    // The desktop's opener, started here rather than by Qt, so that the
    // browser gets the environment the trainer was started with.
    QString error = QStringLiteral("not an absolute web address");
    if (url.isValid() && !url.isRelative()) {
        QProcess opener;
        opener.setProgram(QStringLiteral("xdg-open"));
        opener.setArguments({url.toString(QUrl::FullyEncoded)});
        opener.setProcessEnvironment(m_startedWith);
        if (opener.startDetached())
            return;
        error = opener.errorString();
    }
    qCWarning(lcPlatform, "no web browser could be started for %s: %s", qUtf8Printable(address),
              qUtf8Printable(error));
#else
    // On Windows and macOS the system's own opener (ShellExecute, Launch
    // Services) starts the browser and takes no environment: a browser it
    // starts as the trainer's child inherits the trainer's, with the
    // variables TrainerStart::prepareProcess set, which only Qt on X11 and
    // the web engine on Linux read.
    if (!QDesktopServices::openUrl(url))
        qCWarning(lcPlatform, "no web browser could be started for %s", qUtf8Printable(address));
#endif
}
