#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <utility>

class QWidget;

// The page pane as the handlers see it: it is asked to navigate, and tells
// which page it comes to show. Navigate returns at once; loading goes on by
// itself. It throws PlatformError when the request itself cannot be made.
// A local page that cannot be shown gives way to the not-found page.
class PagePane
{
public:
    using PageShown = std::function<void(const QUrl &page)>;

    virtual ~PagePane() = default;
    virtual void Navigate(const QString &address) = 0;
    virtual QWidget *widget() = 0;

    // Called with every page the pane comes to show, however it came there:
    // a request, a link, Back or Forward, a page's script.
    void setPageShownListener(PageShown listener) { m_pageShown = std::move(listener); }
    // The page shown in place of a local page that fails to load.
    void setNotFoundPage(const QUrl &page) { m_notFoundPage = page; }

protected:
    void tellPageShown(const QUrl &page) const
    {
        if (m_pageShown)
            m_pageShown(page);
    }
    const QUrl &notFoundPage() const { return m_notFoundPage; }

private:
    PageShown m_pageShown;
    QUrl m_notFoundPage;
};
