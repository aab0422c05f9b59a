// SPDX-License-Identifier: MIT
// The settings table: each row's picker texts, stored form and default agree
// with each other, so that the loops over the table read, write, restore and
// show every setting alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "settings/setting_names.h"
#include "settings/setting_table.h"

namespace graf {
namespace {

std::vector<std::string> itemsOf(const SettingRow& row) {
  if (isColorRow(row)) return colorPickerItems(row.colors);
  std::vector<std::string> items;
  std::string text = row.items;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    items.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return items;
}

TEST(SettingTable, EveryRowsDefaultTextChoosesItsDefault) {
  for (const SettingRow& row : SettingRows) {
    SCOPED_TRACE(row.messageName);
    EXPECT_TRUE(pickerTextIsDefault(row, row.defaultText));
    const auto items = itemsOf(row);
    EXPECT_NE(std::find(items.begin(), items.end(), row.defaultText), items.end()) << "the default is in the list";
    EXPECT_NE(std::find(items.begin(), items.end(), row.initialText), items.end()) << "so is the first text";
    EXPECT_EQ(&rowOf(row.setting), &row);
  }
  EXPECT_FALSE(pickerTextIsDefault(rowOf(Setting::Optimize), "Ki"));
  EXPECT_FALSE(pickerTextIsDefault(rowOf(Setting::Linear), "Kék"));
}

TEST(SettingTable, EveryValueReadsBackFromItsStoredText) {
  Settings changed;
  changed.SampleStep = 0.5;
  changed.ColorLinear = 0x123456;
  changed.ColorQuadratic = 0;
  changed.ColorQuadratic2 = 0xFFFFFF;
  changed.ColorAbsolute = 1;
  changed.ColorGrid = 0x808080;
  changed.ColorSum = 0x00FFFF;
  changed.ColorAuxLines = 0x000000;
  changed.SoundOn = true;
  changed.AuxLinesOn = true;
  changed.FunctionWindowOn = true;
  changed.OptimizeOn = false;
  changed.QuickViewMode = 2;
  for (const Settings& values : {Settings{}, changed}) {
    Settings read;
    read.SampleStep = 1.0;
    for (const SettingRow& row : SettingRows) {
      SCOPED_TRACE(row.messageName);
      const std::string text = storedText(row, values);
      EXPECT_LE(text.size(), row.capacity);
      EXPECT_TRUE(readStoredText(row, text, read));
    }
    EXPECT_EQ(read.SampleStep, values.SampleStep);
    EXPECT_EQ(read.ColorLinear, values.ColorLinear);
    EXPECT_EQ(read.ColorQuadratic2, values.ColorQuadratic2);
    EXPECT_EQ(read.ColorSum, values.ColorSum);
    EXPECT_EQ(read.ColorAuxLines, values.ColorAuxLines);
    EXPECT_EQ(read.SoundOn, values.SoundOn);
    EXPECT_EQ(read.OptimizeOn, values.OptimizeOn);
    EXPECT_EQ(read.QuickViewMode, values.QuickViewMode);
  }
}

TEST(SettingTable, AnUnreadableTextOrPickerNameChangesNothing) {
  for (const SettingRow& row : SettingRows) {
    SCOPED_TRACE(row.messageName);
    Settings s;
    const std::string before = storedText(row, s);
    EXPECT_FALSE(readStoredText(row, "x", s));
    EXPECT_FALSE(assignPickerText(row, "piros", 0x42, s)) << "names count case for case";
    EXPECT_EQ(storedText(row, s), before);
  }
  Settings s;
  EXPECT_TRUE(assignPickerText(rowOf(Setting::Grid), CustomColorName, 0x42, s));
  EXPECT_EQ(s.ColorGrid, 0x42u) << "\"Egyéni\" takes the row's dialog colour";
}

TEST(SettingTable, EachWindowRowHasItsOwnWidgets) {
  std::set<std::string> names;
  for (const SettingRow& row : SettingRows) {
    EXPECT_TRUE(names.insert(row.pickerName).second) << row.pickerName;
    if (isColorRow(row)) {
      EXPECT_TRUE(names.insert(row.sampleName).second) << row.sampleName;
      EXPECT_TRUE(names.insert(row.buttonName).second) << row.buttonName;
    } else {
      EXPECT_TRUE(names.insert(row.stateName).second) << row.stateName;
    }
  }
}

}  // namespace
}  // namespace graf
