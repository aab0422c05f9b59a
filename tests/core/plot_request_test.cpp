// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "plot/numtext.h"
#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

const Dialog kLetters = warning("Betűkből nem lehet függvényt ábrázolni!");
const Dialog kNothing = warning("A semmiből nem lehet függvényt ábrázolni!");
const Dialog kRange = information("Ezt még át kéne egyszer gondolni!");
const Dialog kMaximum = information("Függvényábrázolási maximum elérve!");

using PlotRequest = CoreTest;

TEST_F(PlotRequest, StoresDrawsAndListsANewFunction) {
  plot(Kind::Linear, "2", "3");
  EXPECT_EQ(table(), std::vector<std::string>{"1:2:3:0"});
  EXPECT_EQ(ui.caption, "Íme a függvény");
  EXPECT_EQ(ui.countPanel, "Függvények száma: 1");
  EXPECT_TRUE(ui.deleteLastEnabled);
  EXPECT_EQ(ui.rows.size(), 1u);
  EXPECT_EQ(st.flags.ListedCount, 1);
  EXPECT_TRUE(st.flags.PlotShown);
  EXPECT_TRUE(ui.dialogs.empty());
  // 2x + 3 at x = 0 lies at row 160 − 4·3 = 148, on a white background.
  EXPECT_EQ(pic.pixel(205, 148), st.settings.ColorLinear);
  EXPECT_EQ(pic.pixel(0, 0), 0xFFFFFFu);
}

TEST_F(PlotRequest, EqualFunctionsAreStoredOnce) {
  plot(Kind::Linear, "2", "3");
  plot(Kind::Linear, "2", "3");
  EXPECT_EQ(st.table.FunctionCount, 1);
  EXPECT_EQ(ui.rows.size(), 1u);

  plot(Kind::Quadratic, "1.50", "0", "1");
  plot(Kind::Quadratic, "1.5", "0", "1");  // the same number
  EXPECT_EQ(table(), (std::vector<std::string>{"1:2:3:0", "2:1.5:0:1"}));

  plot(Kind::AbsoluteValue, "1.5", "0", "1");  // same coefficients, another kind
  EXPECT_EQ(st.table.FunctionCount, 3);
  EXPECT_EQ(ui.rows.size(), 3u);
}

TEST_F(PlotRequest, LinearIgnoresCButChecksItsLetters) {
  plot(Kind::Linear, "1", "2", "7");
  EXPECT_EQ(table(), std::vector<std::string>{"1:1:2:0"});
  plot(Kind::Linear, "", "", "7");
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{kNothing});
  ui.dialogs.clear();
  plot(Kind::Linear, "1", "5", "x");
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{kLetters});
  EXPECT_EQ(table(), std::vector<std::string>{"1:1:2:0"});
}

TEST_F(PlotRequest, EmptyFieldNextToANumberReadsAsZero) {
  plot(Kind::Linear, "", "3");
  EXPECT_EQ(table(), std::vector<std::string>{"1:0:3:0"});
}

TEST_F(PlotRequest, RangeBoundsThemselvesAreAccepted) {
  plot(Kind::Quadratic, "100", "-100", "100");
  EXPECT_EQ(st.table.FunctionCount, 1);
  EXPECT_TRUE(ui.dialogs.empty());
}

// Every refusal with one function stored before it: the count is taken back,
// the fields show function 1 again, the picture shows it, one message.
struct Refusal {
  const char* name;
  Kind kind;
  const char* a;
  const char* b;
  const char* c;
  Dialog message;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class Refusals : public CoreTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(Refusals, TakeTheFunctionBackAndSayWhy) {
  const Refusal& r = GetParam();
  plot(Kind::Quadratic, "1.5", "-2", "0.25");
  choose(r.kind);
  ui.type(r.a, r.b, r.c);
  cmd.plotCommand();
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{r.message});
  EXPECT_EQ(table(), std::vector<std::string>{"2:1.5:-2:0.25"});
  EXPECT_EQ(ui.kind, Kind::Quadratic);
  EXPECT_EQ(ui.fields[0], "1.50");
  EXPECT_EQ(ui.fields[1], "-2.00");
  EXPECT_EQ(ui.fields[2], "0.25");
  EXPECT_EQ(ui.countPanel, "Függvények száma: 1");
  EXPECT_EQ(ui.rows.size(), 1u);
  EXPECT_EQ(st.flags.ListedCount, 1);
  EXPECT_EQ(pic.pixel(205, 160), st.settings.ColorQuadratic);  // f(0) = 0.25 rounds onto the axis row
}

