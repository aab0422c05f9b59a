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
      st_.PanStepsY += 1;
      st_.OriginY += 32;
      st_.PanY += 32;
      break;
    case PanDirection::Down:
      st_.PanStepsY -= 1;
      st_.OriginY -= 32;
      st_.PanY -= 32;
      break;
    case PanDirection::Left:
      if (st_.PanX >= 160) return;
      st_.PanStepsX -= 1;
      st_.OriginX += 32;
      st_.PanX += 32;
      break;
    case PanDirection::Right:
      if (st_.PanX <= -160) return;
      st_.PanStepsX += 1;
      st_.OriginX -= 32;
      st_.PanX -= 32;
      break;
  }
  clearPicture();
  ui_.main.setCaption("Íme a függvény");
  plotRoutine();
}

void Commands::setPanHeld(PanDirection d, bool held) {
  const std::uint8_t v = held ? 1 : 0;
  switch (d) {
    case PanDirection::Up: st_.PanUpHeld = v; break;
    case PanDirection::Down: st_.PanDownHeld = v; break;
    case PanDirection::Left: st_.PanLeftHeld = v; break;
    case PanDirection::Right: st_.PanRightHeld = v; break;
  }
}

void Commands::repeatTick() {
  // A tick that arrives while a redraw is still running (its message box is
  // open) is dropped: redraws never nest.
  if (busy()) return;
  if (st_.FunctionCount == 0) return;
  if (!repeatSlowed_) {
    ui_.main.setRepeatInterval(200);
    repeatSlowed_ = true;
  }
  if (st_.PanUpHeld) panStep(PanDirection::Up);
  if (st_.PanDownHeld) panStep(PanDirection::Down);
  if (st_.PanLeftHeld) panStep(PanDirection::Left);
  if (st_.PanRightHeld) panStep(PanDirection::Right);
}

void Commands::zoomStep() {
  if (st_.PlotShown != 1) {
    ui_.notifier.message(MessageType::Confirmation, "Mit nagyítsak?");
    return;
  }
  clearPicture();
  st_.ZoomFactor = st_.ZoomFactor >= 2 ? st_.ZoomFactor * 2 : 2;
  if (st_.ZoomFactor > 8) st_.ZoomFactor = 1;
  ui_.main.setZoomLabel(zoomText(st_.ZoomFactor));
  plotRoutine();
}

void Commands::wheelTurn(bool up, WheelModifiers mods) {
  if (busy()) return;
  // The turn operation, then the wheel-up or wheel-down operation.
  st_.WheelScrolls = mods.exactlyCtrl() ? 0 : 1;
  if (st_.FunctionCount == 0) return;
  if (mods.exactlyCtrl()) {
    st_.WheelScrolls = 0;
    if (up && st_.ZoomFactor < 8) st_.ZoomFactor *= 2;
    if (!up && st_.ZoomFactor > 1) st_.ZoomFactor /= 2;
    ui_.main.setZoomLabel(zoomText(st_.ZoomFactor));
    redraw();
  }
  if (st_.WheelScrolls == 1) {
    if (st_.WheelVertical == 1)
      panStep(up ? PanDirection::Up : PanDirection::Down);
    else
      panStep(up ? PanDirection::Left : PanDirection::Right);
  }
}

void Commands::centre() {
  if (st_.FunctionCount == 0) return;
  st_.OriginX = 205;
  st_.OriginY = 160;
  st_.PanStepsX = 0;
  st_.PanStepsY = 0;
  clearPicture();
  st_.PanX = 0;
  st_.PanY = 0;
  plotRoutine();
}

void Commands::directionSwitch() {
  st_.WheelVertical = st_.WheelVertical == 1 ? 0 : 1;
  ui_.main.setWheelDirectionVertical(st_.WheelVertical == 1);
}

}  // namespace graf
