// SPDX-License-Identifier: MIT
#include "picture/ui/picture_file.h"

#include <array>
#include <cstring>

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

#include "picture/picture_export.h"
#include "picture/ui/vector_picture.h"
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

QImage toIndexedImage(const Raster& picture, int scale) {
  const int n = scale < 1 ? 1 : scale;
  QImage image(Raster::Width * n, Raster::Height * n, QImage::Format_Indexed8);
  if (image.isNull()) return {};
  // The palette lists the colours in the order they first appear; a picture
  // holds a handful of them, so a short search beats any map.
  std::array<Color, 256> colors{};
  int count = 0;
  Color last = 0;
  uchar lastIndex = 0;
  bool started = false;
  const Color* src = picture.data();
  for (int y = 0; y < Raster::Height; ++y) {
    uchar* line = image.scanLine(y * n);
    const Color* row = src + static_cast<std::size_t>(y) * Raster::Width;
    for (int x = 0; x < Raster::Width; ++x) {
      const Color c = row[x];
      if (!started || c != last) {
        int i = 0;
        while (i < count && colors[static_cast<std::size_t>(i)] != c) ++i;
        if (i == count) {
          if (count == 256) return {};
          colors[static_cast<std::size_t>(count++)] = c;
        }
        last = c;
        lastIndex = static_cast<uchar>(i);
        started = true;
      }
      for (int k = 0; k < n; ++k) *line++ = lastIndex;
    }
    for (int k = 1; k < n; ++k)
      std::memcpy(image.scanLine(y * n + k), image.constScanLine(y * n), static_cast<std::size_t>(image.bytesPerLine()));
  }
  QList<QRgb> palette;
  palette.reserve(count);
  for (int i = 0; i < count; ++i) palette.append(toQRgb(colors[static_cast<std::size_t>(i)]));
  image.setColorTable(palette);
  return image;
}

QByteArray encodePicture(const Raster& picture, PictureFormat format, int scale) {
  if (format == PictureFormat::Bitmap) {
    const std::vector<std::uint8_t> bitmap = encodeBitmap24(picture, scale);
    return QByteArray(reinterpret_cast<const char*>(bitmap.data()), static_cast<qsizetype>(bitmap.size()));
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  QImage image = toIndexedImage(picture, scale);
  if (image.isNull()) {
    const int n = scale < 1 ? 1 : scale;
    image = toQImage(picture).scaled(Raster::Width * n, Raster::Height * n, Qt::IgnoreAspectRatio,
                                     Qt::FastTransformation);
  }
  if (!writer.write(image)) return {};
  return png;
}

bool writePictureFile(const QString& path, PictureFormat format, const Raster& picture, QString* reason,
                      int scale) {
  const QByteArray data = encodePicture(picture, format, scale);
  if (data.isEmpty()) {
    if (reason) *reason = QStringLiteral("a képet nem sikerült elkészíteni");
    return false;
  }
  return platform::writeWholeFile(path, data, reason);
}

bool writeDrawingFile(const QString& path, PictureFormat format, const PictureDrawing& drawing, QString* reason) {
  const QByteArray data = encodeDrawing(drawing, format);
  if (data.isEmpty()) {
    if (reason) *reason = QStringLiteral("a rajzot nem sikerült elkészíteni");
    return false;
  }
  return platform::writeWholeFile(path, data, reason);
}

bool savePictureAs(const QString& path, const Raster& picture, QString* message, int scale,
                   const std::optional<PictureDrawing>& drawing) {
  if (!picture.exists()) return true;
  const PictureFormat format = pictureFormatFor(path.toStdString()).value_or(PictureFormat::Bitmap);
  QString reason;
  if (isDrawingFormat(format)) {
    if (!drawing)
      reason = QStringLiteral("ez a kép csak bitképként vagy PNG-képként menthető");
    else if (writeDrawingFile(path, format, *drawing, &reason))
      return true;
  } else if (writePictureFile(path, format, picture, &reason, scale)) {
    return true;
  }
  if (message)
    *message = QStringLiteral("A kép nem menthető ide: „%1”\n%2").arg(QDir::toNativeSeparators(path), reason);
  return false;
}

}  // namespace graf::ui
