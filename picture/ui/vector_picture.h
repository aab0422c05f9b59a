// SPDX-License-Identifier: MIT
#pragma once
// The picture as a drawing in a file: SVG, or a one-page PDF for print. Both
// hold the same lines, polylines and texts in the picture's own 393 × 321
// coordinates, one unit a pixel; each pixel's centre lies half a unit in from
// its top-left corner, so a line of width 1 covers exactly the pixels the
// picture sets. The texts are the program's font at its size on the screen.
#include <QByteArray>
#include <QFont>

#include "picture/picture_export.h"
#include "plot/picture_drawing.h"

class QPainter;

namespace graf::ui {

// Paints the drawing in picture coordinates: the background, the lines, each
// curve piece as one polyline through its points, and the texts in `font`.
void paintDrawing(QPainter& painter, const PictureDrawing& drawing, const QFont& font);

// The font of the texts: the program's font at the pixel size it has on the
// picture.
QFont drawingFont();

// An SVG of 393 × 321 user units.
QByteArray encodeSvg(const PictureDrawing& drawing);

// A PDF of one A4 page in portrait, the picture centred on it and 180 mm
// wide (the width an A4 page prints with 15 mm margins).
QByteArray encodePdf(const PictureDrawing& drawing);

// The file in the format asked for (SVG or PDF); empty when it could not be
// made.
QByteArray encodeDrawing(const PictureDrawing& drawing, PictureFormat format);

}  // namespace graf::ui
