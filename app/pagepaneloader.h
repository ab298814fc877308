#pragma once

class PagePane;
class QWidget;

// The web-engine page pane from its module beside the executable, or
// nullptr when the module or the engine cannot be loaded.
PagePane *loadWebPagePane(QWidget *parent);
