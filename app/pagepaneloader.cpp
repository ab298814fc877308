#include "pagepaneloader.h"

#include "pagepanefactory.h"

#include <QCoreApplication>
#include <QPluginLoader>

PagePane *loadWebPagePane(QWidget *parent)
{
    QPluginLoader loader(QCoreApplication::applicationDirPath() + QStringLiteral("/orvani-webpane"));
    auto *factory = qobject_cast<PagePaneFactory *>(loader.instance());
    return factory ? factory->createPagePane(parent) : nullptr;
}