INSTANTIATE_TEST_SUITE_P(
    PlotRequest, Refusals,
    ::testing::Values(Refusal{"DecimalComma", Kind::Linear, "1,5", "2", "", kLetters},
                      Refusal{"TrailingBlank", Kind::Linear, "5 ", "2", "", kLetters},
                      Refusal{"LoneSign", Kind::AbsoluteValue, "1", "-", "2", kLetters},
                      Refusal{"AllEmpty", Kind::Quadratic2, "", "", "", kNothing},
                      Refusal{"LinearWithOnlyC", Kind::Linear, "", "", "7", kNothing},
                      Refusal{"JustAboveRange", Kind::Linear, "100.01", "2", "", kRange},
                      Refusal{"BelowRangeInC", Kind::Quadratic2, "1", "2", "-100.5", kRange},
                      Refusal{"BeyondDoubleRange", Kind::Linear, "1e400", "0", "", kRange},
                      Refusal{"BeyondDoubleRangeNegative", Kind::Quadratic, "1", "-1e400", "0", kRange}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlotRequest, TheNestedRedrawHappensBeforeTheMessage) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Linear, "2", "0");
  st.settings.SoundOn = true;
  ui.log.clear();
  plot(Kind::Linear, "abc", "0");
  // The deletion refills the fields and runs the plot command (whose run sets
  // the caption) before the outer run beeps and shows its message.
  const std::vector<std::string> expected = {"field 0=2.00", "field 1=0.00", "field 2=0.00",
                                             "caption Íme a függvény", "beep",
                                             "message " + kLetters.title + ": " + kLetters.text};
  EXPECT_EQ(ui.log, expected);
  EXPECT_EQ(table(), (std::vector<std::string>{"1:1:0:0", "1:2:0:0"}));
}

TEST_F(PlotRequest, BeepOnlyWithSoundOnAndNeverForTheMaximum) {
  plot(Kind::Linear, "x", "1");  // first refusal: sound off
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{kLetters});
  st.settings.SoundOn = true;
  ui.dialogs.clear();
  plot(Kind::Linear, "", "");
  EXPECT_EQ(ui.dialogs, (std::vector<Dialog>{kBeep, kNothing}));
}

TEST_F(PlotRequest, ARefusedFirstFunctionEndsInClearAll) {
  cmd.wheelTurn(true, {});  // nothing stored: the wheel does nothing
  plot(Kind::Quadratic, "2", "1", "500");
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{kRange});
  EXPECT_EQ(st.table.FunctionCount, 0);
  EXPECT_FALSE(st.flags.PlotShown);
  EXPECT_EQ(ui.fields[0], "");
  EXPECT_EQ(ui.fields[1], "");
  EXPECT_EQ(ui.fields[2], "");
  EXPECT_EQ(ui.countPanel, "Függvények száma: 0");
  EXPECT_EQ(ui.caption, "Függvényválasztás");
  EXPECT_FALSE(ui.deleteLastEnabled);
  EXPECT_TRUE(ui.rows.empty());
  EXPECT_EQ(pic.pixel(205, 160), kFace);
}

