#include "pagepaneloader.h"

#include "enginestartnotes.h"
#include "pagepanefactory.h"

#include <QCoreApplication>

PagePaneLoader::PagePaneLoader(const QString &folder)
    : m_module(folder + QStringLiteral("/orvani-webpane"))
{
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
    quietenEngineStartNotes();
    m_moduleLoader = std::thread([this] { m_module.load(); }); // failure: a null instance
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
    return factory ? factory->createPagePane(parent) : nullptr;
}
