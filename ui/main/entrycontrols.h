#pragma once

#include "commands.h"

#include <functional>

class QLineEdit;
class QWidget;
class SortedComboBox;

// The entry list and the Orvani text box as the menu's step lists and the
// pages shown leave them. The window owns both controls.
class EntryControls
{
public:
    EntryControls(SortedComboBox *list, QLineEdit *box);

    // Names, places and dresses both controls in the window's client area:
    // the list in its classic black and white with the prompt in its field,
    // the box in red on black over the foot of the page pane.
    void placeIn(QWidget *client);

    // Runs `steps` in their order; the page step calls `openPage`, the
    // append step takes the entries of `group`.
    void run(const orvani::Steps &steps, const orvani::WordGroup *group,
             const std::function<void()> &openPage);
    void showPrompt();
    // As a pick of `entry` from its word group leaves them, with no event
    // and no page asked for: the group in the list, the entry as its text,
    // and the box showing the entry's Orvani text or, for a page-only
    // entry, hidden with its text as it was.
    void showAsPicked(const orvani::Entry &entry);

private:
    SortedComboBox *m_list;
    QLineEdit *m_box;
};
