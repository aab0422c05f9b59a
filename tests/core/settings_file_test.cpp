// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "tests/support/fake_ui.h"

namespace graf {
namespace {

using testing::error;
using testing::kBeep;

// An in-memory settings file and main window that record what happens.
class FakeSettingsIo : public SettingsFilePort, public SettingsMainPort {
 public:
  SettingsFileContent content;  // what the next read finds
  std::vector<SettingsRecord> written;
  std::string writeError;  // not empty: writes fail with this reason
  std::vector<std::string>& log;
  explicit FakeSettingsIo(std::vector<std::string>& sharedLog) : log(sharedLog) {}

  std::string displayName() const override { return "/home/anna/beallit.ini"; }
  SettingsFileContent read() override {
    log.push_back("read");
    return content;
  }
  bool write(const SettingsRecord& record, std::string& reason) override {
    log.push_back("write");
    if (!writeError.empty()) {
      reason = writeError;
      return false;
    }
    written.push_back(record);
    content = {SettingsFileContent::Outcome::Opened, SettingsRecordSize, record, ""};
    return true;
  }
  void setSwatchColors(Color a, Color b, Color c, Color d) override {
    log.push_back("swatches " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c) + " " +
                  std::to_string(d));
  }
  void setFunctionListShown(bool shown) override { log.push_back(shown ? "list shown" : "list hidden"); }
  void runPlotCommand() override { log.push_back("plot"); }
};

class SettingsFileTest : public ::testing::Test {
 protected:
  PlotState st;
  SettingsState ss;
  testing::FakeUi ui;
  std::vector<std::string> log;
  FakeSettingsIo io{log};
  SettingsPorts ports{io, io, ui};

  void opened(const std::optional<SettingsRecord>& record, std::uint64_t size = SettingsRecordSize) {
    io.content = {SettingsFileContent::Outcome::Opened, size, record, ""};
  }
  static SettingsRecord recordOf(const PlotState& values) {
    SettingsRecord r{};
    fillRecord(values, r);
    return r;
  }
};

TEST_F(SettingsFileTest, NoFileGivesDefaultsSilently) {
  st.settings.ColorLinear = 7;
  st.settings.OptimizeOn = false;
  st.settings.SampleStep = 0.5;
  st.settings.FunctionWindowOn = true;
  io.content = {SettingsFileContent::Outcome::Missing, 0, std::nullopt, ""};
  ReadSettingsFile(st, ss, ports);
  EXPECT_EQ(ss.SettingsFileFound, 0);
  EXPECT_EQ(st.settings.ColorLinear, DefaultColorLinear);
  EXPECT_EQ(st.settings.OptimizeOn, 1);
  EXPECT_EQ(st.settings.SampleStep, 0.5);      // kept
  EXPECT_EQ(st.settings.FunctionWindowOn, 1);  // kept
  EXPECT_EQ(log, std::vector<std::string>{"read"});  // the swatches keep their colours
  EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(SettingsFileTest, StoredValuesAreAssignedAndPainted) {
  PlotState stored;
  stored.settings.ColorLinear = 0x808080;
  stored.settings.ColorQuadratic = 0xFFFFFF;
  stored.settings.ColorQuadratic2 = 0x00FFFF;
  stored.settings.ColorAbsolute = 0;
  stored.settings.SampleStep = 1.0;
  stored.settings.FunctionWindowOn = true;
  stored.settings.OptimizeOn = false;
  stored.settings.AuxLinesOn = true;
  opened(recordOf(stored));
  ReadSettingsFile(st, ss, ports);
  EXPECT_EQ(ss.SettingsFileFound, 1);
  EXPECT_EQ(st.settings.SampleStep, 1.0);
  EXPECT_EQ(st.settings.FunctionWindowOn, 1);
  EXPECT_EQ(st.settings.OptimizeOn, 0);
  EXPECT_EQ(st.settings.AuxLinesOn, 1);
  EXPECT_EQ(ss.Record, recordOf(stored));
  EXPECT_EQ(log, (std::vector<std::string>{"read", "swatches 8421504 16777215 65535 0"}));
  EXPECT_TRUE(ui.dialogs.empty());
}

// A file of 1 to 90 bytes opens but holds no record: the record stays as it
// was, and an empty one gives the defaults, never a step of 0.
TEST_F(SettingsFileTest, ShortFileIsReportedOnceAndGivesDefaults) {
  st.settings.SampleStep = 0.5;
  opened(std::nullopt, 45);
  ReadSettingsFile(st, ss, ports);
  EXPECT_EQ(ss.SettingsFileFound, 1);
  EXPECT_EQ(st.settings.SampleStep, 0.5);
  EXPECT_EQ(st.settings.ColorGrid, DefaultColorGrid);
  EXPECT_EQ(st.settings.OptimizeOn, 1);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].type, MessageType::Warning);
  EXPECT_EQ(ui.dialogs[0].title, "Warning");
  EXPECT_NE(ui.dialogs[0].text.find("/home/anna/beallit.ini"), std::string::npos);
  EXPECT_NE(ui.dialogs[0].text.find("45 bájt"), std::string::npos);

  // The start-up reads again while it waits for the first run: no second box.
  ReadSettingsFile(st, ss, ports);
  EXPECT_EQ(ui.dialogs.size(), 1u);
}

