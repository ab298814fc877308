#include "mainmenu.h"

#include "classicfonts.h"
#include "form1layout.h"
#include "keyboardmenubar.h"
#include "u16.h"

#include <QMainWindow>
#include <QMenu>
#include <QShortcut>

using namespace orvani;

void buildMainMenu(QMainWindow *window,
                   const std::function<MenuSlot(const MenuItem &, const QString &name)> &slotFor)
{
    auto *bar = new KeyboardMenuBar;
    bar->setNativeMenuBar(false);
    window->setMenuBar(bar);
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
    QObject::connect(f10, &QShortcut::activated, bar, &KeyboardMenuBar::enterKeyboardMode);

    QWidget *submenu = nullptr;
    for (const MenuItem &item : kMenu) {
        if (item.kind == MenuItem::Submenu) {
            QMenu *menu = bar->addMenu(toQString(item.caption));
            menu->menuAction()->setObjectName(toQString(item.menuItem));
            submenu = menu;
            continue;
        }
        const bool isCommand = item.kind == MenuItem::CommandItem;
        const auto name
            = isCommand ? kCommands[item.index].menuItem : kWordGroups[item.index].menuItem;
        const auto caption
            = isCommand ? kCommands[item.index].caption : kWordGroups[item.index].caption;
        QWidget *menu = item.inSubmenu ? submenu : bar;
        auto *action = new QAction(toQString(caption), menu);
        action->setObjectName(toQString(name));
        QObject::connect(action, &QAction::triggered, window, slotFor(item, action->objectName()));
        menu->addAction(action);
    }

    // The classic menu face; where the system's fallback face runs wider, a
    // slightly smaller size keeps all eight items on the bar at once.
    QFont font = tahomaFont(8.25);
    bar->setFont(font);
    while (bar->sizeHint().width() > form1layout::kClientArea.width() && font.pointSizeF() > 6.5) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        bar->setFont(font);
    }
}
