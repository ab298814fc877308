#include "webpagepane.h"

#include "contentrequestfilter.h"
#include "form1layout.h"
#include "localpageurl.h"
#include "pagebackground.h"
#include "pagecontextmenu.h"
#include "pagerecovery.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QQuickWidget>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

WebPagePane::WebPagePane(QWidget *parent)
    : QWebEngineView(parent)
    , m_profile(new QWebEngineProfile(this)) // no storage name: off the record
    , m_requestFilter(new ContentRequestFilter(m_profile))
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
    m_profile->setUrlRequestInterceptor(m_requestFilter);

    setPage(new QWebEnginePage(m_profile, this));
    page()->setBackgroundColor(QColor(kPageBackground)); // until the first page draws
    keepPageAboveTheBox();
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
    const QUrl page = localPageUrl(address);
    m_requestFilter->setContentFolderOf(page);
    load(page);
}

void WebPagePane::keepPageAboveTheBox()
{
    // The view lays its page out in its contents rectangle, so the page,
    // scrolled as ever by keys and wheel, never runs under the box; the band
    // below shows the pages' background. tst_windowandpage's
    // followsLinksAndBack fails should the view stop doing so.
    setContentsMargins(0, 0, 0, form1layout::kPaneRowsUnderBox);
    fillWithPageBackground(this);
}

void WebPagePane::childEvent(QChildEvent *event)
{
    QWebEngineView::childEvent(event);
    // The view draws its page in a Qt Quick widget made when it first shows,
    // which clears to white until the page's colour reaches it: one white
    // frame on screen. Told the colour before it first shows, it draws none.
    if (event->polished())
        if (auto *pageWidget = qobject_cast<QQuickWidget *>(event->child()))
            pageWidget->setClearColor(QColor(kPageBackground));
}

void WebPagePane::contextMenuEvent(QContextMenuEvent *event)
{
    createPageContextMenu(this)->popup(event->globalPos());
}
