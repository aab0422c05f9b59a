// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "plot/plot_state.h"
#include "settings/settings_record.h"

namespace graf {
namespace {

// Writes a length byte and the text at an offset of an expected record.
void put(SettingsRecord& record, std::size_t at, std::string_view text) {
  record[at] = static_cast<std::uint8_t>(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) record[at + 1 + k] = static_cast<std::uint8_t>(text[k]);
}

void expectBytes(const SettingsRecord& actual, const SettingsRecord& expected) {
  for (std::size_t k = 0; k < SettingsRecordSize; ++k)
    EXPECT_EQ(int(actual[k]), int(expected[k])) << "offset " << k;
}

TEST(SettingsRecord, DefaultsWithFinestStepByteByByte) {
  PlotState st;
  st.settings.SampleStep = 0.1;
  SettingsRecord record{};
  fillRecord(st, record);

  SettingsRecord expected{};
  put(expected, 0, "0.1");
  put(expected, 4, "255");
  put(expected, 15, "65280");
  put(expected, 26, "32768");
  put(expected, 37, "16711680");
  put(expected, 48, "12632256");
  put(expected, 59, "65535");
  put(expected, 70, "16776960");
  put(expected, 81, "0");
  put(expected, 83, "0");
  put(expected, 85, "0");
  put(expected, 87, "1");
  put(expected, 89, "0");
  expectBytes(record, expected);
}

TEST(SettingsRecord, WhiteIsEightCharactersAndHalfStepReadsBack) {
  PlotState st;
  st.settings.ColorGrid = 0xFFFFFF;
  st.settings.SampleStep = 0.5;
  st.settings.SoundOn = true;
  st.settings.QuickViewMode = 2;
  SettingsRecord record{};
  fillRecord(st, record);
  EXPECT_EQ(int(record[48]), 8);
  EXPECT_EQ(std::string(record.begin() + 49, record.begin() + 57), "16777215");
  EXPECT_EQ(fieldText(record, Setting::Step), "0.5");

  PlotState back;
  back.settings.SampleStep = 1.0;
  EXPECT_TRUE(applyRecord(record, back).empty());
  EXPECT_EQ(back.settings.SampleStep, 0.5);
  EXPECT_EQ(back.settings.ColorGrid, 0xFFFFFFu);
  EXPECT_EQ(back.settings.SoundOn, 1);
  EXPECT_EQ(back.settings.QuickViewMode, 2);
  EXPECT_EQ(back.settings.OptimizeOn, 1);
}

TEST(SettingsRecord, ShorterTextLeavesOldCharactersBehindItsLength) {
  PlotState st;
  SettingsRecord record{};
  fillRecord(st, record);  // absolute value blue: 16711680
  st.settings.ColorAbsolute = 255;
  fillRecord(st, record);
  EXPECT_EQ(int(record[37]), 3);
  EXPECT_EQ(std::string(record.begin() + 38, record.begin() + 46), "25511680");
  EXPECT_EQ(fieldText(record, Setting::Absolute), "255");

  PlotState back;
  EXPECT_TRUE(applyRecord(record, back).empty());
  EXPECT_EQ(back.settings.ColorAbsolute, 255u);
}

TEST(SettingsRecord, StepTextIsCutToThreeCharacters) {
  EXPECT_EQ(stepText(0.1), "0.1");
  EXPECT_EQ(stepText(1.0), "1.0");
  EXPECT_EQ(stepText(0.25), "0.2");
  EXPECT_EQ(stepText(12.5), "12.");
}

// A record of the default texts with one field replaced.
SettingsRecord recordWith(Setting field, std::string_view text) {
  PlotState st;
  st.settings.SampleStep = 0.5;
  SettingsRecord record{};
  fillRecord(st, record);
  setFieldText(record, field, text);
  return record;
}

// Damaged texts never reach the settings: each is replaced by the default of
// its setting, the step by the step in force. Sound texts with blanks before
// them are read.
TEST(SettingsRecord, DamagedTextsAreReplaced) {
  struct Case {
    Setting field;
    std::string text;
    bool replaced;
  };
  const Case cases[] = {
      {Setting::Step, "", true},        {Setting::Step, "0", true},
      {Setting::Step, "0.0", true},     {Setting::Step, "-.5", true},
      {Setting::Step, ".05", true},     {Setting::Step, "2.0", true},
      {Setting::Step, "abc", true},     {Setting::Step, "0,5", true},
      {Setting::Step, " .5", false},    {Setting::Step, "0.2", false},
      {Setting::Linear, "", true}, {Setting::Linear, "-1", true},
      {Setting::Linear, "16777216", true}, {Setting::Linear, "9999999999", true},
      {Setting::Linear, "12a", true},      {Setting::Linear, "0x10", true},
      {Setting::Linear, "1.5", true},      {Setting::Linear, "  65535", false},
      {Setting::Linear, "0", false},       {Setting::Sum, "-16777215", true},
      {Setting::Grid, "+8", false},        {Setting::Grid, "+-8", true},        {Setting::Sound, "2", true},
      {Setting::Sound, "a", true},      {Setting::Sound, "", true},
      {Setting::Optimize, "", true},    {Setting::Optimize, "0", false},
      {Setting::QuickView, "3", true},  {Setting::QuickView, "-", true},
      {Setting::QuickView, "2", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(rowOf(c.field).messageName) + " \"" + c.text + "\"");
    PlotState st;
    st.settings.SampleStep = 1.0;  // the step in force
    const auto replaced = applyRecord(recordWith(c.field, c.text), st);
    if (c.replaced) {
      EXPECT_EQ(replaced, std::vector<Setting>{c.field});
    } else {
      EXPECT_TRUE(replaced.empty());
    }
    switch (c.field) {
      case Setting::Step:
        EXPECT_EQ(st.settings.SampleStep, c.replaced ? 1.0 : (c.text == "0.2" ? 0.2 : 0.5));
        break;
      case Setting::Linear:
        EXPECT_EQ(st.settings.ColorLinear, c.replaced ? DefaultColorLinear : Color(std::stoi(c.text)));
        break;
      case Setting::Sum:
        EXPECT_EQ(st.settings.ColorSum, DefaultColorSum);
        break;
      case Setting::Grid:
        EXPECT_EQ(st.settings.ColorGrid, c.replaced ? DefaultColorGrid : 8u);
        break;
      case Setting::Sound:
        EXPECT_EQ(st.settings.SoundOn, 0);
        break;
      case Setting::Optimize:
        EXPECT_EQ(st.settings.OptimizeOn, c.replaced ? 1 : 0);
        break;
      case Setting::QuickView:
        EXPECT_EQ(st.settings.QuickViewMode, c.replaced ? 0 : 2);
        break;
      default:
        FAIL();
    }
  }
}

TEST(SettingsRecord, LengthByteAboveCapacityIsDamage) {
  SettingsRecord record = recordWith(Setting::AuxColor, "255");
  record[59] = 11;  // would reach into the sum colour
  record[81] = 2;   // sound: capacity 1
  PlotState st;
  EXPECT_EQ(applyRecord(record, st),
            (std::vector<Setting>{Setting::AuxColor, Setting::Sound}));
  EXPECT_EQ(st.settings.ColorAuxLines, DefaultColorAuxLines);
  EXPECT_EQ(fieldText(record, Setting::AuxColor), std::nullopt);
}

// An empty record (a file too short for one) gives every default and keeps the step.
TEST(SettingsRecord, EmptyRecordGivesTheDefaults) {
  PlotState st;
  st.settings.ColorLinear = 1;
  st.settings.ColorSum = 2;
  st.settings.SoundOn = true;
  st.settings.OptimizeOn = false;
  st.settings.QuickViewMode = 2;
  st.settings.FunctionWindowOn = true;
  st.settings.SampleStep = 0.5;
  EXPECT_EQ(applyRecord(SettingsRecord{}, st).size(), 13u);
  EXPECT_EQ(st.settings.ColorLinear, DefaultColorLinear);
  EXPECT_EQ(st.settings.ColorSum, DefaultColorSum);
  EXPECT_EQ(st.settings.SoundOn, 0);
  EXPECT_EQ(st.settings.OptimizeOn, 1);
  EXPECT_EQ(st.settings.QuickViewMode, 0);
  EXPECT_EQ(st.settings.FunctionWindowOn, 0);
  EXPECT_EQ(st.settings.SampleStep, 0.5);
}

}  // namespace
}  // namespace graf
