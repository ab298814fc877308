#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// Where a window's frame goes so that it lies wholly inside `area` with the
// least movement: where it is, when it already does. A frame wider or taller
// than the area keeps its left or top edge, and so its title bar, inside.
QPoint positionWhollyInside(const QRect &frame, const QRect &area);

// Lets the window manager place the top-level `window` as it places any new
// window, then, once it shows, moves it just enough to lie wholly in its
// screen's available area, where the window manager left part of it off.
// Call before the window is first shown.
void keepWhollyOnScreenWhenPlaced(QWidget *window);
