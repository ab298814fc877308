#include "keyboardmenubar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleFactory>

namespace {

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
    m_returnFocusTo = QApplication::focusWidget();
    setFocus(Qt::MenuBarFocusReason);
    setActiveAction(actions().constFirst());
}

void KeyboardMenuBar::keyPressEvent(QKeyEvent *event)
{
    QMenuBar::keyPressEvent(event);
    // Escape gives the keyboard back to where it was before F10.
    if (event->key() == Qt::Key_Escape && hasFocus() && m_returnFocusTo)
        m_returnFocusTo->setFocus(Qt::MenuBarFocusReason);
}
