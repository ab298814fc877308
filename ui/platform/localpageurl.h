#pragma once

#include <QUrl>

class QString;

// The file URL of a page address, an absolute local path. Doubled
// separators are taken as one, so an address formed from a folder at the
// root ("//HTML/intro.html") names the file at the root and not a network
// host; on Windows a leading pair still names a network share. Throws
// PlatformError for a relative address.
QUrl localPageUrl(const QString &address);

// The page a URL shows, whatever its query and fragment: two URLs show the
// same page when these are equal.
inline QUrl pageOf(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
}
