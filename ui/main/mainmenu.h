#pragma once

#include "commands.h"

#include <QString>

#include <functional>

class QMainWindow;

// Gives the main window its menu bar, built from the phrasebook's menu
// description: each item named and captioned as its table row says, and
// triggering what `slotFor` gives for it. F10 and Alt reach the bar from
// the keyboard.
using MenuSlot = std::function<void()>;
void buildMainMenu(
    QMainWindow *window,
    const std::function<MenuSlot(const orvani::MenuItem &, const QString &name)> &slotFor);
