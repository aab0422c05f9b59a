// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "plot/numtext.h"

namespace graf {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase {
  std::string text;
  bool isNumber;
  double value;  // expected when isNumber; 0 otherwise (a non-number reads as 0)
};

// 2^53 + 1 lies exactly half-way between two doubles; the digits far behind it
// decide the direction.
const std::string kMidpoint = "9007199254740993";

TEST(NumText, ParseNumber) {
  const ParseCase cases[] = {
      {"5", true, 5},
      {"-.5", true, -0.5},
      {"2.", true, 2},
      {".", true, 0},
      {"e3", true, 0},
      {".e3", true, 0},
      {" 7", true, 7},
      {"   -7.25", true, -7.25},
      {"+3", true, 3},
      {"1.5E-2", true, 0.015},
      {"1.5e+2", true, 150},
      {"00012.500", true, 12.5},
      {"0.000125", true, 0.000125},
      {"100.01", true, 100.01},
      {"1e400", true, kInf},
      {"-1e400", true, -kInf},
      {"1e999999999999999999999999", true, kInf},
      {"1e-400", true, 0},
      {"0e999999999999999999999999", true, 0},
      {"4.9406564584124654e-324", true, std::numeric_limits<double>::denorm_min()},
      {"1.7976931348623157e308", true, std::numeric_limits<double>::max()},
      // 400 digits in all.
      {std::string(400, '1') + "e-390", true, 1111111111.1111111111111111},
      {"0." + std::string(390, '0') + "25e392", true, 25},
      // Ties go to the even neighbour; any non-zero digit after the tie, however
      // far back, tips it upwards.
      {kMidpoint, true, 9007199254740992.0},
      {kMidpoint + "." + std::string(900, '0'), true, 9007199254740992.0},
      {kMidpoint + "." + std::string(900, '0') + "1", true, 9007199254740994.0},
      {"", false, 0},
      {" ", false, 0},
      {"-", false, 0},
      {"+", false, 0},
      {"e", false, 0},
      {"1e", false, 0},
      {"1e+", false, 0},
      {"1,5", false, 0},
      {"5 ", false, 0},
      {"1 000", false, 0},
      {"1.2.3", false, 0},
      {"--5", false, 0},
      {"1e5.5", false, 0},
      {"0x10", false, 0},
      {"inf", false, 0},
      {"nan", false, 0},
      {"\t5", false, 0},
  };
  for (const ParseCase& c : cases) {
    const std::string shown = c.text.size() > 40 ? c.text.substr(0, 40) + "..." : c.text;
    double v = -123;
    EXPECT_EQ(parseNumber(c.text, v), c.isNumber) << '"' << shown << '"';
    EXPECT_EQ(v, c.value) << '"' << shown << '"';
  }
}

TEST(NumText, ParseNumberKeepsTheSignOfZero) {
  for (const char* text : {"-0", "-.", "-e3", "-1e-400"}) {
    double v = 1;
    ASSERT_TRUE(parseNumber(text, v)) << text;
    EXPECT_EQ(v, 0.0) << text;
    EXPECT_TRUE(std::signbit(v)) << text;
  }
}

TEST(NumText, TwoDecimals) {
  const struct {
    double value;
    std::string text;
  } cases[] = {
      {0, "0.00"},
      {2.5, "2.50"},
      {-1.75, "-1.75"},
      {10, "10.00"},
      {100, "100.00"},
      {0.125, "0.13"},  // held exactly: a true half, away from zero
      {-0.125, "-0.13"},
      {-0.001, "-0.00"},
      {0.005, "0.01"},    // 5.00000000000000010e-03
      {0.0049, "0.00"},
      {0.0005, "0.00"},   // below the rounding digit altogether
      {1.005, "1.00"},    // 1.00499999999999989e+00
      {2.675, "2.67"},    // 2.67499999999999982e+00
      {0.995, "0.99"},    // 9.94999999999999996e-01
      // Held as 1001.00499999999999545…, whose 18 digits read
      // 1.00100500000000000e+03: a half on the 18 digits, so it goes up.
      {1001.005, "1001.01"},
      {-1001.005, "-1001.01"},
      {9.999, "10.00"},
      {-99.999, "-100.00"},
      {1e20, "100000000000000000000.00"},
      // 1e300 is held as 1.00000000000000005…e300: 18 digits, then zeros.
      {1e300, "100000000000000005" + std::string(283, '0') + ".00"},
      // 1.79769313486231571e+308
      {std::numeric_limits<double>::max(), "179769313486231571" + std::string(291, '0') + ".00"},
      {std::numeric_limits<double>::denorm_min(), "0.00"},
      {-std::numeric_limits<double>::denorm_min(), "-0.00"},
      {-0.0, "0.00"},  // not below zero, so no minus sign
      {kInf, "INF"},
      {-kInf, "-INF"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN"},
  };
  for (const auto& c : cases) EXPECT_EQ(twoDecimals(c.value), c.text) << c.value;
}

// Any bit pattern gives a well-formed text, and a finite value of moderate size
// reads back within half a hundredth.
TEST(NumText, TwoDecimalsOfArbitraryBitPatterns) {
  std::uint64_t bits = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 20000; ++i) {
    bits ^= bits << 13;
    bits ^= bits >> 7;
    bits ^= bits << 17;
    double v;
    if (i % 2 == 0)
      std::memcpy(&v, &bits, sizeof v);
    else  // uniform in -1000..1000
      v = static_cast<double>(bits >> 11) * 0x1p-53 * 2000 - 1000;
    const std::string text = twoDecimals(v);
    if (!std::isfinite(v)) {
      EXPECT_TRUE(text == "NAN" || text == "INF" || text == "-INF") << text;
      continue;
    }
    const std::size_t point = text.find('.');
    ASSERT_NE(point, std::string::npos) << v;
    EXPECT_EQ(text.size(), point + 3) << text;
    EXPECT_EQ(text.front() == '-', v < 0) << text;
    double back;
    ASSERT_TRUE(parseNumber(text, back)) << text;
    if (std::fabs(v) < 1e6) {
      EXPECT_LE(std::fabs(back - v), 0.005 + 1e-9) << v << " " << text;
    }
  }
}

}  // namespace
}  // namespace graf
