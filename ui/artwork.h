// The program's vector artwork drawn into images (by the windows, and when the program is built).
#pragma once

#include <QImage>
#include <QSize>

class QSvgRenderer;

namespace zentri::ui {

// The picture of `renderer` filling `pixels`, kept in proportion, on a transparent ground, for a
// screen of device pixel ratio `ratio`.
QImage drawArtwork(QSvgRenderer &renderer, const QSize &pixels, qreal ratio);

// One drawing made when the program was built (resources/prerender.cpp writes their table): the
// artwork `resource` at width x height pixels, as premultiplied ARGB32 pixels, row by row without
// padding, compressed with qCompress().
struct PrerenderedArtwork {
    const char *resource;
    int width;
    int height;
    int ratioPercent; // device pixel ratio x 100
    const unsigned char *pixels;
    int size;
};

// The table of those drawings, in the source file that the tool writes.
extern const PrerenderedArtwork kPrerenderedArtwork[];
extern const int kPrerenderedArtworkCount;

} // namespace zentri::ui
