// SPDX-License-Identifier: MIT
// The picture's painting, as the set_load and commands targets need it: no
// check of theirs looks at a pixel, and painting the whole 393 × 321 picture
// several times per input took nearly all of their time. Everything around
// the painting stays: the raster exists after a clear, the pen takes each
// function's colour, and `beforeCurve` runs once per stored function in table
// order (a load moves its progress bar there). The painting itself is fuzzed
// by the line target and checked pixel for pixel by the render tests.
#include "plot/render.h"

namespace graf {

void clearPicture(const PlotState& st, Raster& pic, Color faceColor) {
  pic.create();
  const Color c = st.flags.PictureCleared ? faceColor : 0xFFFFFF;
  pic.setPenColor(c);
  pic.setBrushColor(c);
}

void render(const PlotState& st, Raster& pic, const std::function<void()>& beforeCurve) {
  pic.create();
  for (int i = 1; i <= st.table.FunctionCount && i <= MaxFunctions; ++i) {
    if (beforeCurve) beforeCurve();
    pic.setPenColor(st.settings.*kindInfo(st.table.FunctionKind[i]).color);
  }
}

}  // namespace graf
