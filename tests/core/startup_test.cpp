// SPDX-License-Identifier: MIT
// The start-up sequence at each tick of the splash's timer, and the clock
// commands of the first-run, override and settings windows, against
// recording fakes: no window and no waiting.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "startup/clock.h"
#include "startup/startup.h"
#include "tests/support/fake_startup.h"
#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

using Log = std::vector<std::string>;
using Dialogs = std::vector<Dialog>;

class StartupTest : public ::testing::Test {
 protected:
  PlotState st;
  ClockState clock;
  FakeClockStore store;
  FakeClockMeter meter;
  FakeSettingsReader settings;
  FakeStartupWindows windows;
  FakeUi ui;
  Startup startup{st, clock, store, settings, windows};
  ClockCommands clockCommands{clock, store, meter, ui};

  StartupTest() {
    settings.onRead = [this] { windows.log.push_back("read settings"); };
    // The splash is up: the main window is disabled, its step is the stored one.
    startup.splashActivated();
    windows.log.clear();
    st.settings.SampleStep = 0.5;
  }
  void storeClock(const std::string& text) { store.values[kClockValueName] = text; }
  static std::vector<int> fullFade() {
    std::vector<int> steps(255);
    std::iota(steps.rbegin(), steps.rend(), 0);  // 254, 253, ..., 0
    return steps;
  }
};

TEST_F(StartupTest, SplashDisablesTheMainWindow) {
  FakeStartupWindows fresh;
  Startup s{st, clock, store, settings, fresh};
  s.splashActivated();
  EXPECT_FALSE(fresh.mainEnabled);
  EXPECT_EQ(fresh.log, Log({"disable main"}));
}

TEST_F(StartupTest, KnownClockCompletesInOrderAtTheFirstTick) {
  storeClock("2400");
  EXPECT_TRUE(startup.tick());
  EXPECT_TRUE(startup.completed());
  EXPECT_EQ(windows.log, Log({"show main", "read settings", "note Optimalizálás (2400 MHz)", "fade", "enable main",
                              "focus main", "hide first run", "finish splash"}));
  EXPECT_EQ(clock.CpuMhz, 2400);
  EXPECT_EQ(st.settings.SampleStep, 0.1);
  EXPECT_EQ(windows.opacities, fullFade());
  EXPECT_TRUE(windows.mainEnabled);
  EXPECT_EQ(ui.dialogs, Dialogs());
}

struct ClockRuleCase {
  const char* stored;
  std::uint8_t optimize;
  std::int32_t mhz;
  double step;        // the step after the start-up; the stored one is 0.5
  const char* note;   // the third status panel; empty: left alone
  bool fades;
};

TEST_F(StartupTest, StoredClockChoosesStepNoteAndFade) {
  const ClockRuleCase cases[] = {
      {"499", 1, 499, 1.0, "Optimalizálás (499 MHz)", false},
      {"500", 1, 500, 0.5, "Optimalizálás (500 MHz)", false},
      {"1499", 1, 1499, 0.5, "Optimalizálás (1499 MHz)", false},
      {"1500", 1, 1500, 0.1, "Optimalizálás (1500 MHz)", true},
      {"-5", 1, -5, 1.0, "Optimalizálás (-5 MHz)", false},  // a clock edited below 0 counts as known
      {" 800", 1, 800, 0.5, "Optimalizálás (800 MHz)", false},
      {"2000", 0, 2000, 0.5, "", true},                      // no optimisation: the step and the panel stay
      {"300", 0, 300, 0.5, "", false},
  };
  for (const ClockRuleCase& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.stored + "\", OptimizeOn " + std::to_string(c.optimize));
    PlotState s;
    s.settings.SampleStep = 0.5;
    s.settings.OptimizeOn = c.optimize;
    ClockState k;
    FakeClockStore kstore;
    kstore.values[kClockValueName] = c.stored;
    FakeStartupWindows w;
    Startup run{s, k, kstore, settings, w};
    run.splashActivated();
    ASSERT_TRUE(run.tick());
    EXPECT_EQ(k.CpuMhz, c.mhz);
    EXPECT_EQ(s.settings.SampleStep, c.step);
    EXPECT_EQ(w.clockNote, c.note);
    EXPECT_EQ(w.opacities, c.fades ? fullFade() : std::vector<int>());
    EXPECT_TRUE(w.mainEnabled);
    EXPECT_FALSE(w.splashVisible);
  }
}

