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

// Saves the picture under a name the user chose: a PNG when the name ends in
// ".png", a 24-bit bitmap under any other name. A picture that was never
// drawn has nothing to save, and nothing is written. False when the file
// could not be written; `message` then names the file and the reason, for
// the user.
bool savePictureAs(const QString& path, const Raster& picture, QString* message);

}  // namespace graf::ui
