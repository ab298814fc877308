#pragma once

#include "pagepane.h"

#include <QWebEngineView>

class ContentRequestFilter;
class QWebEngineProfile;

// The page pane on the web engine: a view on an off-the-record profile that
// shows the pages of the content folder and reaches nothing outside it. The
// page fills the pane above the Orvani text box's band.
class WebPagePane : public QWebEngineView, public PagePane
{
    Q_OBJECT
public:
    explicit WebPagePane(QWidget *parent = nullptr);
    ~WebPagePane() override;

    void Navigate(const QString &address) override;
    QWidget *widget() override { return this; }

protected:
    // Our own menu in place of the engine's.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void childEvent(QChildEvent *event) override;

private:
    void keepPageAboveTheBox();

    QWebEngineProfile *m_profile;
    ContentRequestFilter *m_requestFilter; // the profile's
};
