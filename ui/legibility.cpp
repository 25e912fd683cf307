#include "legibility.h"

#include <QLayout>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace zentri::ui {

namespace {
double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

int scaled(int value, double scale) {
    return int(std::lround(value * scale));
}

QRect scaled(const QRect &r, double scale) {
    const int left = scaled(r.left(), scale);
    const int top = scaled(r.top(), scale);
    return QRect(left, top, scaled(r.left() + r.width(), scale) - left,
                 scaled(r.top() + r.height(), scale) - top);
}

bool placedByLayout(const QWidget *w) {
    const QWidget *parent = w->parentWidget();
    return parent && parent->layout() && parent->layout()->indexOf(const_cast<QWidget *>(w)) >= 0;
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleBackground(const QColor &text) {
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    return contrastRatio(text, white) >= contrastRatio(text, black) ? white : black;
}

QColor legibleInk(const QColor &ink, const QColor &background) {
    if (contrastRatio(ink, background) >= kLegibleContrast)
        return ink;
    return legibleBackground(background); // the same choice: the one of black and white further away
}

void setLegibleColors(QWidget *label, const QColor &text) {
    const QWidget *under = label->parentWidget() ? label->parentWidget() : label;
    const QColor ground = under->palette().color(QPalette::Window);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, text);
    const bool ownGround = contrastRatio(text, ground) < kLegibleContrast;
    pal.setColor(QPalette::Window, ownGround ? legibleBackground(text) : ground);
    label->setPalette(pal);
    label->setAutoFillBackground(ownGround);
}

double fontScale(const QWidget *widget) {
    return std::max(1.0, widget->logicalDpiY() / 96.0);
}

void scaleGeometry(QWidget *root, double scale) {
    if (scale == 1.0)
        return;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (w->isWindow())
            continue;
        const bool fixedWidth = w->minimumWidth() == w->maximumWidth();
        const bool fixedHeight = w->minimumHeight() == w->maximumHeight();
        if (fixedWidth)
            w->setFixedWidth(scaled(w->minimumWidth(), scale));
        if (fixedHeight)
            w->setFixedHeight(scaled(w->minimumHeight(), scale));
        if (!placedByLayout(w))
            w->setGeometry(scaled(w->geometry(), scale));
    }
}

} // namespace zentri::ui
