// SPDX-License-Identifier: MIT
#pragma once
// The picture as a file: a Windows bitmap, a PNG, or a drawing of vectors in
// SVG or PDF, chosen by the name.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "plot/raster.h"

namespace graf {

// A 24-bit uncompressed Windows bitmap of the whole 393 × 321 picture, each
// pixel written as a scale × scale block: file header, 40-byte info header,
// then the rows bottom-up, each pixel as blue, green, red and each row padded
// to a multiple of 4 bytes. The picture must exist.
std::vector<std::uint8_t> encodeBitmap24(const Raster& picture, int scale = 1);

// Whether a file name ends in `lowerSuffix` (given in small letters), in any
// case of letters: "KEP.BMP" ends in ".bmp".
bool endsWithNoCase(std::string_view name, std::string_view lowerSuffix);

enum class PictureFormat { Bitmap, Png, Svg, Pdf };

// The format a picture file's name asks for: ".bmp" a 24-bit bitmap, ".png" a
// PNG, ".svg" an SVG drawing, ".pdf" a one-page PDF, in any case of letters;
// any other name asks for none.
std::optional<PictureFormat> pictureFormatFor(std::string_view path);

// Whether the format keeps the picture as a drawing rather than as pixels.
constexpr bool isDrawingFormat(PictureFormat f) { return f == PictureFormat::Svg || f == PictureFormat::Pdf; }

// What a picture's name must end in, said to the user.
inline constexpr const char* kPictureNameRule = "a kép neve \".bmp\", \".png\", \".svg\" vagy \".pdf\" végű legyen";

}  // namespace graf
