#pragma once
// The picture as an image and as a file: a 24-bit Windows bitmap or a PNG of
// exactly its 393 × 321 pixels. Neither needs a display or an application
// object, so pictures can be written without any window.
#include <QByteArray>
#include <QImage>
#include <QString>

#include "main/set_export.h"
#include "plot/raster.h"

namespace graf::ui {

// The picture's pixels as a 32-bit RGB image. The picture must exist.
QImage toQImage(const Raster& picture);

// The bytes of the picture file in the given format.
QByteArray encodePicture(const Raster& picture, PictureFormat format);

// Replaces `path` by a complete picture file in the given format; on failure
// the old file stays as it was, and `reason` says why in Hungarian.
bool writePictureFile(const QString& path, PictureFormat format, const Raster& picture, QString* reason);

}  // namespace graf::ui
