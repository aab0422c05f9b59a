// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

using Readout = CoreTest;

TEST_F(Readout, NothingIsReadBeforeTheFirstPlot) {
  cmd.mouseMove(245, 120);
  EXPECT_EQ(ui.cursor, PictureCursor::Arrow);
  EXPECT_EQ(ui.readoutX + ui.readoutY, "");
  plot(Kind::Linear, "1", "0");
  cmd.mouseMove(245, 120);
  EXPECT_EQ(ui.cursor, PictureCursor::Cross);
}

struct ReadCase {
  int zoomSteps;
  int rightSteps;
  int upSteps;
  int x, y;
  const char* expectX;
  const char* expectY;
};

TEST_F(Readout, PixelsReadAsPlotCoordinates) {
  const ReadCase cases[] = {
      {0, 0, 0, 205, 160, "0.00", "0.00"},   {0, 0, 0, 245, 120, "10.00", "10.00"},
      {1, 0, 0, 245, 120, "5.00", "5.00"},   {0, 1, 0, 205, 160, "8.00", "0.00"},
      {0, 0, 0, 205, 164, "0.00", "-1.00"},  {0, 0, 0, 206, 159, "0.25", "0.25"},
      {3, 0, 0, 206, 161, "0.03", "-0.03"},  // 1/32 = 0.03125
      {3, 2, 1, 205, 160, "2.00", "1.00"},   {2, 0, 0, 204, 160, "-0.06", "0.00"},  // -1/16
      {0, 0, 0, 0, 320, "-51.25", "-40.00"},
  };
  for (const ReadCase& c : cases) {
    st = PlotState{};
    plot(Kind::Linear, "1", "0");
    for (int i = 0; i < c.zoomSteps; ++i) cmd.zoomStep();
    for (int i = 0; i < c.rightSteps; ++i) cmd.panStep(PanDirection::Right);
    for (int i = 0; i < c.upSteps; ++i) cmd.panStep(PanDirection::Up);
    cmd.mouseMove(c.x, c.y);
    EXPECT_EQ(ui.readoutX, c.expectX) << c.x << "," << c.y << " zoom " << st.view.ZoomFactor;
    EXPECT_EQ(ui.readoutY, c.expectY) << c.x << "," << c.y << " zoom " << st.view.ZoomFactor;
    EXPECT_EQ(st.view.CursorX, c.x);
    EXPECT_EQ(st.view.CursorY, c.y);
  }
}

TEST_F(Readout, ClickMarksThePointWithAuxiliaryLinesAndItsCoordinates) {
  plot(Kind::Linear, "0", "-10");  // a line on row 200, out of the way
  cmd.mouseMove(245, 120);
  cmd.pictureClick();
  EXPECT_TRUE(text.entries.empty()) << "auxiliary lines are off";

  st.settings.AuxLinesOn = true;
  cmd.pictureClick();
  ASSERT_EQ(text.entries.size(), 1u);
  EXPECT_EQ(text.entries[0].text, "(10.00;10.00)");
  EXPECT_EQ(text.entries[0].x, 246);
  EXPECT_EQ(text.entries[0].y, 121);
  EXPECT_TRUE(text.entries[0].opaque);
  EXPECT_EQ(text.entries[0].background, 0xFFFFFFu);
  // The vertical line from the x axis up to the point, the horizontal one
  // from the y axis to it; the point itself is left out of both.
  EXPECT_EQ(pic.pixel(245, 159), st.settings.ColorAuxLines);
  EXPECT_EQ(pic.pixel(245, 121), st.settings.ColorAuxLines);
  EXPECT_EQ(pic.pixel(207, 120), st.settings.ColorAuxLines);
  EXPECT_EQ(pic.pixel(244, 120), st.settings.ColorAuxLines);

  // After a numbering the brush is clear, so the text is transparent.
  cmd.numberAxes();
  text.entries.clear();
  cmd.pictureClick();
  ASSERT_EQ(text.entries.size(), 1u);
  EXPECT_FALSE(text.entries[0].opaque);

  cmd.clearFunctions();
  cmd.pictureClick();
  EXPECT_EQ(text.entries.size(), 1u) << "nothing stored: a click draws nothing";
}

std::vector<std::string> textsAt(const std::vector<RecordingText::Entry>& entries, int from, int count) {
  std::vector<std::string> out;
  for (int i = from; i < from + count; ++i)
    out.push_back(entries[i].text + "@" + std::to_string(entries[i].x) + "," + std::to_string(entries[i].y));
  return out;
}

TEST_F(Readout, NumberingAtOneTimes) {
  cmd.numberAxes();
  EXPECT_TRUE(text.entries.empty()) << "no plot yet";
  plot(Kind::Linear, "1", "0");
  cmd.numberAxes();
  ASSERT_EQ(text.entries.size(), 20u);
  EXPECT_EQ(textsAt(text.entries, 0, 5),
            (std::vector<std::string>{"8@211,122", "16@211,90", "24@211,58", "32@211,26", "40@211,-6"}));
  EXPECT_EQ(textsAt(text.entries, 5, 5), (std::vector<std::string>{"-8@211,186", "-16@211,218", "-24@211,250",
                                                                   "-32@211,282", "-40@211,314"}));
  EXPECT_EQ(textsAt(text.entries, 10, 5), (std::vector<std::string>{"-8@170,162", "-16@138,162", "-24@106,162",
                                                                    "-32@74,162", "-40@42,162"}));
  EXPECT_EQ(textsAt(text.entries, 15, 5),
            (std::vector<std::string>{"8@234,162", "16@266,162", "24@298,162", "32@330,162", "40@362,162"}));
  for (const auto& e : text.entries) EXPECT_FALSE(e.opaque);
}

TEST_F(Readout, NumberingAtEightTimesAndWithTheOriginBelowThePicture) {
  plot(Kind::Linear, "1", "0");
  for (int i = 0; i < 3; ++i) cmd.zoomStep();
  cmd.numberAxes();
  ASSERT_EQ(text.entries.size(), 20u);
  EXPECT_EQ(text.entries[0].text, "1");
  EXPECT_EQ(text.entries[4].text, "5");
  EXPECT_EQ(text.entries[5].text, "-1");
  EXPECT_EQ(text.entries[19].text, "5");

  cmd.zoomStep();  // back to 1x
  for (int i = 0; i < 6; ++i) cmd.panStep(PanDirection::Up);  // OriginY = 352
  text.entries.clear();
  cmd.numberAxes();
  // Run 1 climbs from row 320 to the top: 11 numbers, the last at v = 0.
  EXPECT_EQ(text.entries[0].text, "8");
  EXPECT_EQ(text.entries[0].y, 314);
  EXPECT_EQ(text.entries[10].text, "88");
  EXPECT_EQ(text.entries[10].y, -6);
  // Run 2 writes its one number below the picture; the x numbers stand on row 354.
  EXPECT_EQ(text.entries[11].text, "-8");
  EXPECT_EQ(text.entries[11].y, 378);
  EXPECT_EQ(text.entries[12].y, 354);
}

}  // namespace
}  // namespace graf::testing
