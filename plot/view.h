// SPDX-License-Identifier: MIT
#pragma once
// Zoom and pan, the held pan buttons, the wheel and the coordinate read-out.
// The origin on the picture and the pan steps follow from the pans, so they
// are worked out when asked, never stored beside them. Only the commands
// change the view, through the operations below, which keep its bounds: the
// zoom is 1, 2, 4 or 8, the pans are multiples of 32, and PanX stays within
// −160..160. Turning points into pixels is the redraw's business.
#include <cstdint>
#include <string>

namespace graf {

// The picture's geometry: the origin at rest lies at column 205, row 160 of
// the 393 × 321 picture, and one plot unit is 4·ZoomFactor pixels on both axes.
inline constexpr int OriginColumn = 205;
inline constexpr int OriginRow = 160;
constexpr int pixelsPerUnit(int zoomFactor) { return 4 * zoomFactor; }

enum class PanDirection { Up, Down, Left, Right };

struct View {
  static constexpr int PanPixels = 32;  // one pan step
  static constexpr int MaxPanX = 160;   // the origin stays on the picture sideways
  static constexpr int MaxZoom = 8;

  std::int32_t ZoomFactor = 1;  // 1, 2, 4 or 8
  std::int32_t PanX = 0;        // a multiple of 32 within −160..160
  std::int32_t PanY = 0;        // a multiple of 32; positive moves the origin down
  // The plot x at column 205 and y at row 160, worked out at every plot run.
  double ViewCentreX = 0;
  double ViewCentreY = 0;

  bool PanUpHeld = false;
  bool PanDownHeld = false;
  bool PanLeftHeld = false;
  bool PanRightHeld = false;
  bool WheelVertical = true;  // the wheel pans up and down, else left and right
  bool WheelScrolls = true;   // the last turn pans rather than zooms

  // The last mouse position over the picture and its read-out texts.
  int CursorX = 0;
  int CursorY = 0;
  std::string CursorXText;
  std::string CursorYText;

  // Where the origin lies on the picture.
  int originX() const { return OriginColumn + PanX; }
  int originY() const { return OriginRow + PanY; }
  // The pans in steps: rightwards and upwards count up.
  int panStepsX() const { return -PanX / PanPixels; }
  int panStepsY() const { return PanY / PanPixels; }

  // One pan step; false, and nothing changes, at the sideways bound.
  bool pan(PanDirection d);
  // The origin back at rest; the zoom stays.
  void centre() { PanX = PanY = 0; }
  // Zoom 1 and the origin at rest.
  void reset() {
    ZoomFactor = 1;
    centre();
  }
  // The zoom button: 1, 2, 4, 8, then 1 again.
  void zoomStep();
  // The wheel with Ctrl: one zoom step in or out, up to 8 and down to 1.
  void zoomIn() {
    if (ZoomFactor < MaxZoom) ZoomFactor *= 2;
  }
  void zoomOut() {
    if (ZoomFactor > 1) ZoomFactor /= 2;
  }
  // ViewCentreX and ViewCentreY from the pan steps and the zoom.
  void recomputeCentre();

  void hold(PanDirection d, bool held);
  bool held(PanDirection d) const;
  void releaseAll() { PanUpHeld = PanDownHeld = PanLeftHeld = PanRightHeld = false; }
};

}  // namespace graf
