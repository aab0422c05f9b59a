// SPDX-License-Identifier: MIT
#pragma once
// The drawing of the picture a window or an export shows, for the vector
// files: the record the commands keep of what they have drawn on it since it
// was last cleared (the plot run's grid, axes, ticks and curves, then the
// sums, traced curves, marked points and axis numbers in the order drawn).
#include <optional>

#include "plot/commands.h"
#include "plot/picture_drawing.h"

namespace graf {

// Nothing when the picture does not exist yet.
inline std::optional<PictureDrawing> drawingOfShownPicture(const Commands& cmd) { return cmd.drawing(); }

}  // namespace graf
