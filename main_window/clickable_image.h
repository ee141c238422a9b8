// An image control that draws an SVG picture at its own size and reports clicks.
#pragma once

#include <QLabel>

class ClickableImage : public QLabel {
    Q_OBJECT
public:
    ClickableImage(const QString &svgResource, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void renderPicture();
    QString m_resource;
};
