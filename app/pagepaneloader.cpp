#include "pagepaneloader.h"

#include "enginestartnotes.h"
#include "logging.h"
#include "pagepanefactory.h"

#include <QFileInfo>

PagePaneLoader::PagePaneLoader(const QString &folder)
    : m_path(QFileInfo(folder + QStringLiteral("/orvani-webpane")).absoluteFilePath())
    , m_module(m_path)
{
    quietenEngineStartNotes();
}

PagePaneLoader::~PagePaneLoader()
{
    waitForModule();
}

void PagePaneLoader::preload()
{
    // While the worker runs, only it touches the module.
    if (m_moduleLoader.joinable() || m_module.isLoaded())
        return;
    m_moduleLoader = std::thread([this] {
        m_module.load(); // a failure shows as a null instance
        m_ready = true;
    });
}

void PagePaneLoader::waitForModule()
{
    if (m_moduleLoader.joinable())
        m_moduleLoader.join();
}

PagePane *PagePaneLoader::create(QWidget *parent)
{
    waitForModule();
    auto *factory = qobject_cast<PagePaneFactory *>(m_module.instance());
    if (!factory) {
        qCWarning(lcPane, "the web page pane cannot be loaded from %s: %s", qUtf8Printable(m_path),
                  qUtf8Printable(m_module.errorString()));
        return nullptr;
    }
    return factory->createPagePane(parent);
}
