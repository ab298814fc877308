#include "keyboardmenubar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

// Alt reaches the bar, and the bar's current item is always marked.
class AltNavigationStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_MenuBar_AltKeyNavigation)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    // The bar tells the style its current item is selected, and sunken only
    // while that item's menu is open. Some styles (Fusion among them) mark
    // only a sunken item, so the item that Alt, F10 or the arrows make
    // current, its menu still closed, looked like every other: every current
    // item is drawn as the open one.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuBarItem && (option->state & State_Selected)) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem marked = *item;
                marked.state |= State_Sunken;
                QProxyStyle::drawControl(element, &marked, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

KeyboardMenuBar::KeyboardMenuBar(QWidget *parent)
    : QMenuBar(parent)
{
    auto *style = new AltNavigationStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(this);
    setStyle(style);
}

void KeyboardMenuBar::enterKeyboardMode()
{
    if (actions().isEmpty())
        return;
    // The bar learns of a press and release of Alt through its filter on the
    // window; F10 hands it the same two events, so both keys behave alike:
    // the first item is highlighted with its menu closed, Down or Enter opens
    // a menu at its first item, and a choice or Escape gives the keyboard
    // back to the control that had it. (A key event of Alt itself reports Alt
    // as toggled, so the press carries no modifier.)
    //
    // Relies on Qt's own workings, not on its API: QMenuBar has no public way
    // into keyboard mode, so the two events go straight to the filter it
    // keeps on the window for Alt. Should a later Qt change that filter,
    // tst_accessibility's keyboardAlone fails at its F10 row.
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QMenuBar::eventFilter(window(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QMenuBar::eventFilter(window(), &release);
}
