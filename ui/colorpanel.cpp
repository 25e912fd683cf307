#include "colorpanel.h"

#include <QPainter>

namespace zentri::ui {

ColorPanel::ColorPanel(QWidget *parent) : QFrame(parent) {}

void ColorPanel::setColor(const QColor &color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

void ColorPanel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    p.setPen(color_.darker(160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zentri::ui
