#pragma once
// The picture as a Windows bitmap file.
#include <cstdint>
#include <vector>

#include "plot/raster.h"

namespace graf {

// A 24-bit uncompressed Windows bitmap of the whole 393 × 321 picture:
// file header, 40-byte info header, then the rows bottom-up, each pixel as
// blue, green, red and each row padded to a multiple of 4 bytes.
// The picture must exist.
std::vector<std::uint8_t> encodeBitmap24(const Raster& picture);

}  // namespace graf
