// Window geometry is laid out in twips (1/1440 inch); at 96 dots per inch a pixel is 15.
#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include <span>

namespace ui {

constexpr int twips(int value)
{
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Where a control of a window lies, by its object name, and the tooltip it carries.
struct ControlPlace {
    const char *name;
    int left, top, width, height;  // twips
    const char16_t *tooltip;       // nullptr: none
};

// Puts each named child of the window at its place, with its tooltip; a picture button's
// picture fills it but for a small margin.
inline void placeControls(QWidget *window, std::span<const ControlPlace> places)
{
    for (const ControlPlace &place : places) {
        auto *control = window->findChild<QWidget *>(QString::fromLatin1(place.name),
                                                     Qt::FindDirectChildrenOnly);
        Q_ASSERT(control);
        control->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
        if (place.tooltip)
            control->setToolTip(QString::fromUtf16(place.tooltip));
        if (auto *button = qobject_cast<QPushButton *>(control))
            button->setIconSize(button->size() - QSize(8, 8));
    }
}

} // namespace ui
