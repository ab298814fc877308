#pragma once

class QMenu;
class QWebEngineView;

// The page's context menu: moving through the pages seen, reloading, and
// copying text. Nothing that saves a file or opens a window. A plain QMenu,
// so screen readers read it like the menu bar's menus. Deletes itself when
// it closes.
QMenu *createPageContextMenu(QWebEngineView *view);
