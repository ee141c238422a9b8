#include "main_window/clickable_image.h"

#include <QIcon>
#include <QMouseEvent>

ClickableImage::ClickableImage(const QString &svgResource, QWidget *parent)
    : QLabel(parent), m_resource(svgResource)
{
    setAlignment(Qt::AlignCenter);
    setAcceptDrops(false);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    // A press that is dragged off the image and released elsewhere is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableImage::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    renderPicture();
}

void ClickableImage::renderPicture()
{
    // QIcon renders the SVG afresh for the screen's pixel ratio, so it stays crisp.
    setPixmap(QIcon(m_resource).pixmap(size()));
}