TEST_F(SettingsFileTest, DamagedFieldsAreNamedAndReplaced) {
  st.settings.SoundOn = true;  // the beep sounds only when the file's own setting says so
  SettingsRecord record = recordOf(PlotState{});
  setFieldText(record, Setting::Step, "0");
  setFieldText(record, Setting::Grid, "-5");
  setFieldText(record, Setting::Sound, "1");
  setFieldText(record, Setting::QuickView, "7");
  opened(record);
  ReadSettingsFile(st, ss, ports);
  EXPECT_EQ(st.settings.SampleStep, 0.1);
  EXPECT_EQ(st.settings.ColorGrid, DefaultColorGrid);
  EXPECT_EQ(st.settings.QuickViewMode, 0);
  ASSERT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(ui.dialogs[0], kBeep);
  EXPECT_EQ(ui.dialogs[1].type, MessageType::Warning);
  EXPECT_NE(ui.dialogs[1].text.find("Hibás érték: pontosság, négyzetháló színe, gyorsnézet."), std::string::npos)
      << ui.dialogs[1].text;
}

TEST_F(SettingsFileTest, UnreadableFileGivesDefaultsAndNamesTheReason) {
  st.settings.ColorSum = 1;
  io.content = {SettingsFileContent::Outcome::Refused, 0, std::nullopt, "nem közönséges fájl"};
  ReadSettingsFile(st, ss, ports);
  EXPECT_EQ(ss.SettingsFileFound, 0);
  EXPECT_EQ(st.settings.ColorSum, DefaultColorSum);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].type, MessageType::Warning);
  EXPECT_NE(ui.dialogs[0].text.find("„/home/anna/beallit.ini”\nnem közönséges fájl"), std::string::npos);
}

TEST_F(SettingsFileTest, ActivationWithoutChangeOnlyCopiesThePreviewColours) {
  st.settings.ColorLinear = 1, st.settings.ColorQuadratic = 2, st.settings.ColorQuadratic2 = 3, st.settings.ColorAbsolute = 4, st.settings.ColorGrid = 5;
  st.flags.PlotShown = true;
  MainWindowActivate(st, ss, ports);
  EXPECT_EQ(ss.MainWindowActivated, 1);
  EXPECT_EQ(ss.quickView.PreviewColorLinear, 1u);
  EXPECT_EQ(ss.quickView.PreviewColorQuadratic, 2u);
  EXPECT_EQ(ss.quickView.PreviewColorQuadratic2, 3u);
  EXPECT_EQ(ss.quickView.PreviewColorAbsolute, 4u);
  EXPECT_EQ(ss.quickView.PreviewColorGrid, 5u);
  EXPECT_TRUE(log.empty());
}

TEST_F(SettingsFileTest, AcceptedChangeIsAppliedReplottedAndWritten) {
  for (const bool plotShown : {true, false}) {
    SCOPED_TRACE(plotShown);
    log.clear();
    io.written.clear();
    ss.SettingsChanged = true;
    ss.SettingsFileFound = false;
    st.flags.PlotShown = plotShown ? 1 : 0;
    st.settings.FunctionWindowOn = plotShown ? 1 : 0;
    st.settings.ColorAbsolute = 255;
    MainWindowActivate(st, ss, ports);
    std::vector<std::string> expected = {plotShown ? "list shown" : "list hidden", "swatches 255 65280 32768 255"};
    if (plotShown) expected.push_back("plot");
    expected.push_back("write");
    EXPECT_EQ(log, expected);
    ASSERT_EQ(io.written.size(), 1u);
    EXPECT_EQ(fieldText(io.written[0], Setting::Absolute), "255");
    EXPECT_EQ(ss.SettingsChanged, 0);
    EXPECT_EQ(ss.SettingsFileFound, 1);
  }
}

TEST_F(SettingsFileTest, FailedWriteIsReportedAndRetriedLater) {
  ss.SettingsChanged = true;
  io.writeError = "Nincs több hely az eszközön";
  MainWindowActivate(st, ss, ports);
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0], error("A beállítások nem menthetők ide: „/home/anna/beallit.ini”\nNincs több hely az eszközön"));
  EXPECT_EQ(ss.SettingsChanged, 1);
  EXPECT_EQ(ss.SettingsFileFound, 0);

  // Closing the box activates the main window: no second attempt then.
  log.clear();
  MainWindowActivate(st, ss, ports);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(ui.dialogs.size(), 1u);

  // A later activation tries again.
  io.writeError.clear();
  MainWindowActivate(st, ss, ports);
  EXPECT_EQ(io.written.size(), 1u);
  EXPECT_EQ(ss.SettingsChanged, 0);
  EXPECT_EQ(ss.SettingsFileFound, 1);
}

// Written and read back: the values and the stored step survive.
TEST_F(SettingsFileTest, WrittenSettingsReadBack) {
  st.settings.SampleStep = 0.5;
  st.settings.ColorSum = 0xFFFFFF;
  st.settings.OptimizeOn = false;
  st.settings.QuickViewMode = 1;
  ss.SettingsChanged = true;
  MainWindowActivate(st, ss, ports);
  ASSERT_EQ(io.written.size(), 1u);

  PlotState next;
  SettingsState nextSs;
  next.settings.SampleStep = 0.1;
  ReadSettingsFile(next, nextSs, SettingsPorts{io, io, ui});
  EXPECT_EQ(next.settings.SampleStep, 0.5);
  EXPECT_EQ(next.settings.ColorSum, 0xFFFFFFu);
  EXPECT_EQ(next.settings.OptimizeOn, 0);
  EXPECT_EQ(next.settings.QuickViewMode, 1);
  EXPECT_EQ(nextSs.SettingsFileFound, 1);
}

}  // namespace
}  // namespace graf
