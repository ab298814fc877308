#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

// Gives a control one background and one text colour, whatever part of the
// palette its style paints with. What the control marks (its selected text,
// the current row of its list, its focus frame) it marks in the text colour,
// with the background colour on it: the system's highlight may barely differ
// from a dark background.
inline void setControlColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, background);
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Highlight, text);
    palette.setColor(QPalette::HighlightedText, background);
    widget->setPalette(palette);
}
