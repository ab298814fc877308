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
        // Only the regular cut: the bold file there maps no characters, so
        // Qt emboldens the regular one instead.
        addIfPresent(folder + QStringLiteral("tahoma.ttf"));
    }
    // The compatible MS Sans Serif face has bitmaps only, without a bold
    // cut; Tahoma, its outline successor, serves in its place.
    if (!systemHas(QStringLiteral("MS Sans Serif")))
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
#endif
}

QFont tahomaFont(qreal pointSize)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}
