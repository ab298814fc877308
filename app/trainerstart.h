#pragma once

#include "pagepaneloader.h"

#include <QPointer>
#include <QProcessEnvironment>
#include <QString>

class DeferredPagePane;
class Form1;
class Platform;
class QApplication;

// The start of the trainer, the same for the program and its benchmark:
// the process settings taken before the QApplication exists, the
// application's names, and the main window with its page pane.
//
// The main window holds its controls and its page pane as Qt children and
// destroys itself when it is closed (unloaded), About or not. A main window
// still open when the start object goes (the program left its event loop
// without closing it) goes with it, so the web engine's view never outlives
// the application object: make the start object after the QApplication.
class TrainerStart
{
public:
    // Before the QApplication is made: sets what the process needs where the
    // user has not set it, and returns the environment as it was before.
    static QProcessEnvironment prepareProcess();
    static void setUpApplication(QApplication &application);

    // The main window, built but not shown; its page pane comes from the
    // module in applicationFolder once the window has painted.
    TrainerStart(Platform &platform, const QString &applicationFolder);
    ~TrainerStart();
    TrainerStart(const TrainerStart &) = delete;
    TrainerStart &operator=(const TrainerStart &) = delete;

    // The main window and its page pane; nullptr once the window is closed.
    Form1 *window() const;
    DeferredPagePane *pane() const;

    // Starts readying the web engine and shows the window.
    void show();

private:
    PagePaneLoader m_loader;
    QPointer<DeferredPagePane> m_pane;
    QPointer<Form1> m_window;
};
