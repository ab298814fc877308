#pragma once

#include <QDirIterator>

// The content folder copied beside the executable, as the program sees it.
inline QDir contentFolder()
{
    return QDir(qEnvironmentVariable("ORVANI_APP_DIR") + "/HTML");
}

// The files below the folder matching `patterns`, relative and sorted; by default pages.
inline QStringList contentFiles(const QStringList &patterns = {"*.html", "*.htm"})
{
    QStringList files;
    QDirIterator it(contentFolder().path(), patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << contentFolder().relativeFilePath(it.next());
    files.sort();
    return files;
}
