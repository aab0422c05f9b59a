// SPDX-License-Identifier: MIT
// Wheel angles turned into whole notches.
#include "main/wheel_notches.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace graf::testing {
namespace {

struct WheelCase {
  const char* what;
  std::vector<int> angles;     // vertical angle of each event, eighths of a degree
  std::vector<int> notches;    // notches each event completes
  int remainder;               // what waits for the next event afterwards
};

TEST(WheelNotches, AnglesAddUpToWholeNotches) {
  const WheelCase cases[] = {
      {"one standard notch up", {120}, {1}, 0},
      {"one standard notch down", {-120}, {-1}, 0},
      {"a fast turn of three notches in one event", {360}, {3}, 0},
      {"a fast turn down with a part left over", {-300}, {-2}, -60},
      {"a high-resolution wheel: eight 15-eighth steps make one notch",
       {15, 15, 15, 15, 15, 15, 15, 15, 15},
       {0, 0, 0, 0, 0, 0, 0, 1, 0},
       15},
      {"fractions down", {-40, -40, -40, -40}, {0, 0, -1, 0}, -40},
      {"a turn back uses up what was left first", {90, -60, 90}, {0, 0, 1}, 0},
      {"a reversal after a whole notch does not step back at once", {150, -60, -90}, {1, 0, -1}, 0},
      {"a half notch each way is no notch", {60, -60, 60, -60}, {0, 0, 0, 0}, 0},
      {"an event without angle", {0}, {0}, 0},
  };
  for (const WheelCase& c : cases) {
    SCOPED_TRACE(c.what);
    WheelNotches wheel;
    std::vector<int> seen;
    for (int angle : c.angles) seen.push_back(wheel.turn(angle));
    EXPECT_EQ(seen, c.notches);
    EXPECT_EQ(wheel.remainder(), c.remainder);
  }
}

TEST(WheelNotches, AHorizontalAngleCountsOnlyWithAltAndNoVerticalAngle) {
  WheelNotches wheel;
  EXPECT_EQ(wheel.turn(0, 120, false), 0);   // a sideways wheel pans nothing
  EXPECT_EQ(wheel.turn(0, 120, true), 1);    // a vertical wheel that Alt turned sideways
  EXPECT_EQ(wheel.turn(0, -240, true), -2);
  EXPECT_EQ(wheel.turn(-120, 480, true), -1);  // a vertical angle comes first
  EXPECT_EQ(wheel.remainder(), 0);
}

}  // namespace
}  // namespace graf::testing
