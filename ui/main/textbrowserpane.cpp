#include "textbrowserpane.h"

#include "localpageurl.h"

TextBrowserPane::TextBrowserPane(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
}

void TextBrowserPane::Navigate(const QString &address)
{
    setSource(localPageUrl(address));
}
