// SPDX-License-Identifier: MIT
#include "plot/view.h"

namespace graf {

bool View::pan(PanDirection d) {
  switch (d) {
    case PanDirection::Up: PanY += PanPixels; return true;
    case PanDirection::Down: PanY -= PanPixels; return true;
    case PanDirection::Left:
      if (PanX >= MaxPanX) return false;
      PanX += PanPixels;
      return true;
    case PanDirection::Right:
      if (PanX <= -MaxPanX) return false;
      PanX -= PanPixels;
      return true;
  }
  return false;
}

void View::zoomStep() {
  ZoomFactor = ZoomFactor >= 2 ? ZoomFactor * 2 : 2;
  if (ZoomFactor > MaxZoom) ZoomFactor = 1;
}

void View::recomputeCentre() {
  const double perStep = 8.0 / ZoomFactor;
  ViewCentreY = panStepsY() * perStep;
  ViewCentreX = panStepsX() * perStep;
}

void View::hold(PanDirection d, bool on) {
  switch (d) {
    case PanDirection::Up: PanUpHeld = on; break;
    case PanDirection::Down: PanDownHeld = on; break;
    case PanDirection::Left: PanLeftHeld = on; break;
    case PanDirection::Right: PanRightHeld = on; break;
  }
}

bool View::held(PanDirection d) const {
  switch (d) {
    case PanDirection::Up: return PanUpHeld;
    case PanDirection::Down: return PanDownHeld;
    case PanDirection::Left: return PanLeftHeld;
    case PanDirection::Right: return PanRightHeld;
  }
  return false;
}

}  // namespace graf
