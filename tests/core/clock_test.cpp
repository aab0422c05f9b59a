// SPDX-License-Identifier: MIT
// The clock's arithmetic, the reading of its stored text, the check of a
// typed clock and the step that a clock calls for.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "startup/clock.h"

namespace graf {
namespace {

struct TicksCase {
  std::uint64_t first, second;
  std::int32_t mhz;
};

TEST(ClockFromTicks, DividesTheLow32BitsOfTheDifferenceBy500000) {
  constexpr std::uint64_t wrap32 = std::uint64_t{1} << 32;
  const TicksCase cases[] = {
      {0, 1'200'000'000, 2400},
      {0, 749'999'999, 1499},
      {0, 750'000'000, 1500},
      {0, 499'999, 0},  // fewer than 500000 ticks: 0 MHz
      {0, 500'000, 1},
      {0, 0, 0},
      {0, wrap32 - 1, 8589},                  // the largest clock
      {0, wrap32, 0},                         // 8590 MHz and above wrap
      {0, wrap32 + 1'000'000'000, 2000},      // 10590 MHz reads as 2000
      {5'000'000'000, 6'200'000'000, 2400},   // the start is no matter
      {UINT64_MAX - 99, 1'199'999'900, 2400}, // a counter that wrapped between the reads
  };
  for (const TicksCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " .. " + std::to_string(c.second));
    EXPECT_EQ(clockFromTicks(c.first, c.second), c.mhz);
  }
}

struct NumberCase {
  const char* text;
  std::optional<std::int32_t> value;
};

TEST(ParseWholeNumber, TakesLeadingBlanksAndASignAndNothingElse) {
  const NumberCase cases[] = {
      {"2400", 2400},
      {" 800", 800},
      {"   -5", -5},
      {"+7", 7},
      {"0", 0},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},   // overflow
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"800 ", std::nullopt},         // a trailing blank
      {"\t800", std::nullopt},        // only blanks lead
      {"abc", std::nullopt},
      {"12a", std::nullopt},
      {"2400.0", std::nullopt},
      {"1e3", std::nullopt},
      {"- 5", std::nullopt},
      {"+-0", std::nullopt},          // one sign at most
      {"-+5", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    EXPECT_EQ(parseWholeNumber(c.text), c.value);
  }
}

TEST(ClockFromStoredText, ReadsZeroForNothingStoredOrNoWholeNumber) {
  EXPECT_EQ(clockFromStoredText(std::nullopt), 0);
  EXPECT_EQ(clockFromStoredText(std::string("")), 0);
  EXPECT_EQ(clockFromStoredText(std::string("sok")), 0);
  EXPECT_EQ(clockFromStoredText(std::string("2400.5")), 0);
  EXPECT_EQ(clockFromStoredText(std::string("2400")), 2400);
  EXPECT_EQ(clockFromStoredText(std::string(" 800")), 800);
  EXPECT_EQ(clockFromStoredText(std::string("-5")), -5);
}

TEST(ClockOverride, AcceptsWholeNumbersFrom1To9999AsTyped) {
  const struct {
    const char* text;
    bool accepted;
  } cases[] = {
      {"9999", true}, {"1", true},     {" 800", true},  {"+800", true}, {"0", false},
      {"-5", false},  {"10000", false}, {"abc", false}, {"", false},    {"800 ", false},
      {"99999999999", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\"");
    EXPECT_EQ(clockOverrideAccepted(c.text), c.accepted);
  }
}

TEST(ClockOverride, RefusalQuotesTheTextBetweenItsFixedParts) {
  EXPECT_EQ(clockOverrideRefusal("abc"), "Érvénytelen érték: abc!");
  EXPECT_EQ(clockOverrideRefusal(""), "Érvénytelen érték: !");
  EXPECT_EQ(clockOverrideRefusal("800 "), "Érvénytelen érték: 800 !");
}

TEST(SampleStepForClock, FollowsTheClockRuleOnWholeMhz) {
  const struct {
    std::int32_t mhz;
    double step;
  } cases[] = {{INT32_MIN, 1.0}, {-5, 1.0}, {0, 1.0},     {499, 1.0},  {500, 0.5},
               {1499, 0.5},      {1500, 0.1}, {2400, 0.1}, {INT32_MAX, 0.1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mhz);
    EXPECT_EQ(sampleStepForClock(c.mhz), c.step);
  }
}

TEST(ClockTexts, NoteAndLabelShowTheClockInDecimal) {
  EXPECT_EQ(optimizationNote(2400), "Optimalizálás (2400 MHz)");
  EXPECT_EQ(optimizationNote(-5), "Optimalizálás (-5 MHz)");
  EXPECT_EQ(clockLabel(800), "800 MHz");
}

}  // namespace
}  // namespace graf
