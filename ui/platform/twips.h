#pragma once

#include <QRect>
#include <QSize>

// Window layouts are described in twips. Fifteen twips make one
// device-independent pixel; Qt scales those with the screen.
constexpr int twips(int value)
{
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

constexpr QSize twipsSize(int width, int height)
{
    return {twips(width), twips(height)};
}
