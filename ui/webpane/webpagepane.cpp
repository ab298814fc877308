#include "webpagepane.h"

#include "localpageurl.h"
#include "pagecontextmenu.h"
#include "pagerecovery.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace {

// Lets only local requests through. LocalContentCanAccessRemoteUrls alone
// still lets a local page open a WebSocket to any server.
class LocalOnlyInterceptor final : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        static const QStringList local = {QStringLiteral("file"), QStringLiteral("data"),
                                          QStringLiteral("blob"), QStringLiteral("about")};
        if (!local.contains(info.requestUrl().scheme()))
            info.block(true);
    }
};

} // namespace

WebPagePane::WebPagePane(QWidget *parent)
    : QWebEngineView(parent)
    , m_profile(new QWebEngineProfile(this)) // no storage name: off the record
{
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    m_profile->setSpellCheckEnabled(false);

    QWebEngineSettings *settings = m_profile->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    m_profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(m_profile));

    setPage(new QWebEnginePage(m_profile, this));
    new PageRecovery(page(), [this] { return notFoundPage(); });
    connect(this, &QWebEngineView::urlChanged, this,
            [this](const QUrl &url) { tellPageShown(url); });
}

WebPagePane::~WebPagePane()
{
    // The page must go before the profile it uses.
    delete page();
}

void WebPagePane::Navigate(const QString &address)
{
    load(localPageUrl(address));
}

void WebPagePane::contextMenuEvent(QContextMenuEvent *event)
{
    createPageContextMenu(this)->popup(event->globalPos());
}
