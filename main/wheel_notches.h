// SPDX-License-Identifier: MIT
#pragma once
// The turns of a mouse wheel as whole notches. Wheels report their angle in
// eighths of a degree: a standard wheel sends 120 (15°) per notch, a
// high-resolution wheel or a touchpad sends fractions of that. The angles add
// up; every full notch, in either direction, is one wheel step, and what is
// left over waits for the next turn. A turn back first uses up what is left.
namespace graf {

class WheelNotches {
 public:
  // One notch of a standard wheel, in eighths of a degree.
  static constexpr int Notch = 120;

  // Adds the angle of one wheel event and returns the whole notches it
  // completes: positive away from the user (up), negative towards the user
  // (down). `vertical` and `horizontal` are the angles of the two axes; some
  // platforms report a vertical wheel turned with Alt held as a horizontal
  // one, which then counts as the vertical turn it is.
  int turn(int vertical, int horizontal = 0, bool alt = false);

  // The angle not yet used up by whole notches, between −119 and 119.
  int remainder() const { return remainder_; }

 private:
  int remainder_ = 0;
};

}  // namespace graf
