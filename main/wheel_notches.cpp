// SPDX-License-Identifier: MIT
#include "main/wheel_notches.h"

namespace graf {

int WheelNotches::turn(int vertical, int horizontal, bool alt) {
  const int angle = vertical == 0 && alt ? horizontal : vertical;
  remainder_ += angle;
  const int notches = remainder_ / Notch;  // whole notches, towards zero
  remainder_ -= notches * Notch;
  return notches;
}

}  // namespace graf
