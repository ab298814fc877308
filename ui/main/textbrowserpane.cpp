#include "textbrowserpane.h"

#include "form1layout.h"
#include "localpageurl.h"
#include "logging.h"
#include "pagebackground.h"

#include <QFileInfo>

TextBrowserPane::TextBrowserPane(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    // The page ends above the Orvani text box, which lies
    // over the pane's foot; the band below shows the pages' background.
    setViewportMargins(0, 0, 0, form1layout::kPaneRowsUnderBox);
    fillWithPageBackground(this);
    connect(this, &QTextBrowser::sourceChanged, this,
            [this](const QUrl &page) { tellPageShown(page); });
}

void TextBrowserPane::Navigate(const QString &address)
{
    setSource(localPageUrl(address));
}

void TextBrowserPane::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    const QUrl page = source().resolved(name);
    if (!page.isLocalFile() || QFileInfo(page.toLocalFile()).isFile())
        return QTextBrowser::doSetSource(name, type);
    const QUrl notFound = notFoundPage();
    if (notFound.isEmpty() || !QFileInfo(notFound.toLocalFile()).isFile()
        || pageOf(page) == pageOf(notFound)) {
        qCWarning(lcPane, "%s cannot be shown, nor the not-found page: the page stays blank",
                  qUtf8Printable(page.toLocalFile()));
        clear();
        return;
    }
    qCWarning(lcPane, "%s cannot be shown: the not-found page instead",
              qUtf8Printable(page.toLocalFile()));
    QTextBrowser::doSetSource(notFound, type);
}
