#pragma once

#include <QMenuBar>

// A menu bar that the keyboard reaches the way desktop users expect: a
// press and release of Alt, or F10, puts it in keyboard mode, where the
// arrow keys move between items and Enter chooses one.
class KeyboardMenuBar : public QMenuBar
{
    Q_OBJECT
public:
    explicit KeyboardMenuBar(QWidget *parent = nullptr);

    // Highlights the first item for keyboard use, as Alt does.
    void enterKeyboardMode();
};
