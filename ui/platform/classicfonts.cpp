#include "classicfonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace {

bool systemHas(const QString &family)
{
    return QFontInfo(QFont(family)).family().compare(family, Qt::CaseInsensitive) == 0;
}

void addIfPresent(const QString &path)
{
    if (QFile::exists(path))
        QFontDatabase::addApplicationFont(path);
}

} // namespace

void registerClassicFonts()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString folder = QStringLiteral("/usr/share/wine/fonts/");
    if (!systemHas(QStringLiteral("Tahoma"))) {
        addIfPresent(folder + QStringLiteral("tahoma.ttf"));
        addIfPresent(folder + QStringLiteral("tahomabd.ttf"));
    }
    if (!systemHas(QStringLiteral("MS Sans Serif")))
        addIfPresent(folder + QStringLiteral("ms_sans_serif.ttf"));
#endif
}
