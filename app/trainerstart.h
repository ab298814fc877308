#pragma once

#include "pagepaneloader.h"

#include <QString>

class DeferredPagePane;
class Form1;
class Platform;
class QApplication;

// The start of the trainer, the same for the program and its benchmark:
// the process settings taken before the QApplication exists, the
// application's names, and the main window with its page pane.
class TrainerStart
{
public:
    // Before the QApplication is made.
    static void prepareProcess();
    static void setUpApplication(QApplication &application);

    // The main window, built but not shown; its page pane comes from the
    // module in applicationFolder once the window has painted.
    TrainerStart(Platform &platform, const QString &applicationFolder);

    Form1 *window() const { return m_window; }
    DeferredPagePane *pane() const { return m_pane; }

    // Starts readying the web engine and shows the window.
    void show();

private:
    PagePaneLoader m_loader;
    DeferredPagePane *m_pane;
    Form1 *m_window = nullptr;
};
