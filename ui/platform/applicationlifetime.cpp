#include "applicationlifetime.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

bool countsAsWindow(const QWidget *widget)
{
    switch (widget->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Drawer:
    case Qt::Tool:
        return widget->isVisible();
    default:
        return false;
    }
}

class WindowWatcher final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow() && !m_checkQueued) {
            m_checkQueued = true;
            QTimer::singleShot(0, this, [this] {
                m_checkQueued = false;
                const auto windows = QApplication::topLevelWidgets();
                if (std::none_of(windows.begin(), windows.end(), countsAsWindow))
                    QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_checkQueued = false;
};

} // namespace

void quitWhenNoWindowIsLeft(QApplication &application)
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    application.installEventFilter(new WindowWatcher(&application));
}
