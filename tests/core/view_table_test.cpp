// SPDX-License-Identifier: MIT
// The view and the function table keep their own rules: the origin and the
// pan steps follow from the pans, the pans stay in bounds, the zoom runs
// through 1, 2, 4, 8, and the table stores a first-degree function with C 0.
#include <gtest/gtest.h>

#include <vector>

#include "plot/function_table.h"
#include "plot/view.h"

namespace graf {
namespace {

TEST(ViewTest, PansMoveTheOriginAndCountSteps) {
  using D = PanDirection;
  const struct {
    const char* name;
    std::vector<PanDirection> pans;
    int originX, originY, stepsX, stepsY;
  } cases[] = {
      {"at rest", {}, 205, 160, 0, 0},
      {"one up moves the origin down", {D::Up}, 205, 192, 0, 1},
      {"two down", {D::Down, D::Down}, 205, 96, 0, -2},
      {"one left moves the origin right", {D::Left}, 237, 160, -1, 0},
      {"one right", {D::Right}, 173, 160, 1, 0},
      {"six left stop at five", {D::Left, D::Left, D::Left, D::Left, D::Left, D::Left}, 365, 160, -5, 0},
      {"six right stop at five", {D::Right, D::Right, D::Right, D::Right, D::Right, D::Right}, 45, 160, 5, 0},
      {"up and back", {D::Up, D::Right, D::Down}, 173, 160, 1, 0},
  };
  for (const auto& c : cases) {
    View v;
    for (PanDirection d : c.pans) v.pan(d);
    EXPECT_EQ(v.originX(), c.originX) << c.name;
    EXPECT_EQ(v.originY(), c.originY) << c.name;
    EXPECT_EQ(v.panStepsX(), c.stepsX) << c.name;
    EXPECT_EQ(v.panStepsY(), c.stepsY) << c.name;
  }
}

TEST(ViewTest, APanAtTheSidewaysBoundChangesNothing) {
  View v;
  for (int k = 0; k < 5; ++k) ASSERT_TRUE(v.pan(PanDirection::Left));
  EXPECT_FALSE(v.pan(PanDirection::Left));
  EXPECT_EQ(v.PanX, 160);
  for (int k = 0; k < 10; ++k) ASSERT_TRUE(v.pan(PanDirection::Right));
  EXPECT_FALSE(v.pan(PanDirection::Right));
  EXPECT_EQ(v.PanX, -160);
  for (int k = 0; k < 20; ++k) EXPECT_TRUE(v.pan(PanDirection::Up)) << "up and down have no bound";
}

TEST(ViewTest, ZoomStepsAndTheCentreFollowTheZoom) {
  View v;
  std::vector<int> seen;
  for (int k = 0; k < 5; ++k) {
    v.zoomStep();
    seen.push_back(v.ZoomFactor);
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 4, 8, 1, 2}));
  v.zoomIn();
  v.zoomIn();
  v.zoomIn();
  EXPECT_EQ(v.ZoomFactor, 8) << "the wheel stops at 8";
  v.pan(PanDirection::Right);
  v.pan(PanDirection::Up);
  v.recomputeCentre();
  EXPECT_EQ(v.ViewCentreX, 1.0);  // one step of 8 units at zoom 8
  EXPECT_EQ(v.ViewCentreY, 1.0);
  for (int k = 0; k < 4; ++k) v.zoomOut();
  EXPECT_EQ(v.ZoomFactor, 1) << "and at 1";
  v.recomputeCentre();
  EXPECT_EQ(v.ViewCentreX, 8.0);
  v.centre();
  EXPECT_EQ(v.originX(), 205);
  EXPECT_EQ(v.originY(), 160);
  v.zoomStep();
  v.pan(PanDirection::Left);
  v.reset();
  EXPECT_EQ(v.ZoomFactor, 1);
  EXPECT_EQ(v.PanX, 0);
  EXPECT_EQ(v.PanY, 0);
}

TEST(FunctionTableTest, StoresAFirstDegreeFunctionWithoutC) {
  FunctionTable t;
  const int s = t.countNew();
  t.put(s, Kind::Linear, 2, -1, 7);
  const int q = t.countNew();
  t.put(q, Kind::Quadratic, 1, 0, 7);
  EXPECT_EQ(t.count(), 2);
  EXPECT_EQ(t.CoefC[1], 0.0);
  EXPECT_EQ(t.CoefC[2], 7.0);
  EXPECT_TRUE(t.contains(Kind::Linear, 2, -1, 0, 2));
  EXPECT_FALSE(t.contains(Kind::Quadratic, 1, 0, 7, 2)) << "only entries below the given one count";
  EXPECT_TRUE(t.contains(Kind::Quadratic, 1, 0, 7, 3));
  EXPECT_FALSE(t.contains(Kind::AbsoluteValue, 2, -1, 0, 3)) << "the kind counts";
}

TEST(FunctionTableTest, CountsUpToFiftyAndBackToNothing) {
  FunctionTable t;
  for (int k = 0; k < 60; ++k) t.countNew();
  EXPECT_EQ(t.count(), MaxFunctions);
  EXPECT_TRUE(t.full());
  t.removeLast();
  EXPECT_EQ(t.count(), 49);
  t.clear();
  t.removeLast();
  EXPECT_EQ(t.count(), 0) << "taking back with nothing stored leaves nothing";
  t.assignCount(70);
  EXPECT_EQ(t.count(), MaxFunctions);
}

}  // namespace
}  // namespace graf
