#pragma once

#include "pagepane.h"

#include <QStringList>
#include <QWidget>

#include <functional>

// Stands in for the page pane until the window has painted for the first
// time, then has the real pane made and hands it the navigation requests
// that came in meanwhile, in order; loading the web engine only then lets
// the window appear at once. A request for an address no pane can open
// fails at once, as it does once the real pane is there. A factory that
// fails or yields nothing leaves the plain text-browser pane in its place,
// with a warning.
class DeferredPagePane : public QWidget, public PagePane
{
    Q_OBJECT
public:
    using Factory = std::function<PagePane *(QWidget *parent)>;

    explicit DeferredPagePane(Factory factory, QWidget *parent = nullptr);

    void Navigate(const QString &address) override;
    QWidget *widget() override { return this; }

    // The real pane, or nullptr while it has not been made.
    PagePane *realPane() const { return m_real; }

signals:
    void realPaneReady();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createRealPane();

    Factory m_factory;
    PagePane *m_real = nullptr;
    QStringList m_pending;
    bool m_creationScheduled = false;
};
