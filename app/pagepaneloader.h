#pragma once

#include <QPluginLoader>
#include <QString>

#include <atomic>
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
    // Whether preload() has finished loading the module, or failed to.
    bool isReady() const { return m_ready; }
    // A new pane, or nullptr, with a warning saying why, when the module or
    // the engine cannot be loaded.
    PagePane *create(QWidget *parent);

private:
    void waitForModule();

    QString m_path;
    QPluginLoader m_module;
    std::thread m_moduleLoader;
    std::atomic<bool> m_ready{false};
};
