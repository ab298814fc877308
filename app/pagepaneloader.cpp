#include "pagepaneloader.h"

#include "enginestartnotes.h"
#include "logging.h"
#include "pagepanefactory.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

PagePaneLoader::PagePaneLoader(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_path(QFileInfo(folder + QStringLiteral("/orvani-webpane")).absoluteFilePath())
    , m_module(m_path)
{
    quietenEngineStartNotes();
    connect(&m_load, &QFutureWatcher<void>::finished, this, [this] {
        m_ready = true;
        emit ready();
    });
}

PagePaneLoader::~PagePaneLoader()
{
    m_load.waitForFinished();
}

void PagePaneLoader::preload()
{
    // While the worker runs, only it touches the module.
    if (std::exchange(m_started, true))
        return;
    // A failure shows as a null instance.
    m_load.setFuture(QtConcurrent::run([this] { m_module.load(); }));
}

PagePane *PagePaneLoader::create(QWidget *parent)
{
    if (!m_ready) {
        qCWarning(lcPane, "the web page pane was asked for before its module was loaded");
        return nullptr;
    }
    auto *factory = qobject_cast<PagePaneFactory *>(m_module.instance());
    if (!factory) {
        qCWarning(lcPane, "the web page pane cannot be loaded from %s: %s", qUtf8Printable(m_path),
                  qUtf8Printable(m_module.errorString()));
        return nullptr;
    }
    return factory->createPagePane(parent);
}