TEST_F(StartupTest, FadeStartsFromTheSplashsOpacity) {
  storeClock("3000");
  windows.opacity = 3;
  ASSERT_TRUE(startup.tick());
  EXPECT_EQ(windows.opacities, std::vector<int>({2, 1, 0}));
}

TEST_F(StartupTest, FunctionListWindowOpensBeforeTheMainWindowTakesTheFocus) {
  storeClock("1000");
  st.settings.FunctionWindowOn = true;
  ASSERT_TRUE(startup.tick());
  EXPECT_EQ(windows.log, Log({"show main", "read settings", "note Optimalizálás (1000 MHz)", "show function list",
                              "enable main", "focus main", "hide first run", "finish splash"}));
}

TEST_F(StartupTest, FirstRunWaitsSilentlyAndRetriesEveryTick) {
  for (int attempt = 1; attempt <= 3; ++attempt) {
    SCOPED_TRACE(attempt);
    windows.log.clear();
    EXPECT_FALSE(startup.tick());
    EXPECT_EQ(windows.log, Log({"show main", "read settings", "show first run"}));
    EXPECT_FALSE(windows.mainEnabled);
    EXPECT_TRUE(windows.splashVisible);
    EXPECT_EQ(settings.reads, attempt);
    EXPECT_EQ(store.reads, attempt);
  }
  EXPECT_EQ(st.settings.SampleStep, 0.5);
  EXPECT_EQ(windows.clockNote, "");
  EXPECT_EQ(ui.dialogs, Dialogs());
  EXPECT_EQ(meter.measurements, 0);
}

TEST_F(StartupTest, ClockThatIsNoWholeNumberIsAFirstRun) {
  for (const char* text : {"", "0", "abc", "2400 ", "2400.0", "99999999999"}) {
    SCOPED_TRACE(std::string("\"") + text + "\"");
    storeClock(text);
    windows.log.clear();
    EXPECT_FALSE(startup.tick());
    EXPECT_EQ(windows.log.back(), "show first run");
  }
}

TEST_F(StartupTest, FirstRunOkMeasuresStoresAndTheNextTickCompletes) {
  ASSERT_FALSE(startup.tick());
  meter.clocks = {2400};
  EXPECT_TRUE(clockCommands.firstRunMeasure());
  EXPECT_EQ(clock.CpuMhz, 2400);
  EXPECT_EQ(store.values[kClockValueName], "2400");
  EXPECT_EQ(store.values[kInfoValueName], kInfoText);
  EXPECT_EQ(ui.dialogs, Dialogs());

  windows.log.clear();
  EXPECT_TRUE(startup.tick());
  EXPECT_EQ(windows.log.front(), "show main");
  EXPECT_EQ(windows.clockNote, "Optimalizálás (2400 MHz)");
  EXPECT_EQ(st.settings.SampleStep, 0.1);
  EXPECT_TRUE(windows.mainEnabled);
  EXPECT_FALSE(windows.firstRunVisible);
}

TEST_F(StartupTest, UnwritableStoreStillLetsThisRunStartWithTheMeasuredClock) {
  ASSERT_FALSE(startup.tick());
  store.failure = "„/home/u/.config/Velmora/Grafolin.conf”: a fájl írásvédett.";
  meter.clocks = {1200};
  EXPECT_FALSE(clockCommands.firstRunMeasure());  // the window stays open
  EXPECT_EQ(ui.dialogs, Dialogs({error("A(z) „Proci sebessége (MHz)” érték nem menthető.\n"
                             "„/home/u/.config/Velmora/Grafolin.conf”: a fájl írásvédett.\n"
                             "A program most a mért órajellel (1200 MHz) indul, a következő indításkor újra mér.")}));
  EXPECT_TRUE(store.values.empty());

  EXPECT_TRUE(startup.tick());
  EXPECT_EQ(clock.CpuMhz, 1200);
  EXPECT_EQ(st.settings.SampleStep, 0.5);
  EXPECT_TRUE(windows.mainEnabled);
  EXPECT_FALSE(windows.firstRunVisible);
  EXPECT_EQ(meter.measurements, 1);
}

