// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "functionlist/function_row.h"
#include "plot/plot_state.h"

namespace graf {
namespace {

TEST(FunctionRow, Rows) {
  const struct {
    int n;
    Kind kind;
    double a, b, c;
    std::string row;
  } cases[] = {
      {3, Kind::Quadratic, 1.5, -12, 100, "03. Másodfokú       1.50   -12.00   100.00"},
      {12, Kind::Linear, 25, 0, 0, "12. Elsőfokú        25.00  0.00   -"},
      {7, Kind::AbsoluteValue, 0.5, 3, -1, "07. Absz. értékes   0.50   3.00   -1.00"},
      {10, Kind::Quadratic2, 2, 1, 0, "10. Másodfokú 2     2.00   1.00   0.00"},
      {1, Kind::Linear, -0.125, -100, 5, "01. Elsőfokú        -0.13   -100.00   -"},
      // The width of the gap follows the value, 99.999 is shown as 100.00 but
      // is below 100.
      {50, Kind::Quadratic, 100, 99.999, 9.99, "50. Másodfokú       100.00 100.00  9.99"},
      {9, Kind::AbsoluteValue, 10, 9.999, -100, "09. Absz. értékes   10.00  10.00   -100.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FunctionRow(c.n, c.kind, c.a, c.b, c.c), c.row) << c.n;
}

// Counts UTF-8 characters: every byte that does not continue a sequence.
std::size_t characters(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char ch : s) n += (ch & 0xC0) != 0x80;
  return n;
}

// For A and B from 0 to 100 the columns line up whatever the kind: the C
// column starts at character 4 + 13 + 3 + 7 + 7 = 34.
TEST(FunctionRow, ColumnsLineUpForEveryKind) {
  for (Kind kind : {Kind::Linear, Kind::Quadratic, Kind::Quadratic2, Kind::AbsoluteValue}) {
    for (double v : {0.0, 9.5, 10.0, 99.99, 100.0}) {
      const std::string row = FunctionRow(5, kind, v, v, 1);
      EXPECT_EQ(characters(row), kind == Kind::Linear ? 35u : 38u) << row;
    }
  }
}

}  // namespace
}  // namespace graf
