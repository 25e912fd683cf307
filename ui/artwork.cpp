#include "artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zentri::ui {

QImage drawArtwork(QSvgRenderer &renderer, const QSize &pixels, qreal ratio) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace zentri::ui
