// SPDX-License-Identifier: MIT
// What the main window shows is one record that the commands write; the
// window hears the parts that changed, and tells the commands what the user
// types.
#include <gtest/gtest.h>

#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

using MainWindowShownTest = CoreTest;

// The fake shows only what it was told; after any run of commands it must
// show exactly the record, so that no command changes a part untold.
void expectWindowShowsRecord(const FakeUi& ui, const MainWindowShown& s) {
  EXPECT_EQ(ui.fields, s.fields);
  EXPECT_EQ(ui.kind, s.kind);
  EXPECT_EQ(ui.cEnabled, s.cEnabled);
  EXPECT_EQ(ui.caption, s.caption);
  EXPECT_EQ(ui.countPanel, s.countText);
  EXPECT_EQ(ui.deleteLastEnabled, s.deleteLastEnabled);
  EXPECT_EQ(ui.readoutX, s.readoutX);
  EXPECT_EQ(ui.readoutY, s.readoutY);
  EXPECT_EQ(ui.zoomLabel, s.zoomText);
  EXPECT_EQ(ui.cursor, s.cursor);
  EXPECT_EQ(ui.wheelVertical, s.wheelVertical);
  EXPECT_EQ(ui.repeatInterval, s.repeatInterval);
  EXPECT_EQ(ui.pictureChanges, s.pictureVersion);
}

TEST_F(MainWindowShownTest, TheWindowIsToldEveryChangeOfTheRecord) {
  expectWindowShowsRecord(ui, cmd.shown());
  const struct {
    const char* name;
    std::function<void()> act;
  } steps[] = {
      {"plot", [&] { plot(Kind::Quadratic, "1", "0", "-2"); }},
      {"zoom", [&] { cmd.zoomStep(); }},
      {"read-out", [&] { cmd.mouseMove(245, 120); }},
      {"read-out off", [&] { cmd.pictureClick(); }},
      {"wheel direction", [&] { cmd.directionSwitch(); }},
      {"held pan", [&] {
         cmd.setPanHeld(PanDirection::Up, true);
         cmd.repeatTick();
         cmd.setPanHeld(PanDirection::Up, false);
       }},
      {"refused letters", [&] { plot(Kind::Linear, "x", "1"); }},
      {"delete last", [&] { cmd.deleteLastFunction(); }},
      {"clear all", [&] { cmd.clearAll(); }},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    step.act();
    expectWindowShowsRecord(ui, cmd.shown());
  }
  EXPECT_GT(cmd.shown().pictureVersion, 0);
  EXPECT_EQ(cmd.shown().repeatInterval, 200);
  EXPECT_FALSE(cmd.shown().wheelVertical);
}

TEST_F(MainWindowShownTest, ThePlotCommandShowsTheTextsAndTheKindItIsGiven) {
  // As the window passes them: the texts it shows are not told back.
  choose(Kind::Quadratic);
  ui.type("1", "2", "3");
  ui.log.clear();
  cmd.plotCommand(ui.fields, ui.kind);
  EXPECT_EQ(ui.log, std::vector<std::string>{"caption Íme a függvény"});
  EXPECT_EQ(table(), std::vector<std::string>{"2:1:2:3"});

  // Texts and a kind the window does not show yet are shown before the run.
  ui.log.clear();
  cmd.plotCommand({"4", "", "1"}, Kind::Linear);
  EXPECT_EQ(ui.log, (std::vector<std::string>{"field 0=4", "field 1=", "field 2=1", "select 1", "caption Íme a függvény"}));
  EXPECT_EQ(cmd.shown().fields, (FieldTexts{"4", "", "1"}));
  EXPECT_EQ(cmd.shown().kind, Kind::Linear);
  EXPECT_FALSE(ui.cEnabled) << "the option's reaction ran";
  EXPECT_EQ(table(), (std::vector<std::string>{"2:1:2:3", "1:4:0:0"}));
}

TEST_F(MainWindowShownTest, TypingChangesTheRecordSilentlyAndTheRedrawsPlotIt) {
  plot(Kind::Linear, "2", "1");
  ui.log.clear();
  ui.type("3", "1");
  EXPECT_EQ(cmd.shown().fields, (FieldTexts{"3", "1", ""}));
  EXPECT_TRUE(ui.log.empty()) << "the window already shows what was typed";

  // The redraw of a pan plots what the fields hold now.
  cmd.panStep(PanDirection::Up);
  EXPECT_EQ(table(), (std::vector<std::string>{"1:2:1:0", "1:3:1:0"}));
}

TEST_F(MainWindowShownTest, TheRefillOfARefusalGoesThroughTheRecord) {
  plot(Kind::Quadratic, "1.5", "-2", "0.25");
  plot(Kind::Linear, "x", "1");
  // The stored function's kind and texts are shown, and plotted again.
  EXPECT_EQ(cmd.shown().kind, Kind::Quadratic);
  EXPECT_EQ(cmd.shown().fields, (FieldTexts{"1.50", "-2.00", "0.25"}));
  EXPECT_EQ(ui.fields, cmd.shown().fields);
  EXPECT_EQ(table(), std::vector<std::string>{"2:1.5:-2:0.25"});
}

}  // namespace
}  // namespace graf::testing