#include "webpaneplugin.h"

#include "webpagepane.h"

#include <QQuickWindow>

PagePane *WebPanePlugin::createPagePane(QWidget *parent)
{
    // The engine's view draws through Qt Quick; its software adaptation
    // draws with the raster paint engine, as the window's widgets do, so the
    // window needs no OpenGL: it shows at once, keeps its one native window
    // when the view joins it, and pages show where OpenGL is broken or
    // missing. Asked for once, before the first Qt Quick window exists.
    static const bool chosen = (QQuickWindow::setGraphicsApi(QSGRendererInterface::Software), true);
    Q_UNUSED(chosen);
    return new WebPagePane(parent);
}