TEST_F(StartupTest, ClockMeasuringZeroIsStoredAndThisRunStartsAsBelow500Mhz) {
  ASSERT_FALSE(startup.tick());
  meter.clocks = {0};
  EXPECT_TRUE(clockCommands.firstRunMeasure());
  EXPECT_EQ(store.values[kClockValueName], "0");  // the next start asks again
  windows.log.clear();
  EXPECT_TRUE(startup.tick());
  EXPECT_EQ(windows.clockNote, "Optimalizálás (0 MHz)");
  EXPECT_EQ(st.settings.SampleStep, 1.0);
  EXPECT_EQ(windows.opacities, std::vector<int>());
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "show first run"), 0);
}

TEST_F(StartupTest, StoredClockWinsOverTheFirstRunMeasurement) {
  ASSERT_FALSE(startup.tick());
  meter.clocks = {1200};
  ASSERT_TRUE(clockCommands.firstRunMeasure());
  storeClock("600");  // changed in the store before the next tick
  ASSERT_TRUE(startup.tick());
  EXPECT_EQ(clock.CpuMhz, 600);
}

TEST_F(StartupTest, SettingsReadErrorEndsTheAttemptAndTheNextTickRetries) {
  storeClock("2400");
  settings.ok = false;
  EXPECT_FALSE(startup.tick());
  EXPECT_EQ(windows.log, Log({"show main", "read settings"}));
  EXPECT_EQ(store.reads, 0);
  EXPECT_FALSE(windows.mainEnabled);
  settings.ok = true;
  EXPECT_TRUE(startup.tick());
  EXPECT_TRUE(windows.mainEnabled);
}

TEST_F(StartupTest, TickDuringAnAttemptIsLetPass) {
  storeClock("2400");
  int nested = 0;
  // A message box of the attempt lets the timer tick while it waits.
  settings.onRead = [&] {
    EXPECT_FALSE(startup.tick());
    ++nested;
  };
  EXPECT_TRUE(startup.tick());
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(settings.reads, 1);
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "finish splash"), 1);
}

TEST_F(StartupTest, AfterCompletionTicksAndActivationsDoNothing) {
  storeClock("2400");
  ASSERT_TRUE(startup.tick());
  windows.log.clear();
  EXPECT_TRUE(startup.tick());
  startup.splashActivated();
  EXPECT_EQ(windows.log, Log());
  EXPECT_EQ(settings.reads, 1);
  EXPECT_TRUE(windows.mainEnabled);
}

// The clock-override window's button.

struct OverrideCase {
  const char* text;
  bool accepted;
};

TEST_F(StartupTest, OverrideStoresAcceptedTextAsTypedAndRefusesTheRest) {
  const OverrideCase cases[] = {{"9999", true}, {"1", true},      {" 800", true}, {"0", false},
                                {"-5", false},  {"10000", false}, {"abc", false}, {"", false},
                                {"800 ", false}};
  for (const bool sound : {false, true}) {
    for (const OverrideCase& c : cases) {
      SCOPED_TRACE(std::string("\"") + c.text + "\", SoundOn " + std::to_string(sound));
      store.values[kClockValueName] = "2400";
      clock.CpuMhz = 2400;
      ui.dialogs.clear();
      EXPECT_TRUE(clockCommands.overrideClock(c.text, sound));  // the window closes either way
      EXPECT_EQ(clock.CpuMhz, 2400);
      if (c.accepted) {
        EXPECT_EQ(store.values[kClockValueName], c.text);
        EXPECT_EQ(ui.dialogs, Dialogs());
      } else {
        EXPECT_EQ(store.values[kClockValueName], "2400");
        Dialogs expected;
        if (sound) expected.push_back(kBeep);
        expected.push_back(error(std::string("Érvénytelen érték: ") + c.text + "!"));
        EXPECT_EQ(ui.dialogs, expected);
      }
    }
  }
}

