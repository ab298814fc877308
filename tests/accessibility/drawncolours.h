#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <functional>

// Colours read from a widget's drawn pixels, and how far apart they stand.

// The contrast ratio of two colours as accessibility guidelines reckon it,
// from 1 (none) to 21 (black on white).
inline double contrast(const QColor &one, const QColor &other)
{
    auto luminance = [](const QColor &colour) {
        auto linear = [](double value) {
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(one), luminance(other)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour that most of the area's pixels have, counting only the pixels
// that `counts` takes, if it is given.
inline QColor commonest(const QImage &image, const QRect &area,
                        const std::function<bool(int, int)> &counts = {})
{
    QHash<QRgb, int> tally;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            tally[image.pixel(x, y)] += !counts || counts(x, y);
    const auto most = std::max_element(tally.cbegin(), tally.cend());
    return most == tally.cend() || *most == 0 ? QColor() : QColor(most.key());
}

// The colour of the area that stands out most from `ground`: its text.
inline QColor textOn(const QImage &image, const QRect &area, const QColor &ground)
{
    QColor text = ground;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (contrast(image.pixelColor(x, y), ground) > contrast(text, ground))
                text = image.pixelColor(x, y);
    return text;
}
