// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "functionlist/sum.h"
#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

using Sum = CoreTest;

const Dialog kOnlyTwo = information("Sajnos csak 2 függvény összegét tudom kiszámolni!");

TEST_F(Sum, AnyCountButTwoIsRefused) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Linear, "-1", "2");
  plot(Kind::Linear, "3", "0");
  st.settings.SoundOn = true;
  for (const std::vector<int>& rows : {std::vector<int>{}, {0}, {0, 1, 2}}) {
    ui.dialogs.clear();
    const int changes = ui.pictureChanges;
    sumOfRows(cmd, rows);
    EXPECT_EQ(ui.dialogs, (std::vector<Dialog>{kBeep, kOnlyTwo}));
    EXPECT_EQ(ui.pictureChanges, changes);
    EXPECT_EQ(ui.selectionLabel, "Kiválasztott függvények:");
  }
}

TEST_F(Sum, TheSumIsDrawnOverThePicture) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Quadratic, "1", "0", "0");
  plot(Kind::Linear, "-1", "2");
  sumOfRows(cmd, {2, 0});
  EXPECT_EQ(ui.selectionLabel, "Kiválasztott függvények:  1  3 ");
  // x + (−x + 2) = 2: row 152 across the whole picture.
  for (int x = 0; x < Raster::Width; ++x) ASSERT_EQ(pic.pixel(x, 152), st.settings.ColorSum) << x;
  // Both summed curves stay in their colours: x at (225, 140), −x + 2 at (185, 132).
  EXPECT_EQ(pic.pixel(225, 140), st.settings.ColorLinear);
  EXPECT_EQ(pic.pixel(185, 132), st.settings.ColorLinear);
  // The next redraw removes it.
  cmd.panStep(PanDirection::Up);
  EXPECT_NE(pic.pixel(100, 152), st.settings.ColorSum);
  EXPECT_EQ(st.table.FunctionCount, 3);
}

TEST_F(Sum, TheSumFollowsTheView) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Linear, "-1", "2");
  cmd.zoomStep();
  cmd.panStep(PanDirection::Up);
  sumOfRows(cmd, {0, 1});
  // y = 2 at 2x, origin 32 pixels down: row 192 − 16 = 176.
  EXPECT_EQ(pic.pixel(300, 176), st.settings.ColorSum);
}

TEST_F(Sum, DoubleClickRedrawsAndTracesTheFunctionInBlack) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Linear, "0", "5");
  sumOfRows(cmd, {0, 1});
  ASSERT_EQ(pic.pixel(246, 99), st.settings.ColorSum);  // x + 5 near x = 10.2
  traceRow(cmd, 1);
  EXPECT_EQ(pic.pixel(300, 140), 0u);  // y = 5 traced in black on row 140
  EXPECT_EQ(pic.pixel(246, 99), 0xFFFFFFu) << "the redraw removed the sum";
  EXPECT_EQ(pic.pixel(265, 100), st.settings.ColorLinear);  // x keeps its colour

  const int changes = ui.pictureChanges;
  traceRow(cmd, 2);
  traceRow(cmd, -1);
  EXPECT_EQ(ui.pictureChanges, changes) << "rows beyond the functions are ignored";
}

}  // namespace
}  // namespace graf::testing
