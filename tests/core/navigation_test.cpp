// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

class Navigation : public CoreTest {
 protected:
  // The bounds of the pans. The origin and the pan steps are worked out from
  // the pans (ViewTest checks them), so they cannot fall out of step.
  void expectViewInStep() {
    EXPECT_EQ(st.view.PanX % 32, 0);
    EXPECT_EQ(st.view.PanY % 32, 0);
    EXPECT_GE(st.view.PanX, -160);
    EXPECT_LE(st.view.PanX, 160);
  }
};

TEST_F(Navigation, HorizontalStepsStopAtTheBoundsWithoutARedraw) {
  plot(Kind::Linear, "1", "0");
  for (int i = 0; i < 5; ++i) cmd.panStep(PanDirection::Left);
  EXPECT_EQ(st.view.PanX, 160);
  EXPECT_EQ(st.view.originX(), 365);
  const int changes = ui.pictureChanges;
  cmd.panStep(PanDirection::Left);
  EXPECT_EQ(st.view.PanX, 160);
  EXPECT_EQ(ui.pictureChanges, changes);
  expectViewInStep();

  for (int i = 0; i < 11; ++i) cmd.panStep(PanDirection::Right);
  EXPECT_EQ(st.view.PanX, -160);
  EXPECT_EQ(st.view.panStepsX(), 5);
  expectViewInStep();

  for (int i = 0; i < 12; ++i) cmd.panStep(PanDirection::Down);
  EXPECT_EQ(st.view.PanY, -384);  // no vertical bound
  EXPECT_EQ(st.view.originY(), -224);
  expectViewInStep();
  EXPECT_EQ(ui.caption, "Íme a függvény");
}

TEST_F(Navigation, ViewCentreFollowsTheStepsAndTheZoom) {
  plot(Kind::Linear, "1", "0");
  cmd.panStep(PanDirection::Right);
  cmd.panStep(PanDirection::Right);
  EXPECT_EQ(st.view.ViewCentreX, 16);
  cmd.zoomStep();
  EXPECT_EQ(st.view.ViewCentreX, 8);
  EXPECT_EQ(st.view.originX(), 141);  // the origin keeps its pixel
  cmd.zoomStep();
  cmd.zoomStep();
  EXPECT_EQ(st.view.ViewCentreX, 2);
}

TEST_F(Navigation, ZoomButtonCyclesAndRefusesWithoutAPlot) {
  cmd.zoomStep();
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{confirmation("Mit nagyítsak?")});
  EXPECT_EQ(st.view.ZoomFactor, 1);
  plot(Kind::Linear, "1", "0");
  std::vector<int> seen;
  std::vector<std::string> labels;
  for (int i = 0; i < 4; ++i) {
    cmd.zoomStep();
    seen.push_back(st.view.ZoomFactor);
    labels.push_back(ui.zoomLabel);
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 4, 8, 1}));
  EXPECT_EQ(labels, (std::vector<std::string>{"2x", "4x", "8x", "1x"}));
}

TEST_F(Navigation, RepeatTickActsOnHeldButtonsOnlyOnceAFunctionIsStored) {
  cmd.setPanHeld(PanDirection::Up, true);
  cmd.repeatTick();
  EXPECT_EQ(st.view.PanY, 0);
  EXPECT_EQ(ui.repeatInterval, 50);

  plot(Kind::Linear, "1", "0");
  cmd.setPanHeld(PanDirection::Left, true);
  cmd.repeatTick();
  EXPECT_EQ(ui.repeatInterval, 200);
  EXPECT_EQ(st.view.PanY, 32);
  EXPECT_EQ(st.view.PanX, 32);
  cmd.setPanHeld(PanDirection::Up, false);
  cmd.setPanHeld(PanDirection::Left, false);
  cmd.repeatTick();
  EXPECT_EQ(st.view.PanY, 32);
  EXPECT_EQ(st.view.PanX, 32);
  expectViewInStep();
}

TEST_F(Navigation, TicksAndWheelTurnsDuringARedrawsMessageBoxAreDropped) {
  plot(Kind::Linear, "1", "0");
  cmd.setPanHeld(PanDirection::Up, true);
  int nestedPanY = -1;
  // While the refusal's message box is open, a tick and a wheel notch arrive.
  ui.onMessage = [&] {
    cmd.repeatTick();
    cmd.wheelTurn(true, {});
    nestedPanY = st.view.PanY;
  };
  plot(Kind::Linear, "x", "0");
  EXPECT_EQ(nestedPanY, 0);
  ui.onMessage = nullptr;
  cmd.setPanHeld(PanDirection::Up, true);
  cmd.repeatTick();  // once the box is closed, a new hold acts again
  EXPECT_EQ(st.view.PanY, 32);
}

