#pragma once

#include "pagetails.h"

#include <QDir>
#include <QDirIterator>
#include <QString>
#include <QStringList>

#include <string_view>

// The content folder copied beside the executable, as the program sees it.
inline QDir contentFolder()
{
    return QDir(qEnvironmentVariable("ORVANI_APP_DIR") + QStringLiteral("/HTML"));
}

inline QString fromU16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// "\HTML\buffalo.html" -> "buffalo.html"; "\HTML\\ss.exe" -> "ss.exe"
inline QString fileOfTail(std::u16string_view tail)
{
    return fromU16(tail).section(QLatin1Char('\\'), -1);
}

// The files below the content folder that match one of `patterns`, relative
// to it; by default every page.
inline QStringList contentFiles(const QStringList &patterns = {QStringLiteral("*.html"),
                                                                QStringLiteral("*.htm")})
{
    const QDir folder = contentFolder();
    QStringList files;
    QDirIterator it(folder.path(), patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << folder.relativeFilePath(it.next());
    files.sort();
    return files;
}
