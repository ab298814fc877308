#include "webpaneplugin.h"

#include "webpagepane.h"

PagePane *WebPanePlugin::createPagePane(QWidget *parent)
{
    // On Linux the engine shows its pages to screen readers only when this
    // is set before it starts; even then it builds their accessible tree
    // only while an assistive technology is listening.
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    return new WebPagePane(parent);
}
