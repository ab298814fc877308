#pragma once

#include "pagepane.h"

#include <QString>
#include <QWidget>

#include <functional>

// Stands in for the page pane until the real one can be made without
// holding up the window: once its factory is ready (the web engine's module
// loaded) and the window's first frame is on the screen, or at once when the
// window is not exposed (started minimised, on a display that does not show
// it). It then hands the real pane the last page asked for meanwhile, and
// passes on the listener and the not-found page. A request for an address no
// pane can open fails at once, as it does once the real pane is there. A
// factory that fails or yields nothing leaves the plain text-browser pane in
// its place, with a warning.
class DeferredPagePane : public QWidget, public PagePane
{
    Q_OBJECT
public:
    using Factory = std::function<PagePane *(QWidget *parent)>;

    enum class FactoryState { Ready, NotReady };
    explicit DeferredPagePane(Factory factory, FactoryState state = FactoryState::Ready,
                              QWidget *parent = nullptr);

    void Navigate(const QString &address) override;
    QWidget *widget() override { return this; }

    // The factory can be used from now on.
    void factoryReady();

    // The real pane, or nullptr while it has not been made.
    PagePane *realPane() const { return m_real; }

signals:
    void realPaneReady();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void firstFrameShown();
    void createRealPaneWhenItsTime();
    void createRealPane();

    Factory m_factory;
    PagePane *m_real = nullptr;
    QString m_pending;
    bool m_factoryReady;
    bool m_watchingWindow = false;
    bool m_firstFrameShown = false;
};
