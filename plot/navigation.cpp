// SPDX-License-Identifier: MIT
// Zoom and pan: the zoom button, the held pan buttons with their repeat
// timer, the mouse wheel, the centre button and the wheel direction switch.
#include <algorithm>
#include <string>

#include "plot/commands.h"

namespace graf {

namespace {
std::string zoomText(int zoom) { return std::to_string(zoom) + "x"; }
}  // namespace

void Commands::redraw() {
  clearPicture();
  plotRoutine();
}

void Commands::panStep(PanDirection d) {
  if (!st_.view.pan(d)) return;
  clearPicture();
  setCaption("Íme a függvény");
  plotRoutine();
}

void Commands::setPanHeld(PanDirection d, bool held) { st_.view.hold(d, held); }

void Commands::releasePanButtons() { st_.view.releaseAll(); }

void Commands::repeatTick() {
  // A tick that arrives while a redraw is still running (its message box is
  // open) is dropped: redraws never nest.
  if (busy()) return;
  if (st_.table.FunctionCount == 0) return;
  if (!repeatSlowed_) {
    shown_.repeatInterval = 200;
    shownChanged(kShownRepeat);
    repeatSlowed_ = true;
  }
  for (PanDirection d : {PanDirection::Up, PanDirection::Down, PanDirection::Left, PanDirection::Right})
    if (st_.view.held(d)) panStep(d);
}

void Commands::zoomStep() {
  if (!st_.flags.PlotShown) {
    showMessage(MessageType::Confirmation, "Mit nagyítsak?");
    return;
  }
  clearPicture();
  st_.view.zoomStep();
  setZoomText(zoomText(st_.view.ZoomFactor));
  plotRoutine();
}

void Commands::wheelTurn(bool up, WheelModifiers mods) {
  if (busy()) return;
  // The turn operation, then the wheel-up or wheel-down operation.
  st_.view.WheelScrolls = !mods.exactlyCtrl();
  if (st_.table.FunctionCount == 0) return;
  if (mods.exactlyCtrl()) {
    st_.view.WheelScrolls = false;
    if (up)
      st_.view.zoomIn();
    else
      st_.view.zoomOut();
    setZoomText(zoomText(st_.view.ZoomFactor));
    redraw();
  }
  if (st_.view.WheelScrolls) {
    if (st_.view.WheelVertical)
      panStep(up ? PanDirection::Up : PanDirection::Down);
    else
      panStep(up ? PanDirection::Left : PanDirection::Right);
  }
}

void Commands::centre() {
  if (st_.table.FunctionCount == 0) return;
  clearPicture();
  st_.view.centre();
  plotRoutine();
}

void Commands::showView(int zoom, int stepsRight, int stepsUp) {
  if (!st_.flags.PlotShown) return;
  if (zoom != 1 && zoom != 2 && zoom != 4 && zoom != View::MaxZoom) return;
  const int panX = -View::PanPixels * std::clamp(stepsRight, -View::MaxPanX / View::PanPixels,
                                                 View::MaxPanX / View::PanPixels);
  // Far enough for any picture and still far from the 32-bit bound.
  constexpr int kMaxSteps = 1 << 24;
  const int panY = View::PanPixels * std::clamp(stepsUp, -kMaxSteps, kMaxSteps);
  View& v = st_.view;
  if (v.ZoomFactor == zoom && v.PanX == panX && v.PanY == panY) return;
  clearPicture();
  v.ZoomFactor = zoom;
  v.PanX = panX;
  v.PanY = panY;
  setZoomText(zoomText(zoom));
  setCaption("Íme a függvény");
  plotRoutine();
}

void Commands::directionSwitch() {
  st_.view.WheelVertical = !st_.view.WheelVertical;
  shown_.wheelVertical = st_.view.WheelVertical;
  shownChanged(kShownWheel);
}

}  // namespace graf
