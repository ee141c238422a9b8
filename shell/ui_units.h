// Window geometry is laid out in twips (1/1440 inch); at 96 dots per inch a pixel is 15.
#pragma once

#include <QRect>

namespace ui {

constexpr int twips(int value)
{
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace ui
