#include "webpagepane.h"

#include "platform.h"

#include <QDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

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

    setPage(new QWebEnginePage(m_profile, this));
}

WebPagePane::~WebPagePane()
{
    // The page must go before the profile it uses.
    delete page();
}

void WebPagePane::Navigate(const QString &address)
{
    if (!QDir::isAbsolutePath(address))
        throw PlatformError("not a page address");
    load(QUrl::fromLocalFile(address));
}
