#pragma once

class QWidget;

// Keeps a top-level window's button out of the desktop's task bar. Call
// before the window is first shown; it holds for the native window made
// then, so nothing may have Qt replace that window later.
void keepOutOfTaskbar(QWidget *window);
