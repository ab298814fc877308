#include "pagerecovery.h"

#include "localpageurl.h"
#include "logging.h"

#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

PageRecovery::PageRecovery(QWebEnginePage *page, NotFoundPage notFoundPage)
    : QObject(page)
    , m_page(page)
    , m_notFoundPage(std::move(notFoundPage))
{
    connect(page, &QWebEnginePage::loadingChanged, this, &PageRecovery::loadingChanged);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
                processEnded(int(status), exitCode);
            });
}

void PageRecovery::loadingChanged(const QWebEngineLoadingInfo &info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
        m_reloading = false;
    // A load that a newer one interrupted ends as stopped, not failed.
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || !info.url().isLocalFile())
        return;
    const QUrl failed = info.url();
    const QUrl notFound = m_notFoundPage();
    const bool notFoundFailed = pageOf(failed) == pageOf(notFound);
    if (notFoundFailed || notFound.isEmpty()) {
        qCWarning(lcPane, "%s did not load either (%s): the page stays blank",
                  qUtf8Printable(failed.toLocalFile()), qUtf8Printable(info.errorString()));
        return;
    }
    qCWarning(lcPane, "%s did not load (%s): the not-found page instead",
              qUtf8Printable(failed.toLocalFile()), qUtf8Printable(info.errorString()));
    m_page->load(notFound);
}

void PageRecovery::processEnded(int status, int exitCode)
{
    if (m_reloading) {
        qCWarning(lcPane,
                  "the page's process ended again (status %d, code %d) before its page was "
                  "shown: it is not shown again",
                  status, exitCode);
        return;
    }
    qCWarning(lcPane, "the page's process ended (status %d, code %d): its page is shown again",
              status, exitCode);
    m_reloading = true;
    m_page->triggerAction(QWebEnginePage::Reload);
}
