#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPluginLoader>
#include <QString>

class PagePane;
class QWidget;

// Makes the web-engine page pane from its module, orvani-webpane, in a
// given folder. Loading the engine's libraries is slow and needs no window:
// preload() takes it to a worker thread while the window shows and paints,
// and ready() tells when it is done. The GUI thread never waits for it; a
// load still under way when the loader goes is waited for then, at exit.
class PagePaneLoader : public QObject
{
    Q_OBJECT
public:
    explicit PagePaneLoader(const QString &folder, QObject *parent = nullptr);
    ~PagePaneLoader() override;

    // Starts loading the module; later calls do nothing.
    void preload();
    // Whether the module has been loaded, or failed to load.
    bool isReady() const { return m_ready; }
    // Once ready: a new pane, or nullptr, with a warning saying why, when the
    // module or the engine cannot be loaded.
    PagePane *create(QWidget *parent);

signals:
    void ready();

private:
    QString m_path;
    QPluginLoader m_module;
    QFutureWatcher<void> m_load;
    bool m_started = false;
    bool m_ready = false;
};
