#include "onscreenplacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// One axis: the start of a span of `length` from `start`, moved just enough
// to end inside [areaStart, areaEnd) and then to begin inside it.
int startWithin(int start, int length, int areaStart, int areaEnd)
{
    start = std::min(start, areaEnd - length);
    return std::max(start, areaStart);
}

// Waits for the window to show for the first time: by then the window
// manager has placed it and Qt knows its frame.
class FirstShowWatch final : public QObject
{
public:
    explicit FirstShowWatch(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->winId(); // the native window, to watch it
        window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            const QRect frame = m_window->frameGeometry();
            if (const QScreen *screen = m_window->screen()) {
                const QPoint position = positionWhollyInside(frame, screen->availableGeometry());
                if (position != frame.topLeft())
                    m_window->move(position); // a window's position is its frame's
            }
            deleteLater();
        }
        return false;
    }

private:
    QWidget *const m_window;
};

} // namespace

QPoint positionWhollyInside(const QRect &frame, const QRect &area)
{
    return {startWithin(frame.x(), frame.width(), area.x(), area.x() + area.width()),
            startWithin(frame.y(), frame.height(), area.y(), area.y() + area.height())};
}

void keepWhollyOnScreenWhenPlaced(QWidget *window)
{
    new FirstShowWatch(window);
}
