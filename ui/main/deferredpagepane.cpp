#include "deferredpagepane.h"

#include "accessiblerole.h"
#include "handlerguard.h"
#include "localpageurl.h"
#include "pagebackground.h"
#include "textbrowserpane.h"

#include <QPainter>
#include <QTimer>

DeferredPagePane::DeferredPagePane(Factory factory, QWidget *parent)
    : QWidget(parent)
    , m_factory(std::move(factory))
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
    m_pending.append(address);
}

void DeferredPagePane::paintEvent(QPaintEvent *)
{
    if (m_real)
        return;
    QPainter(this).fillRect(rect(), QColor(kPageBackground));
    if (!m_creationScheduled) {
        m_creationScheduled = true;
        // A zero timer set during the first paint fires after that paint
        // has reached the screen.
        QTimer::singleShot(0, this, &DeferredPagePane::createRealPane);
    }
}

void DeferredPagePane::resizeEvent(QResizeEvent *)
{
    if (m_real)
        m_real->widget()->setGeometry(rect());
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
    QWidget *view = m_real->widget();
    view->setGeometry(rect());
    setFocusProxy(view);
    view->show();
    const QStringList pending = std::exchange(m_pending, {});
    for (const QString &address : pending) {
        try {
            m_real->Navigate(address);
        } catch (...) {
            qCWarning(lcPane, "%s did not open: %s", qUtf8Printable(address), whatFailed());
        }
    }
    emit realPaneReady();
}
