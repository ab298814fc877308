#include "webpaneplugin.h"

#include "webpagepane.h"

PagePane *WebPanePlugin::createPagePane(QWidget *parent)
{
    return new WebPagePane(parent);
}
