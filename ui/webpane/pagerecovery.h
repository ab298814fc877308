#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

class QWebEngineLoadingInfo;
class QWebEnginePage;

// Keeps a page from showing the engine's own error page: a local page that
// fails to load (not one a newer load interrupted) gives way to the
// not-found page; if that fails too the page stays blank. When the page's
// process ends, the page is shown again, once for each end. Each says so in
// a warning.
class PageRecovery : public QObject
{
    Q_OBJECT
public:
    using NotFoundPage = std::function<QUrl()>;
    PageRecovery(QWebEnginePage *page, NotFoundPage notFoundPage);

private:
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void processEnded(int status, int exitCode);

    QWebEnginePage *m_page;
    NotFoundPage m_notFoundPage;
    bool m_reloading = false; // shown again after its process ended, not loaded yet
};
