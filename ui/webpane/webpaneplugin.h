#pragma once

#include "pagepanefactory.h"

#include <QObject>

// The module's entry: makes web-engine page panes.
class WebPanePlugin : public QObject, public PagePaneFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PagePaneFactory_iid)
    Q_INTERFACES(PagePaneFactory)
public:
    PagePane *createPagePane(QWidget *parent) override;
};
