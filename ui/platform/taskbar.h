#pragma once

class QWidget;

// Keeps a top-level window's button out of the desktop's task bar. Call
// before the window is first shown: on X11 it has Qt make the window's
// native window there and then (winId()) and marks it, relying on Qt to keep
// the mark when it maps the window, and on nothing having Qt replace that
// native window later (a child that composes through OpenGL joining the
// window would). tst_realprogram's look at the program's windows fails when
// either gives way.
void keepOutOfTaskbar(QWidget *window);