TEST_F(StartupTest, OverrideThatCannotBeStoredKeepsTheWindowOpen) {
  store.failure = "„x.conf”: a fájl írásvédett.";
  EXPECT_FALSE(clockCommands.overrideClock("800", true));
  EXPECT_EQ(ui.dialogs, Dialogs({error("A(z) „Proci sebessége (MHz)” érték nem menthető.\n„x.conf”: a fájl írásvédett.")}));
}

TEST_F(StartupTest, RemeasureStoresTheNewClockAndLeavesTheClockOfThisRun) {
  clock.CpuMhz = 1000;
  meter.clocks = {3100};
  EXPECT_EQ(clockCommands.remeasure(), 3100);
  EXPECT_EQ(store.values[kClockValueName], "3100");
  EXPECT_EQ(store.values.count(kInfoValueName), 0u);
  EXPECT_EQ(clock.CpuMhz, 1000);
  EXPECT_FALSE(clock.FirstRunMhz);

  store.failure = "„x.conf”: a fájl írásvédett.";
  EXPECT_EQ(clockCommands.remeasure(), 3100);
  EXPECT_EQ(ui.dialogs, Dialogs({error("A(z) „Proci sebessége (MHz)” érték nem menthető.\n„x.conf”: a fájl írásvédett.")}));
  EXPECT_EQ(store.values[kClockValueName], "3100");
}

// The start-up over the real reading of the settings file.
class SettingsFileOf : public SettingsFilePort, public SettingsMainPort {
 public:
  SettingsFileContent content;  // Missing until a test gives a record
  std::string displayName() const override { return "beallit.ini"; }
  SettingsFileContent read() override { return content; }
  bool write(const SettingsRecord&, std::string& reason) override {
    reason = "not here";
    return false;
  }
  void setSwatchColors(Color, Color, Color, Color) override {}
  void setFunctionListShown(bool) override {}
  void runPlotCommand() override {}
};

class ReadingTheFile : public SettingsReader {
 public:
  ReadingTheFile(PlotState& st, SettingsFileOf& file, Notifier& notifier) : st_(st), file_(file), notifier_(notifier) {}
  bool readSettings() override {
    ReadSettingsFile(st_, settingsState_, SettingsPorts{file_, file_, notifier_});
    return true;
  }

 private:
  PlotState& st_;
  SettingsState settingsState_;
  SettingsFileOf& file_;
  Notifier& notifier_;
};

class StartupWithSettingsFile : public StartupTest {
 protected:
  SettingsFileOf file;
  ReadingTheFile reader{st, file, ui};
  Startup fromFile{st, clock, store, reader, windows};
};

TEST_F(StartupWithSettingsFile, MissingFileLetsTheClockChooseTheStep) {
  st.settings.OptimizeOn = false;  // whatever the state held, the default is on
  storeClock("499");
  ASSERT_TRUE(fromFile.tick());
  EXPECT_TRUE(st.settings.OptimizeOn);
  EXPECT_EQ(st.settings.SampleStep, 1.0);
  EXPECT_EQ(windows.clockNote, "Optimalizálás (499 MHz)");
}

TEST_F(StartupWithSettingsFile, FileWithoutOptimisationKeepsItsStepAndOpensTheFunctionList) {
  PlotState stored;
  stored.settings.OptimizeOn = false;
  stored.settings.SampleStep = 1.0;  // the state held 0.5 before
  stored.settings.FunctionWindowOn = true;
  SettingsRecord record{};
  fillRecord(stored, record);
  file.content = {SettingsFileContent::Outcome::Opened, SettingsRecordSize, record, ""};
  storeClock("2000");
  ASSERT_TRUE(fromFile.tick());
  EXPECT_EQ(st.settings.SampleStep, 1.0);
  EXPECT_EQ(windows.clockNote, "");
  EXPECT_EQ(windows.opacities, fullFade());
  EXPECT_EQ(std::count(windows.log.begin(), windows.log.end(), "show function list"), 1);
  EXPECT_EQ(ui.dialogs, Dialogs());
}

}  // namespace
}  // namespace graf::testing
