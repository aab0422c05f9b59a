// SPDX-License-Identifier: MIT
#include "picture/picture_export.h"

namespace graf {

namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  put16(out, at, v & 0xFFFF);
  put16(out, at + 2, v >> 16);
}
}  // namespace

std::vector<std::uint8_t> encodeBitmap24(const Raster& picture, int scale) {
  const std::uint32_t n = static_cast<std::uint32_t>(scale < 1 ? 1 : scale);
  const std::uint32_t w = Raster::Width * n, h = Raster::Height * n;
  const std::uint32_t rowBytes = (w * 3 + 3) / 4 * 4;
  constexpr std::uint32_t headerBytes = 14 + 40;
  const std::uint32_t imageBytes = rowBytes * h;
  std::vector<std::uint8_t> out(headerBytes + imageBytes, 0);
  out[0] = 'B';
  out[1] = 'M';
  put32(out, 2, headerBytes + imageBytes);
  put32(out, 10, headerBytes);
  put32(out, 14, 40);
  put32(out, 18, w);
  put32(out, 22, h);  // positive: rows stored bottom-up
  put16(out, 26, 1);  // planes
  put16(out, 28, 24);
  put32(out, 30, 0);  // no compression
  put32(out, 34, imageBytes);
  put32(out, 38, 3780);  // 96 dots per inch
  put32(out, 42, 3780);
  for (std::uint32_t y = 0; y < h; ++y) {
    std::size_t at = headerBytes + static_cast<std::size_t>(h - 1 - y) * rowBytes;
    for (std::uint32_t x = 0; x < w; ++x) {
      const Color c = picture.pixel(static_cast<int>(x / n), static_cast<int>(y / n));
      out[at++] = static_cast<std::uint8_t>(c >> 16);  // blue
      out[at++] = static_cast<std::uint8_t>(c >> 8);   // green
      out[at++] = static_cast<std::uint8_t>(c);        // red
    }
  }
  return out;
}

bool endsWithNoCase(std::string_view name, std::string_view lowerSuffix) {
  if (name.size() < lowerSuffix.size()) return false;
  const std::string_view tail = name.substr(name.size() - lowerSuffix.size());
  for (std::size_t i = 0; i < lowerSuffix.size(); ++i)
    if (lower(tail[i]) != lowerSuffix[i]) return false;
  return true;
}

std::optional<PictureFormat> pictureFormatFor(std::string_view path) {
  if (endsWithNoCase(path, ".bmp")) return PictureFormat::Bitmap;
  if (endsWithNoCase(path, ".png")) return PictureFormat::Png;
  if (endsWithNoCase(path, ".svg")) return PictureFormat::Svg;
  if (endsWithNoCase(path, ".pdf")) return PictureFormat::Pdf;
  return std::nullopt;
}

}  // namespace graf
