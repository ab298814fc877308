#pragma once

#include <QColor>
#include <QRectF>

#include <algorithm>

// How the floating words look and move: their colours, their easing and
// the room they take.
inline const QColor kPalette[] = {
    QColor(0x8e, 0xcf, 0xe6), // pale sky
    QColor(0xf0, 0xc2, 0x84), // amber
    QColor(0xc4, 0xa8, 0xee), // lavender
    QColor(0x9a, 0xdc, 0xb4), // sage
    QColor(0xf2, 0xa6, 0xae), // rose
};

inline qreal smoothStep(qreal t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A calmer companion colour for the English line.
inline QColor muted(const QColor &colour)
{
    const QColor grey(0xb4, 0xb4, 0xb4);
    return QColor((colour.red() + 2 * grey.red()) / 3, (colour.green() + 2 * grey.green()) / 3,
                  (colour.blue() + 2 * grey.blue()) / 3);
}

// All the room a word takes while it drifts upwards.
inline QRectF travelled(const QRectF &start, qreal drift)
{
    return start.united(start.translated(0, -drift));
}

inline qreal haloPadding(int orvaniPixels)
{
    return orvaniPixels * 0.6;
}
