// Text that stays legible at any font size and on any palette.
#pragma once

#include <QColor>

class QWidget;

namespace zentri::ui {

// The contrast every text keeps against its background.
constexpr double kLegibleContrast = 4.5;

// The contrast ratio of two colours (1 to 21) by the WCAG 2 formula of relative luminance.
double contrastRatio(const QColor &a, const QColor &b);

// A background that text in the fixed colour `text` can stand on with a contrast of at least 4.5:1,
// whatever the palette: white behind dark text, black behind light text.
QColor legibleBackground(const QColor &text);

// Text on a fixed background colour: the palette's `ink` where it holds a contrast of 4.5:1 there,
// else black or white, whichever holds more.
QColor legibleInk(const QColor &ink, const QColor &background);
// Gives `label` the text colour `text`, on the window's own background where that gives enough
// contrast, and on a background of its own (legibleBackground()) where it does not.
void setLegibleColors(QWidget *label, const QColor &text);

// How much larger the windows' text is than at the default font (96 dpi): 1 at the default and below.
double fontScale(const QWidget *widget);

// Scales the geometry, and any fixed size, of every descendant of `root` that no layout places, by
// `scale`: windows drawn at fixed positions grow with the font. Nothing changes at a scale of 1.
void scaleGeometry(QWidget *root, double scale);

} // namespace zentri::ui
