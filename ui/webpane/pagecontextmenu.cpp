#include "pagecontextmenu.h"

#include <QMenu>
#include <QWebEngineHistory>
#include <QWebEngineView>

namespace {

void addPageAction(QMenu *menu, QWebEngineView *view, const QString &text,
                   QWebEnginePage::WebAction action, bool enabled = true)
{
    QAction *item
        = menu->addAction(text, view, [view, action] { view->triggerPageAction(action); });
    item->setEnabled(enabled);
}

} // namespace

QMenu *createPageContextMenu(QWebEngineView *view)
{
    auto *menu = new QMenu(view);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    addPageAction(menu, view, QStringLiteral("&Back"), QWebEnginePage::Back,
                  view->history()->canGoBack());
    addPageAction(menu, view, QStringLiteral("&Forward"), QWebEnginePage::Forward,
                  view->history()->canGoForward());
    addPageAction(menu, view, QStringLiteral("&Reload"), QWebEnginePage::Reload);
    menu->addSeparator();
    if (view->hasSelection())
        addPageAction(menu, view, QStringLiteral("&Copy"), QWebEnginePage::Copy);
    addPageAction(menu, view, QStringLiteral("Select &all"), QWebEnginePage::SelectAll);
    return menu;
}
