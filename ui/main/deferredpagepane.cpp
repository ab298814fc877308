#include "deferredpagepane.h"

#include "accessiblerole.h"
#include "handlerguard.h"
#include "localpageurl.h"
#include "pagebackground.h"
#include "textbrowserpane.h"

#include <QPainter>
#include <QTimer>
#include <QWindow>

DeferredPagePane::DeferredPagePane(Factory factory, FactoryState state, QWidget *parent)
    : QWidget(parent)
    , m_factory(std::move(factory))
    , m_factoryReady(state == FactoryState::Ready)
{
    setFocusPolicy(Qt::StrongFocus);
    // A plain widget reaches screen readers as a filler, which they pass
    // over; a pane is a region they name: "Lesson page" around the page.
    setAccessibleRole<DeferredPagePane, QAccessible::Pane>();
}

void DeferredPagePane::Navigate(const QString &address)
{
    if (m_real)
        return m_real->Navigate(address);
    // An address no pane can open fails now, as it would with the real pane.
    localPageUrl(address);
    m_pending = address; // a later request overtakes an earlier one
}

void DeferredPagePane::factoryReady()
{
    m_factoryReady = true;
    createRealPaneWhenItsTime();
}

void DeferredPagePane::paintEvent(QPaintEvent *)
{
    if (!m_real)
        QPainter(this).fillRect(rect(), QColor(kPageBackground));
}

void DeferredPagePane::resizeEvent(QResizeEvent *)
{
    if (m_real)
        m_real->widget()->setGeometry(rect());
}

void DeferredPagePane::showEvent(QShowEvent *)
{
    QWindow *window = this->window()->windowHandle();
    if (m_watchingWindow || !window)
        return;
    m_watchingWindow = true;
    window->installEventFilter(this);
    if (window->isExposed())
        QTimer::singleShot(0, this, &DeferredPagePane::firstFrameShown);
}

bool DeferredPagePane::eventFilter(QObject *watched, QEvent *event)
{
    // The window paints and flushes its frame while it handles its expose
    // event; a zero timer set now fires once that frame is on the screen.
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &DeferredPagePane::firstFrameShown);
    }
    return false;
}

void DeferredPagePane::firstFrameShown()
{
    m_firstFrameShown = true;
    createRealPaneWhenItsTime();
}

// A window that is still not exposed when the factory becomes ready may
// never be (it was started minimised): its pane is made then.
void DeferredPagePane::createRealPaneWhenItsTime()
{
    if (m_real || !m_factoryReady || !m_watchingWindow)
        return;
    const QWindow *window = this->window()->windowHandle();
    if (m_firstFrameShown || !window || !window->isExposed())
        createRealPane();
}

void DeferredPagePane::createRealPane()
{
    try {
        m_real = m_factory(this);
    } catch (...) {
        qCWarning(lcPane, "the web page pane failed: %s", whatFailed());
    }
    if (!m_real) {
        qCWarning(lcPane,
                  "the plain page pane stands in: pages show without their scripts, "
                  "sounds and finer styles");
        m_real = new TextBrowserPane(this);
    }
    m_real->setPageShownListener([this](const QUrl &page) { tellPageShown(page); });
    m_real->setNotFoundPage(notFoundPage());
    QWidget *view = m_real->widget();
    view->setGeometry(rect());
    setFocusProxy(view);
    view->show();
    if (const QString page = std::exchange(m_pending, {}); !page.isEmpty()) {
        try {
            m_real->Navigate(page);
        } catch (...) {
            qCWarning(lcPane, "%s did not open: %s", qUtf8Printable(page), whatFailed());
        }
    }
    emit realPaneReady();
}
