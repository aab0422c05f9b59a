// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "plot/kind.h"

namespace graf {
namespace {

// A file's kind text is a blank and the kind's digit; anything else is no kind.
TEST(Kind, FileTextOfEachKindAndRefusals) {
  const struct {
    std::string text;
    std::optional<Kind> kind;
  } cases[] = {
      {" 1", Kind::Linear},
      {" 2", Kind::Quadratic},
      {" 3", Kind::Quadratic2},
      {" 4", Kind::AbsoluteValue},
      {" 0", std::nullopt},
      {" 5", std::nullopt},
      {"1 ", std::nullopt},
      {"01", std::nullopt},
      {"\t1", std::nullopt},
      {" 1 ", std::nullopt},
      {"1", std::nullopt},
      {"", std::nullopt},
      {std::string(" \0", 2), std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(kindOfFileText(c.text), c.kind) << '"' << c.text << '"';
}

TEST(Kind, NumbersDigitsAndNamesBelongTogether) {
  const struct {
    Kind kind;
    int number;
    char digit;
    const char* name;
  } cases[] = {
      {Kind::Linear, 1, '1', "Elsőfokú"},
      {Kind::Quadratic, 2, '2', "Másodfokú"},
      {Kind::Quadratic2, 3, '3', "Másodfokú 2"},
      {Kind::AbsoluteValue, 4, '4', "Abszolútértékes"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(kindNumber(c.kind), c.number);
    EXPECT_EQ(kindOfNumber(c.number), c.kind);
    EXPECT_EQ(kindInfo(c.kind).kind, c.kind);
    EXPECT_EQ(kindInfo(c.kind).digit, c.digit);
    EXPECT_STREQ(kindInfo(c.kind).name, c.name);
  }
  for (int n : {0, 5, -1}) EXPECT_EQ(kindOfNumber(n), std::nullopt) << n;
}

// Each kind's curve takes the colour of its own setting.
TEST(Kind, ColourSlots) {
  Settings s;
  s.ColorLinear = 1;
  s.ColorQuadratic = 2;
  s.ColorQuadratic2 = 3;
  s.ColorAbsolute = 4;
  for (const KindInfo& info : Kinds) EXPECT_EQ(kindColor(s, info.kind), static_cast<Color>(kindNumber(info.kind)));
}

// f(x) at a point where every term counts, in the order of evaluation of
// each kind; a Linear function ignores C.
TEST(Kind, Evaluation) {
  const struct {
    Kind kind;
    double want;
  } cases[] = {
      {Kind::Linear, 2 * 3.0 + -1},                  // A·x + B
      {Kind::Quadratic, 2 * 9.0 + -1 * 3.0 + 5},     // A·x² + B·x + C
      {Kind::Quadratic2, 2 * 16.0 + 5},              // A·(x − B)² + C
      {Kind::AbsoluteValue, 4.0 * 2 + 5},            // |x − B|·A + C
  };
  for (const auto& c : cases) EXPECT_EQ(evaluate(c.kind, 2, -1, 5, 3.0), c.want) << kindNumber(c.kind);
  // The order of evaluation shows where rounding differs: 0.7·(0.1·0.1) is
  // not (0.7·0.1)·0.1.
  EXPECT_EQ(evaluate(Kind::Quadratic, 0.7, 0, 0, 0.1), 0.7 * (0.1 * 0.1));
  EXPECT_NE(evaluate(Kind::Quadratic, 0.7, 0, 0, 0.1), (0.7 * 0.1) * 0.1);
}

}  // namespace
}  // namespace graf
