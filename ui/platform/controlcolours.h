#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Gives a control one background and one text colour, whatever part of the
// palette its style paints with.
inline void setControlColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, background);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, text);
    widget->setPalette(palette);
}
