// SPDX-License-Identifier: MIT
// Every number the program stores or shows is written and read with "." as
// the decimal point, whatever the user's locale: a Hungarian or German desktop
// writes "0,5" through printf and reads "0.5" as 0 through strtod.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "functionlist/function_row.h"
#include "functionsets/function_set.h"
#include "plot/numtext.h"
#include "plot/plot_state.h"
#include "settings/settings_record.h"
#include "startup/clock.h"

namespace graf {
namespace {

class DecimalCommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"hu_HU.UTF-8", "hu_HU.utf8", "de_DE.UTF-8", "de_DE.utf8"}) {
      if (std::setlocale(LC_ALL, name)) {
        try {
          std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
          continue;
        }
        if (std::string(std::localeconv()->decimal_point) == ",") return;
      }
    }
    restore();
    GTEST_SKIP() << "no locale with a decimal comma is installed (tools/setup.sh generates hu_HU.UTF-8)";
  }
  void TearDown() override { restore(); }

 private:
  void restore() {
    std::setlocale(LC_ALL, saved_.c_str());
    std::locale::global(std::locale::classic());
  }
  std::string saved_;
};

std::string textAt(const std::vector<std::uint8_t>& record, std::size_t at) {
  return std::string(record.begin() + static_cast<std::ptrdiff_t>(at + 1),
                     record.begin() + static_cast<std::ptrdiff_t>(at + 1 + record[at]));
}

TEST_F(DecimalCommaLocale, TheSettingsRecordHoldsPointedStepsAndReadsThemBack) {
  for (const auto& [step, text] : {std::pair{0.1, "0.1"}, {0.5, "0.5"}, {1.0, "1.0"}}) {
    PlotState st;
    st.settings.SampleStep = step;
    SettingsRecord record{};
    fillRecord(st, record);
    EXPECT_EQ(fieldText(record, Setting::Step), std::optional<std::string>(text));
    PlotState back;
    back.settings.SampleStep = 0.7;
    EXPECT_TRUE(applyRecord(record, back).empty()) << text << " was reported as damaged";
    EXPECT_EQ(back.settings.SampleStep, step);
  }
}

TEST_F(DecimalCommaLocale, TheSetRecordHoldsPointedCoefficientsAndReadsThemBack) {
  FunctionTable table;
  table.FunctionCount = 1;
  table.FunctionKind[1] = Kind::Quadratic;
  table.CoefA[1] = 1.5;
  table.CoefB[1] = -12.25;
  table.CoefC[1] = 0.05;
  const auto record = encodeFunctionSet(table, "vessző");
  EXPECT_EQ(textAt(record, 204), "1.50");
  EXPECT_EQ(textAt(record, 754), "-12.25");
  EXPECT_EQ(textAt(record, 1304), "0.05");
  FunctionSet set;
  ASSERT_TRUE(decodeFunctionSet(record, set).ok());
  EXPECT_EQ(set.a[1], 1.5);
  EXPECT_EQ(set.b[1], -12.25);
  EXPECT_EQ(set.c[1], 0.05);
}

TEST_F(DecimalCommaLocale, ShownNumbersUseThePoint) {
  EXPECT_EQ(twoDecimals(-2.5), "-2.50");
  EXPECT_EQ(twoDecimals(1234.567), "1234.57");
  EXPECT_EQ(FunctionRow(3, Kind::Quadratic, 1.5, -12, 100), "03. Másodfokú       1.50   -12.00   100.00");
  EXPECT_EQ(clockLabel(2400), "2400 MHz");
  EXPECT_EQ(optimizationNote(2400), "Optimalizálás (2400 MHz)");
  double value = 0;
  ASSERT_TRUE(parseNumber("0.75", value));
  EXPECT_EQ(value, 0.75);
  EXPECT_FALSE(parseNumber("0,75", value)) << "the comma is not a decimal point in a coefficient field";
}

}  // namespace
}  // namespace graf
