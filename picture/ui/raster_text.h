// SPDX-License-Identifier: MIT
#pragma once
// Text on the picture: the program's 8-point font in crisp pixels, no
// smoothing, so that every pixel of a letter is either the text colour or
// left as it was.
#include <QFont>

#include "plot/raster.h"

namespace graf::ui {

class RasterTextRenderer : public TextRenderer {
 public:
  RasterTextRenderer();
  void drawText(Raster& raster, int x, int y, const std::string& text, Color color, bool opaque,
                Color background) override;
  const QFont& font() const { return font_; }

 private:
  QFont font_;
};

}  // namespace graf::ui
