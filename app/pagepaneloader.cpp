#include "pagepaneloader.h"

#include "pagepanefactory.h"

#include <QCoreApplication>
#include <QOpenGLWidget>

PagePaneLoader::PagePaneLoader(const QString &folder)
    : m_module(folder + QStringLiteral("/orvani-webpane"))
{
}

PagePaneLoader::~PagePaneLoader()
{
    waitForModule();
}

void PagePaneLoader::prepareProcess()
{
    // The engine draws through an OpenGL context shared with the window's.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void PagePaneLoader::prepareHost(QWidget *host)
{
    // The engine's view composes through OpenGL. Qt gives a window whose
    // native window was made without such a child a new one when one joins
    // it: a second window on the screen, without what the first was told.
    // A hidden OpenGL widget makes the window compose that way from the start.
    auto *composer = new QOpenGLWidget(host);
    composer->setObjectName(QStringLiteral("openGLComposer"));
    composer->setGeometry(0, 0, 1, 1);
    composer->hide();
}

void PagePaneLoader::preload()
{
    // While the worker runs, only it touches the module.
    if (m_moduleLoader.joinable() || m_module.isLoaded())
        return;
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