// A message box swallows the release of a held pan button: every box lets
// go of all four, so the view stops and no second box follows.
TEST_F(Navigation, AMessageBoxEndsEveryHold) {
  const struct {
    const char* name;
    int stored;            // functions stored before the hold
    const char* fieldA;    // what the fields hold while the view moves
    Dialog expected;        // the one box the hold brings
  } cases[] = {
      {"at the maximum", 50, "50", information("Függvényábrázolási maximum elérve!")},
      {"letters in a field", 3, "x", warning("Betűkből nem lehet függvényt ábrázolni!")},
      {"out of range", 3, "101", information("Ezt még át kéne egyszer gondolni!")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    cmd.clearAll();
    for (int i = 1; i <= c.stored; ++i) plot(Kind::Quadratic, std::to_string(i), "0", "0");
    ui.dialogs.clear();
    ui.type(c.fieldA, "0", "0");
    int heldWhileOpen = -1;
    ui.onMessage = [&] {
      heldWhileOpen = st.view.PanUpHeld + st.view.PanDownHeld + st.view.PanLeftHeld + st.view.PanRightHeld;
    };
    cmd.setPanHeld(PanDirection::Up, true);
    cmd.setPanHeld(PanDirection::Right, true);
    cmd.repeatTick();
    ui.onMessage = nullptr;
    EXPECT_EQ(heldWhileOpen, 0);
    const int panY = st.view.PanY, panX = st.view.PanX;
    for (int tick = 0; tick < 8; ++tick) cmd.repeatTick();  // 1.6 s of a lost release
    EXPECT_EQ(st.view.PanY, panY);
    EXPECT_EQ(st.view.PanX, panX);
    EXPECT_EQ(ui.dialogs, std::vector<Dialog>{c.expected});
    expectViewInStep();
  }
}

TEST_F(Navigation, ReleasingThePanButtonsClearsEveryHeldFlag) {
  plot(Kind::Linear, "1", "0");
  for (auto d : {PanDirection::Up, PanDirection::Down, PanDirection::Left, PanDirection::Right})
    cmd.setPanHeld(d, true);
  cmd.releasePanButtons();
  EXPECT_EQ(st.view.PanUpHeld + st.view.PanDownHeld + st.view.PanLeftHeld + st.view.PanRightHeld, 0);
  cmd.repeatTick();
  EXPECT_EQ(st.view.PanX, 0);
  EXPECT_EQ(st.view.PanY, 0);
}

TEST_F(Navigation, WheelZoomsWithCtrlAloneAndPansOtherwise) {
  cmd.wheelTurn(true, {.ctrl = true});
  EXPECT_EQ(st.view.ZoomFactor, 1);  // nothing stored: nothing happens
  plot(Kind::Linear, "1", "0");

  cmd.wheelTurn(true, {.ctrl = true});
  EXPECT_EQ(st.view.ZoomFactor, 2);
  EXPECT_FALSE(st.view.WheelScrolls);
  for (int i = 0; i < 3; ++i) cmd.wheelTurn(true, {.ctrl = true});
  EXPECT_EQ(st.view.ZoomFactor, 8);
  EXPECT_EQ(ui.zoomLabel, "8x");
  // At 8x the zoom stays, but the picture is still redrawn: a function typed
  // into the fields is registered by that redraw.
  ui.type("2", "1");
  cmd.wheelTurn(true, {.ctrl = true});
  EXPECT_EQ(st.view.ZoomFactor, 8);
  EXPECT_EQ(st.table.FunctionCount, 2);
  EXPECT_EQ(pic.pixel(205 + 32, 160 - 32 * 3), st.settings.ColorLinear) << "y = 2x + 1 at x = 1";
  for (int i = 0; i < 4; ++i) cmd.wheelTurn(false, {.ctrl = true});
  EXPECT_EQ(st.view.ZoomFactor, 1);
  EXPECT_EQ(st.view.PanY, 0);

  cmd.wheelTurn(true, {.ctrl = true, .shift = true});
  EXPECT_EQ(st.view.PanY, 32);
  cmd.wheelTurn(true, {.ctrl = true, .mouseButton = true});
  EXPECT_EQ(st.view.PanY, 64);
  cmd.wheelTurn(false, {});
  EXPECT_EQ(st.view.PanY, 32);
  EXPECT_EQ(st.view.ZoomFactor, 1);
  EXPECT_TRUE(st.view.WheelScrolls);

  cmd.directionSwitch();
  EXPECT_FALSE(ui.wheelVertical);
  cmd.wheelTurn(false, {});
  EXPECT_EQ(st.view.PanX, -32);  // wheel down moves the view right
  cmd.wheelTurn(true, {});
  cmd.wheelTurn(true, {});
  EXPECT_EQ(st.view.PanX, 32);
  cmd.directionSwitch();
  EXPECT_TRUE(ui.wheelVertical);
  expectViewInStep();
}

TEST_F(Navigation, CentreKeepsTheZoom) {
  cmd.centre();  // nothing stored: nothing happens
  EXPECT_EQ(ui.pictureChanges, 0);
  plot(Kind::Linear, "1", "0");
  cmd.panStep(PanDirection::Up);
  cmd.panStep(PanDirection::Right);
  cmd.zoomStep();
  cmd.centre();
  EXPECT_EQ(st.view.ZoomFactor, 2);
  EXPECT_EQ(st.view.PanX, 0);
  EXPECT_EQ(st.view.PanY, 0);
  expectViewInStep();
  EXPECT_EQ(pic.pixel(205, 100), 0u);  // the y axis is back at column 205
}

}  // namespace
}  // namespace graf::testing
