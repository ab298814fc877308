#pragma once

#include <QList>
#include <QUrl>

// Tells the pages the window asked for from those the pane came to by
// itself (a link, Back, Forward, a page's script), and a new page from the
// one shown before (a Reload, a jump within the page). Pages are compared
// without their query and fragment.
class PageRequests
{
public:
    // The window has asked the pane for `page`.
    void requested(const QUrl &page);
    // The pane now shows `page`: whether it is a new page that the window
    // did not ask for.
    bool isNewForeignPage(const QUrl &page);

private:
    QList<QUrl> m_outstanding; // asked for, not shown yet, oldest first
    QUrl m_shown;
};
