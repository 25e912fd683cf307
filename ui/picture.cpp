#include "picture.h"
#include "artwork.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <cstring>

// The artwork lives in a static library: its resources must be registered explicitly.
static void registerArtwork() {
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(zentri);
        done = true;
    }
}

namespace zentri::ui {

QImage prerenderedArtwork(const QString &resource, const QSize &pixels, qreal ratio) {
    const int percent = int(std::lround(ratio * 100));
    for (int i = 0; i < kPrerenderedArtworkCount; ++i) {
        const PrerenderedArtwork &art = kPrerenderedArtwork[i];
        if (art.width != pixels.width() || art.height != pixels.height() || art.ratioPercent != percent ||
            resource != QLatin1String(art.resource))
            continue;
        const QByteArray pixelData = qUncompress(art.pixels, art.size);
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || pixelData.size() != image.sizeInBytes())
            return {};
        std::memcpy(image.bits(), pixelData.constData(), size_t(pixelData.size()));
        image.setDevicePixelRatio(ratio);
        return image;
    }
    return {};
}

namespace {
QSize pixelSize(const QWidget *w) {
    return (QSizeF(w->size()) * w->devicePixelRatioF()).toSize();
}
} // namespace

Picture::Picture(const QString &resource, QWidget *parent) : QWidget(parent), resource_(resource) {
    registerArtwork();
}

Picture::~Picture() {
    if (ahead_.valid())
        ahead_.wait();
}

QSvgRenderer *Picture::renderer() const {
    if (!renderer_) {
        renderer_ = new QSvgRenderer(resource_, const_cast<Picture *>(this));
        renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return renderer_;
}

QSize Picture::sizeHint() const {
    return renderer()->defaultSize();
}

void Picture::renderAhead() {
    const QString resource = resource_;
    const QSize pixels = pixelSize(this);
    const qreal ratio = devicePixelRatioF();
    ahead_ = std::async(std::launch::async, [resource, pixels, ratio] {
        QImage image = prerenderedArtwork(resource, pixels, ratio);
        if (!image.isNull())
            return image;
        QSvgRenderer renderer(resource); // a renderer of its own: they are not shared between threads
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        return drawArtwork(renderer, pixels, ratio);
    });
}

void Picture::paintEvent(QPaintEvent *) {
    const QSize pixels = pixelSize(this);
    if (drawn_.size() != pixels) {
        if (ahead_.valid())
            drawn_ = ahead_.get();
        if (drawn_.size() != pixels)
            drawn_ = prerenderedArtwork(resource_, pixels, devicePixelRatioF());
        if (drawn_.size() != pixels)
            drawn_ = drawArtwork(*renderer(), pixels, devicePixelRatioF());
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), drawn_);
}

} // namespace zentri::ui
