#include "pagepaneloader.h"

#include "pagepanefactory.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QThread>

#include <utility>

QT_BEGIN_NAMESPACE
// Exported by Qt GUI; the web engine reads the context it shares from here.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace {

QOpenGLContext *g_ownShareContext = nullptr;
bool g_releaseRegistered = false;

void releaseShareContext()
{
    if (QOpenGLContext::globalShareContext() == g_ownShareContext)
        qt_gl_set_global_share_context(nullptr);
    delete std::exchange(g_ownShareContext, nullptr);
}

} // namespace

PagePaneLoader::PagePaneLoader(const QString &folder)
    : m_module(folder + QStringLiteral("/orvani-webpane"))
{
}

PagePaneLoader::~PagePaneLoader()
{
    for (std::thread *worker : {&m_contextMaker, &m_moduleLoader})
        if (worker->joinable())
            worker->join();
}

void PagePaneLoader::preload()
{
    if (std::exchange(m_preloadStarted, true))
        return;
    // The engine draws through a context shared with Qt's. Qt makes one
    // while the QApplication is constructed when asked to beforehand
    // (Qt::AA_ShareOpenGLContexts), but loading the OpenGL driver would then
    // hold up the first paint. Here the context is made on one worker while
    // another loads the engine's libraries. Those only ask, as they load,
    // that a shared context be set; the engine uses it when its first view
    // is made, after both workers are done.
    if (!QOpenGLContext::globalShareContext()) {
        g_ownShareContext = new QOpenGLContext;
        qt_gl_set_global_share_context(g_ownShareContext);
        // Asking whether contexts may be made off the main thread loads the
        // driver, so the worker asks; where they may not, create() makes it.
        m_contextMaker = std::thread([context = g_ownShareContext, mainThread = QThread::currentThread()] {
            if (QOpenGLContext::supportsThreadedOpenGL() && context->create())
                context->shareGroup()->moveToThread(mainThread); // made here with the context
        });
    }
    m_moduleLoader = std::thread([this] { m_module.load(); }); // failure: a null instance
}

PagePane *PagePaneLoader::create(QWidget *parent)
{
    preload();
    for (std::thread *worker : {&m_contextMaker, &m_moduleLoader})
        if (worker->joinable())
            worker->join();
    // Where it cannot be made either, it stays set but invalid, as Qt's own
    // would: the engine then draws without OpenGL.
    if (g_ownShareContext && !g_ownShareContext->isValid())
        g_ownShareContext->create();
    // Post routines run last-registered first: the engine registers its own
    // when the first view is made, so it shuts down before the context goes.
    if (g_ownShareContext && !std::exchange(g_releaseRegistered, true))
        qAddPostRoutine(releaseShareContext);
    auto *factory = qobject_cast<PagePaneFactory *>(m_module.instance());
    return factory ? factory->createPagePane(parent) : nullptr;
}
