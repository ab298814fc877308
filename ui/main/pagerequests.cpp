#include "pagerequests.h"

#include "localpageurl.h"

void PageRequests::requested(const QUrl &page)
{
    m_outstanding.append(pageOf(page));
}

bool PageRequests::isNewForeignPage(const QUrl &page)
{
    const QUrl shown = pageOf(page);
    const QUrl before = std::exchange(m_shown, shown);
    // A request is answered by its page; those asked for before it were
    // overtaken by it.
    const qsizetype answered = m_outstanding.indexOf(shown);
    if (answered >= 0) {
        m_outstanding.remove(0, answered + 1);
        return false;
    }
    m_outstanding.clear();
    return shown != before;
}
