#include "textbrowserpane.h"

#include "platform.h"

#include <QDir>
#include <QUrl>

TextBrowserPane::TextBrowserPane(QWidget *parent)
    : QTextBrowser(parent)
{
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
}

void TextBrowserPane::Navigate(const QString &address)
{
    if (!QDir::isAbsolutePath(address))
        throw PlatformError("not a page address");
    setSource(QUrl::fromLocalFile(address));
}
