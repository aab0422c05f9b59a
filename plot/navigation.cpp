// Zoom and pan: the zoom button, the held pan buttons with their repeat
// timer, the mouse wheel, the centre button and the wheel direction switch.
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
  switch (d) {
    case PanDirection::Up:
      st_.view.PanStepsY += 1;
      st_.view.OriginY += 32;
      st_.view.PanY += 32;
      break;
    case PanDirection::Down:
      st_.view.PanStepsY -= 1;
      st_.view.OriginY -= 32;
      st_.view.PanY -= 32;
      break;
    case PanDirection::Left:
      if (st_.view.PanX >= 160) return;
      st_.view.PanStepsX -= 1;
      st_.view.OriginX += 32;
      st_.view.PanX += 32;
      break;
    case PanDirection::Right:
      if (st_.view.PanX <= -160) return;
      st_.view.PanStepsX += 1;
      st_.view.OriginX -= 32;
      st_.view.PanX -= 32;
      break;
  }
  clearPicture();
  ui_.main.setCaption("Íme a függvény");
  plotRoutine();
}

void Commands::setPanHeld(PanDirection d, bool held) {
  switch (d) {
    case PanDirection::Up: st_.view.PanUpHeld = held; break;
    case PanDirection::Down: st_.view.PanDownHeld = held; break;
    case PanDirection::Left: st_.view.PanLeftHeld = held; break;
    case PanDirection::Right: st_.view.PanRightHeld = held; break;
  }
}

void Commands::releasePanButtons() {
  st_.view.PanUpHeld = false;
  st_.view.PanDownHeld = false;
  st_.view.PanLeftHeld = false;
  st_.view.PanRightHeld = false;
}

void Commands::repeatTick() {
  // A tick that arrives while a redraw is still running (its message box is
  // open) is dropped: redraws never nest.
  if (busy()) return;
  if (st_.table.FunctionCount == 0) return;
  if (!repeatSlowed_) {
    ui_.main.setRepeatInterval(200);
    repeatSlowed_ = true;
  }
  if (st_.view.PanUpHeld) panStep(PanDirection::Up);
  if (st_.view.PanDownHeld) panStep(PanDirection::Down);
  if (st_.view.PanLeftHeld) panStep(PanDirection::Left);
  if (st_.view.PanRightHeld) panStep(PanDirection::Right);
}

void Commands::zoomStep() {
  if (!st_.flags.PlotShown) {
    showMessage(MessageType::Confirmation, "Mit nagyítsak?");
    return;
  }
  clearPicture();
  st_.view.ZoomFactor = st_.view.ZoomFactor >= 2 ? st_.view.ZoomFactor * 2 : 2;
  if (st_.view.ZoomFactor > 8) st_.view.ZoomFactor = 1;
  ui_.main.setZoomLabel(zoomText(st_.view.ZoomFactor));
  plotRoutine();
}

void Commands::wheelTurn(bool up, WheelModifiers mods) {
  if (busy()) return;
  // The turn operation, then the wheel-up or wheel-down operation.
  st_.view.WheelScrolls = !mods.exactlyCtrl();
  if (st_.table.FunctionCount == 0) return;
  if (mods.exactlyCtrl()) {
    st_.view.WheelScrolls = false;
    if (up && st_.view.ZoomFactor < 8) st_.view.ZoomFactor *= 2;
    if (!up && st_.view.ZoomFactor > 1) st_.view.ZoomFactor /= 2;
    ui_.main.setZoomLabel(zoomText(st_.view.ZoomFactor));
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
  st_.view.OriginX = OriginColumn;
  st_.view.OriginY = OriginRow;
  st_.view.PanStepsX = 0;
  st_.view.PanStepsY = 0;
  clearPicture();
  st_.view.PanX = 0;
  st_.view.PanY = 0;
  plotRoutine();
}

void Commands::directionSwitch() {
  st_.view.WheelVertical = !st_.view.WheelVertical;
  ui_.main.setWheelDirectionVertical(st_.view.WheelVertical);
}

}  // namespace graf
