#pragma once

#include "pagepane.h"

#include <QTextBrowser>

// A plain page pane for systems without the web engine: it shows the same
// local pages, without scripts, audio or the finer points of CSS. A missing
// page gives way to the not-found page, with a warning.
class TextBrowserPane : public QTextBrowser, public PagePane
{
    Q_OBJECT
public:
    explicit TextBrowserPane(QWidget *parent = nullptr);

    void Navigate(const QString &address) override;
    QWidget *widget() override { return this; }

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
};
