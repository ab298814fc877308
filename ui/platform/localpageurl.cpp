#include "localpageurl.h"

#include "platform.h"

#include <QDir>

QUrl localPageUrl(const QString &address)
{
    if (!QDir::isAbsolutePath(address))
        throw PlatformError("not a page address");
    const QString path = QDir::fromNativeSeparators(address);
    QString single;
    single.reserve(path.size());
    for (const QChar c : path)
        if (c != u'/' || !single.endsWith(u'/'))
            single += c;
#ifdef Q_OS_WIN
    if (path.startsWith(QLatin1String("//")))
        single.prepend(u'/');
#endif
    return QUrl::fromLocalFile(single);
}
