#include "contentrequestfilter.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kFileNameCase = Qt::CaseSensitive;
#endif

} // namespace

void ContentRequestFilter::setContentFolderOf(const QUrl &page)
{
    m_folder = QFileInfo(QDir::cleanPath(page.toLocalFile())).path() + u'/';
}

bool ContentRequestFilter::isInContentFolder(const QUrl &url) const
{
    return !m_folder.isEmpty()
        && QDir::cleanPath(url.toLocalFile()).startsWith(m_folder, kFileNameCase);
}

void ContentRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    // Called on the user-interface thread, as the pane that sets the folder.
    static const QStringList inPage
        = {QStringLiteral("data"), QStringLiteral("blob"), QStringLiteral("about")};
    const QUrl url = info.requestUrl();
    const bool allowed = url.isLocalFile() ? isInContentFolder(url) : inPage.contains(url.scheme());
    if (!allowed)
        info.block(true);
}
