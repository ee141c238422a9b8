// Where a secondary window goes when its button opens it: directly below the main window,
// as wide as it and at its own height; or, when the program runs for that window alone, in
// the main window's place at its own size. Both rectangles are outer ones, frame included.
#pragma once

#include <QRect>

namespace mainwin {

inline QRect subFormPlace(const QRect &mainFrame, const QRect &subFrame, bool inMainPlace)
{
    if (inMainPlace)
        return QRect(mainFrame.topLeft(), subFrame.size());
    return QRect(mainFrame.left(), mainFrame.top() + mainFrame.height(), mainFrame.width(),
                 subFrame.height());
}

} // namespace mainwin
