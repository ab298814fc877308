#pragma once

#include <QPluginLoader>
#include <QString>

#include <thread>

class PagePane;
class QWidget;

// Makes the web-engine page pane from its module, orvani-webpane, in a
// given folder. The engine needs its libraries loaded and an OpenGL context
// to share, two slow steps that need no window: preload() takes them on two
// worker threads while the window shows and paints, and create() waits only
// for what is not done by then.
class PagePaneLoader
{
public:
    explicit PagePaneLoader(const QString &folder);
    ~PagePaneLoader();

    // Starts the slow steps; later calls do nothing. Needs the QApplication.
    void preload();
    // A new pane, or nullptr when the module or the engine cannot be loaded.
    PagePane *create(QWidget *parent);

private:
    QPluginLoader m_module;
    std::thread m_contextMaker;
    std::thread m_moduleLoader;
    bool m_preloadStarted = false;
};
