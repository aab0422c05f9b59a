// SPDX-License-Identifier: MIT
#pragma once
// The drawing of the picture a window or an export shows, for the vector
// files: what the state draws (grid, axes, ticks and curves after a plot run,
// or the bare cleared picture), with the axis numbers when "123" has written
// them since. It is given only when, painted with the raster's own rules, it
// gives exactly the pixels shown: a picture with more on it (a marked point,
// a sum or a traced curve) has no drawing.
#include <optional>

#include "plot/picture_drawing.h"
#include "plot/plot_state.h"
#include "plot/raster.h"

namespace graf {

// `shown` is the picture of `st`; `faceColor` is the colour of a cleared
// picture; `text` draws texts as the picture's own renderer does (the axis
// numbers are looked for only when it is given). Nothing when the picture
// does not exist or shows more than a drawing holds.
std::optional<PictureDrawing> drawingOfShownPicture(const PlotState& st, const Raster& shown, Color faceColor,
                                                    TextRenderer* text);

}  // namespace graf
