#include "main/ui/picture_file.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

#include "main/picture_export.h"
#include "common/ui/ui_support.h"
#include "platform/files.h"

namespace graf::ui {

QImage toQImage(const Raster& picture) {
  QImage image(Raster::Width, Raster::Height, QImage::Format_RGB32);
  const Color* src = picture.data();
  for (int y = 0; y < Raster::Height; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < Raster::Width; ++x) line[x] = toQRgb(*src++);
  }
  return image;
}

QByteArray encodePicture(const Raster& picture, PictureFormat format) {
  if (format == PictureFormat::Bitmap) {
    const std::vector<std::uint8_t> bitmap = encodeBitmap24(picture);
    return QByteArray(reinterpret_cast<const char*>(bitmap.data()), static_cast<qsizetype>(bitmap.size()));
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(toQImage(picture))) return {};
  return png;
}

bool writePictureFile(const QString& path, PictureFormat format, const Raster& picture, QString* reason) {
  const QByteArray data = encodePicture(picture, format);
  if (data.isEmpty()) {
    if (reason) *reason = QStringLiteral("a képet nem sikerült elkészíteni");
    return false;
  }
  return platform::writeWholeFile(path, data, reason);
}

bool savePictureAs(const QString& path, const Raster& picture, QString* message) {
  if (!picture.exists()) return true;
  const PictureFormat format = pictureFormatFor(path.toStdString()).value_or(PictureFormat::Bitmap);
  QString reason;
  if (writePictureFile(path, format, picture, &reason)) return true;
  if (message)
    *message = QStringLiteral("A kép nem menthető ide: „%1”\n%2").arg(QDir::toNativeSeparators(path), reason);
  return false;
}

}  // namespace graf::ui
