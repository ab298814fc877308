#pragma once

class QWidget;

// Keeps a top-level window's button out of the desktop's task bar. Call
// before the window is first shown.
void keepOutOfTaskbar(QWidget *window);
