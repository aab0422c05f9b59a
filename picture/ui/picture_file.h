// SPDX-License-Identifier: MIT
#pragma once
// The picture as an image and as a file: a 24-bit Windows bitmap or a PNG of
// exactly its 393 × 321 pixels. Neither needs a display or an application
// object, so pictures can be written without any window.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "picture/picture_export.h"
#include "plot/picture_drawing.h"
#include "plot/raster.h"

namespace graf::ui {

// The picture's pixels as a 32-bit RGB image. The picture must exist.
QImage toQImage(const Raster& picture);

// The picture as an 8-bit palette image, each pixel a scale × scale block:
// the picture holds a handful of colours, and every one of them is in the
// palette, so the pixels are exactly the picture's. A null image when the
// picture has more than 256 colours.
QImage toIndexedImage(const Raster& picture, int scale = 1);

// The zlib level of the PNG files.
inline constexpr int PngZlibLevel = 1;

// The picture as a PNG of its palette, 4 bits a pixel where it holds at most
// 16 colours and 8 where at most 256, each pixel a scale × scale block;
// empty when it holds more colours than that.
QByteArray encodePalettePng(const Raster& picture, int scale = 1);

// The bytes of the picture file in the given format, each pixel a scale ×
// scale block; a PNG is a palette image whenever the colours fit.
QByteArray encodePicture(const Raster& picture, PictureFormat format, int scale = 1);

// Replaces `path` by a complete picture file in the given format; on failure
// the old file stays as it was, and `reason` says why in Hungarian.
bool writePictureFile(const QString& path, PictureFormat format, const Raster& picture, QString* reason,
                      int scale = 1);

// Replaces `path` by a complete SVG or PDF file of the drawing; on failure
// the old file stays as it was, and `reason` says why in Hungarian.
bool writeDrawingFile(const QString& path, PictureFormat format, const PictureDrawing& drawing, QString* reason);

// Saves the picture under a name the user chose: a PNG when the name ends in
// ".png", `drawing` as an SVG or a PDF when it ends in ".svg" or ".pdf", a
// 24-bit bitmap under any other name. A picture that was never drawn has
// nothing to save, and nothing is written. False when the file could not be
// written, or when a drawing is asked for and there is none (the picture
// shows a marked point, a sum or a traced curve); `message` then names the
// file and the reason, for the user.
bool savePictureAs(const QString& path, const Raster& picture, QString* message, int scale = 1,
                   const std::optional<PictureDrawing>& drawing = std::nullopt);

}  // namespace graf::ui
