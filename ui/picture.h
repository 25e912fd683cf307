// Pictures of the program's vector artwork.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <future>

class QSvgRenderer;

namespace zentri::ui {

// The drawing of the artwork `resource` (":/art/front-panel.svg") at `pixels` and `ratio` that was
// made when the program was built, so that the start-up needs neither the vector drawing nor its
// fonts; a null image where none was made. Only the main window's front panel is drawn ahead, at the
// size the main window shows it at, for device pixel ratios 1 and 2.
QImage prerenderedArtwork(const QString &resource, const QSize &pixels, qreal ratio);

// A picture drawn from one of the program's SVG resources, sharp at any scale. It is drawn once for
// each size it is shown at and kept (taken from the drawings made at build time where there is one),
// and its resource is read when first needed.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString &resource, QWidget *parent = nullptr);
    ~Picture() override;
    QSize sizeHint() const override;

    // Starts drawing the picture at its present size on another thread, so that its first showing
    // finds it ready (the main window's front panel, drawn while the other windows are built).
    void renderAhead();

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QSvgRenderer *renderer() const;

    QString resource_;
    mutable QSvgRenderer *renderer_ = nullptr;
    QImage drawn_; // the picture at the size it was last shown at
    std::future<QImage> ahead_;
};

} // namespace zentri::ui