TEST_F(PlotRequest, KindOptionsEnableTheCFieldOnlyOnAChange) {
  EXPECT_FALSE(ui.cEnabled);
  choose(Kind::Quadratic);
  EXPECT_TRUE(ui.cEnabled);
  choose(Kind::Quadratic2);
  EXPECT_TRUE(ui.cEnabled);
  choose(Kind::Linear);
  EXPECT_FALSE(ui.cEnabled);
  choose(Kind::Linear);
  EXPECT_FALSE(ui.cEnabled);
  EXPECT_TRUE(st.flags.LinearSelected);
}

// Stores 50 different functions.
void fill50(CoreTest& t, FakeUi& ui, Commands& cmd) {
  (void)t;
  for (int i = 1; i <= 50; ++i) {
    ui.type(std::to_string(i), "1");
    cmd.plotCommand();
  }
}

TEST_F(PlotRequest, AtTheMaximumTheTablePictureAndListStayInStep) {
  fill50(*this, ui, cmd);
  ASSERT_EQ(st.table.FunctionCount, 50);
  ASSERT_TRUE(ui.dialogs.empty());
  const auto before = table();

  // A redraw whose fields describe function 50: one message, nothing changes.
  cmd.panStep(PanDirection::Up);
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{kMaximum});
  EXPECT_EQ(table(), before);

  // A new function at the maximum is not stored and no row is added.
  ui.dialogs.clear();
  plot(Kind::Linear, "0", "-7");
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{kMaximum});
  EXPECT_EQ(table(), before);
  EXPECT_EQ(ui.rows.size(), 50u);
  EXPECT_EQ(st.flags.ListedCount, 50);
  EXPECT_EQ(ui.countPanel, "Függvények száma: 50");

  // Even letters in the fields only bring the maximum message.
  ui.dialogs.clear();
  plot(Kind::Linear, "abc", "");
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{kMaximum});
  EXPECT_EQ(table(), before);

  // The picture shows the functions, moved 32 pixels down by the pan step:
  // x + 1 passes (20, 21) at pixel (285, 108); every one passes (0, 1) at (205, 188).
  EXPECT_EQ(pic.pixel(285, 108), st.settings.ColorLinear);
  EXPECT_EQ(pic.pixel(205, 188), st.settings.ColorLinear);
}

TEST_F(PlotRequest, ARedrawRegistersTypedFunctionsWithoutARow) {
  plot(Kind::Linear, "1", "0");
  ui.type("2", "0");
  cmd.panStep(PanDirection::Up);  // the redraw stores 2x
  EXPECT_EQ(st.table.FunctionCount, 2);
  EXPECT_EQ(ui.rows.size(), 1u);
  EXPECT_EQ(ui.countPanel, "Függvények száma: 1");

  ui.type("3", "0");
  cmd.plotCommand();  // 3x: only the newest gets a row
  EXPECT_EQ(st.table.FunctionCount, 3);
  ASSERT_EQ(ui.rows.size(), 2u);
  EXPECT_EQ(st.flags.ListedCount, 3);
}

TEST_F(PlotRequest, LoadModeFillsTheBarAndEndsWithTheNextRun) {
  // The state a load of three functions leaves before its plot request.
  for (int i = 1; i <= 3; ++i) {
    st.table.FunctionKind[i] = Kind::Linear;
    st.table.CoefA[i] = i;
  }
  st.table.FunctionCount = 3;
  st.flags.ListedCount = 3;
  session.progress().LoadMode = true;
  session.progress().ProgressStep = 50 / 3;
  session.progress().ProgressPosition = 48;
  session.progress().LoadPlotCount = 0;
  ui.type("3.00", "0.00", "0.00");
  cmd.plotCommand();
  EXPECT_EQ(ui.progressCaption, "Számolás...");
  EXPECT_EQ(ui.progress, (std::vector<int>{61, 74, 87}));
  EXPECT_EQ(st.table.FunctionCount, 3);
  EXPECT_TRUE(session.progress().LoadMode);
  cmd.panStep(PanDirection::Down);
  EXPECT_FALSE(session.progress().LoadMode);
}

}  // namespace
}  // namespace graf::testing
