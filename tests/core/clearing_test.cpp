// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

using Clearing = CoreTest;

TEST_F(Clearing, ClearAllResetsTheViewAndKeepsTheOldEntries) {
  plot(Kind::Quadratic, "1", "2", "3");
  cmd.panStep(PanDirection::Right);
  cmd.panStep(PanDirection::Right);
  cmd.zoomStep();
  cmd.zoomStep();
  ASSERT_EQ(st.view.ZoomFactor, 4);
  cmd.mouseMove(10, 10);
  session.progress().LoadMode = true;
  ui.loadStatus = "Betöltött függvények: 1";

  cmd.clearAll();
  EXPECT_EQ(st.table.FunctionCount, 0);
  EXPECT_EQ(st.table.CoefC[1], 3);  // the arrays are not erased
  EXPECT_EQ(st.view.ZoomFactor, 1);
  EXPECT_EQ(ui.zoomLabel, "1x");
  EXPECT_EQ(st.view.PanX, 0);
  EXPECT_EQ(st.view.PanY, 0);
  EXPECT_EQ(st.view.panStepsX(), 0);
  EXPECT_EQ(st.view.panStepsY(), 0);
  EXPECT_EQ(st.view.originX(), 205);
  EXPECT_EQ(st.view.originY(), 160);
  EXPECT_FALSE(st.flags.PlotShown);
  EXPECT_TRUE(st.flags.PictureCleared);
  EXPECT_FALSE(session.progress().LoadMode);
  EXPECT_EQ(st.flags.ListedCount, 0);
  EXPECT_TRUE(ui.rows.empty());
  EXPECT_EQ(ui.fields[0] + ui.fields[1] + ui.fields[2], "");
  EXPECT_EQ(ui.readoutX + ui.readoutY, "");
  EXPECT_EQ(ui.caption, "Függvényválasztás");
  EXPECT_EQ(ui.countPanel, "Függvények száma: 0");
  EXPECT_EQ(ui.selectionLabel, "Kiválasztott függvények: ");
  EXPECT_EQ(ui.loadStatus, "Nincs betöltve semmi");
  EXPECT_FALSE(ui.deleteLastEnabled);
  EXPECT_EQ(ui.kind, Kind::Quadratic);  // the kind choice stays
  for (int y : {0, 160, 320})
    for (int x : {0, 205, 392}) EXPECT_EQ(pic.pixel(x, y), kFace);

  // The next plot is centred at 1x, and the next zoom step goes to 2x.
  plot(Kind::Linear, "1", "0");
  EXPECT_EQ(st.table.FunctionCount, 1);
  cmd.mouseMove(205, 100);
  EXPECT_EQ(ui.readoutX, "0.00");
  cmd.zoomStep();
  EXPECT_EQ(st.view.ZoomFactor, 2);
}

TEST_F(Clearing, ClearFunctionsKeepsTheViewAndTheFields) {
  plot(Kind::Linear, "1", "0");
  cmd.panStep(PanDirection::Up);
  cmd.zoomStep();
  cmd.clearFunctions();
  EXPECT_EQ(st.table.FunctionCount, 0);
  EXPECT_FALSE(st.flags.PlotShown);
  EXPECT_EQ(st.view.ZoomFactor, 2);
  EXPECT_EQ(st.view.PanY, 32);
  EXPECT_EQ(ui.fields[0], "1");
  EXPECT_TRUE(ui.rows.empty());
  EXPECT_FALSE(ui.deleteLastEnabled);
  EXPECT_EQ(pic.pixel(205, 192), kFace);
  // The zoom button refuses until the next plot.
  cmd.zoomStep();
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{confirmation("Mit nagyítsak?")});
  plot(Kind::Linear, "1", "0");
  EXPECT_EQ(pic.pixel(205, 300), 0u);  // the y axis on a white picture
  EXPECT_EQ(pic.pixel(200, 192), 0u);  // the x axis, still 32 pixels down
  EXPECT_EQ(pic.pixel(0, 0), 0xFFFFFFu);
}

TEST_F(Clearing, DeleteLastRefillsTheFieldsAndRedrawsTheRest) {
  plot(Kind::Linear, "2.5", "-3");
  plot(Kind::Quadratic2, "0.5", "1", "3");
  plot(Kind::AbsoluteValue, "1", "0", "0");
  ASSERT_EQ(ui.rows.size(), 3u);
  // |x| at x = 10.5 lies at pixel (247, 118), off the grid lines.
  ASSERT_EQ(pic.pixel(247, 118), st.settings.ColorAbsolute);
  cmd.deleteLastFunction();
  EXPECT_EQ(st.table.FunctionCount, 2);
  EXPECT_EQ(ui.rows.size(), 2u);
  EXPECT_EQ(st.flags.ListedCount, 2);
  EXPECT_EQ(ui.kind, Kind::Quadratic2);
  EXPECT_TRUE(ui.cEnabled);
  EXPECT_EQ(ui.fields[0], "0.50");
  EXPECT_EQ(ui.fields[1], "1.00");
  EXPECT_EQ(ui.fields[2], "3.00");
  EXPECT_EQ(ui.countPanel, "Függvények száma: 2");
  EXPECT_TRUE(ui.deleteLastEnabled);
  EXPECT_EQ(pic.pixel(247, 118), 0xFFFFFFu);

  cmd.deleteLastFunction();
  EXPECT_EQ(ui.kind, Kind::Linear);
  EXPECT_FALSE(ui.cEnabled);
  EXPECT_EQ(ui.fields[0], "2.50");
  EXPECT_EQ(ui.fields[1], "-3.00");
  EXPECT_EQ(table(), std::vector<std::string>{"1:2.5:-3:0"});
}

TEST_F(Clearing, DeletingTheOnlyFunctionIsClearAll) {
  plot(Kind::Linear, "1", "0");
  cmd.zoomStep();
  cmd.deleteLastFunction();
  EXPECT_EQ(st.table.FunctionCount, 0);
  EXPECT_EQ(st.view.ZoomFactor, 1);
  EXPECT_EQ(ui.fields[0], "");
  EXPECT_FALSE(ui.deleteLastEnabled);
  EXPECT_TRUE(ui.rows.empty());
}

TEST_F(Clearing, DeleteWithNothingStoredDoesNotWrapTheCount) {
  cmd.deleteLastFunction();
  EXPECT_EQ(st.table.FunctionCount, 0);
  EXPECT_FALSE(st.flags.PlotShown);
}

TEST_F(Clearing, DeleteKeepsTheTableInStepWhenACoefficientHasMoreDecimals) {
  // As a hand-made function-set file can leave it: function 2 has 0.125.
  plot(Kind::Linear, "1", "0");
  plot(Kind::Linear, "2", "0");
  plot(Kind::Linear, "3", "0");
  st.table.CoefA[2] = 0.125;
  cmd.deleteLastFunction();
  EXPECT_EQ(ui.fields[0], "0.125");
  EXPECT_EQ(table(), (std::vector<std::string>{"1:1:0:0", "1:0.125:0:0"}));
  EXPECT_EQ(ui.rows.size(), 2u);
}

}  // namespace
}  // namespace graf::testing
