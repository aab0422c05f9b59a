// SPDX-License-Identifier: MIT
#include "export/shown_drawing.h"

#include <algorithm>

#include "functionsets/load_session.h"
#include "export/no_windows.h"
#include "plot/commands.h"

namespace graf {

namespace {
bool samePixels(const Raster& a, const Raster& b) {
  return std::equal(a.data(), a.data() + static_cast<std::size_t>(Raster::Width) * Raster::Height, b.data());
}
}  // namespace

std::optional<PictureDrawing> drawingOfShownPicture(const PlotState& st, const Raster& shown, Color faceColor,
                                                    TextRenderer* text) {
  if (!shown.exists()) return std::nullopt;
  PictureDrawing drawing;
  if (st.flags.PlotShown)
    drawing = renderedDrawing(st);
  else
    drawing.background = st.flags.PictureCleared ? faceColor : 0xFFFFFF;
  Raster painted;
  paintDrawing(drawing, painted, nullptr);
  if (samePixels(painted, shown)) return drawing;
  if (!text || !st.flags.PlotShown) return std::nullopt;

  // The axis numbers, as "123" writes them over that picture.
  PlotState copy = st;
  NoWindows windows;
  TextRecorder recorder(text);
  painted.setTextRenderer(&recorder);
  LoadSession noLoad(windows);
  Commands cmd(copy, painted, Ports{windows, noLoad});
  cmd.numberAxes();
  painted.setTextRenderer(nullptr);
  if (!samePixels(painted, shown)) return std::nullopt;
  drawing.texts = recorder.texts();
  return drawing;
}

}  // namespace graf
