#pragma once

#include <QPluginLoader>
#include <QString>

#include <thread>

class PagePane;
class QWidget;

// Makes the web-engine page pane from its module, orvani-webpane, in a
// given folder. Loading the engine's libraries is slow and needs no window:
// preload() takes it on a worker thread while the window shows and paints,
// and create() waits only for what is not done by then.
class PagePaneLoader
{
public:
    explicit PagePaneLoader(const QString &folder);
    ~PagePaneLoader();

    // Starts loading the module; later calls do nothing.
    void preload();
    // A new pane, or nullptr when the module or the engine cannot be loaded.
    PagePane *create(QWidget *parent);

private:
    void waitForModule();

    QPluginLoader m_module;
    std::thread m_moduleLoader;
};
