#pragma once

#include "productinfo.h"

#include <QtPlugin>

class PagePane;
class QWidget;

// Implemented by the module that holds the web-engine page pane, so that the
// program can paint its window before the engine's libraries are loaded.
class PagePaneFactory
{
public:
    virtual ~PagePaneFactory() = default;
    // A new pane whose widget is a child of `parent`.
    virtual PagePane *createPagePane(QWidget *parent) = 0;
};

#define PagePaneFactory_iid ORVANI_APP_ID ".PagePaneFactory/1.0"
Q_DECLARE_INTERFACE(PagePaneFactory, PagePaneFactory_iid)
