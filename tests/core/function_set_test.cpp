// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "functionsets/function_set.h"
#include "plot/numtext.h"
#include "plot/plot_state.h"

namespace graf {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Fn {
  Kind kind;
  double a, b, c;
};

PlotState stateWith(const std::vector<Fn>& fns) {
  PlotState st;
  st.table.FunctionCount = static_cast<std::uint8_t>(fns.size());
  for (std::size_t k = 0; k < fns.size(); ++k) {
    st.table.FunctionKind[k + 1] = fns[k].kind;
    st.table.CoefA[k + 1] = fns[k].a;
    st.table.CoefB[k + 1] = fns[k].b;
    st.table.CoefC[k + 1] = fns[k].c;
  }
  return st;
}

// Writes a length byte and the text at an offset of an expected record.
void put(Bytes& record, std::size_t at, std::string_view text) {
  record[at] = static_cast<std::uint8_t>(text.size());
  for (std::size_t k = 0; k < text.size(); ++k) record[at + 1 + k] = static_cast<std::uint8_t>(text[k]);
}

// f(x) = 2x − 1 (Linear) and f(x) = 0.5(x − 1)^2 + 3 (Quadratic2) with the
// 12-character comment "Két függvény".
TEST(FunctionSet, WorkedRecord) {
  const PlotState st = stateWith({{Kind::Linear, 2, -1, 0}, {Kind::Quadratic2, 0.5, 1, 3}});
  const Bytes record = encodeFunctionSet(st.table, "Két függvény");

  Bytes expected(1854, 0);
  put(expected, 0, "K\xE9t f\xFCggv\xE9ny");
  put(expected, 51, "2");
  put(expected, 54, " 1");
  put(expected, 57, " 3");
  put(expected, 204, "2.00");
  put(expected, 215, "0.50");
  put(expected, 754, "-1.00");
  put(expected, 765, "1.00");
  put(expected, 1304, "0.00");
  put(expected, 1315, "3.00");
  ASSERT_EQ(record.size(), 1854u);
  for (std::size_t k = 0; k < expected.size(); ++k)
    EXPECT_EQ(int(record[k]), int(expected[k])) << "offset " << k;

  FunctionSet set;
  ASSERT_TRUE(decodeFunctionSet(record, set).ok());
  EXPECT_EQ(set.comment, "Két függvény");
  EXPECT_EQ(set.countText, "2");
  EXPECT_EQ(set.bText[1], "-1.00");
  EXPECT_EQ(set.kind[2], Kind::Quadratic2);
}

void expectRoundTrip(const std::vector<Fn>& fns, const std::string& comment) {
  const PlotState st = stateWith(fns);
  FunctionSet set;
  ASSERT_TRUE(decodeFunctionSet(encodeFunctionSet(st.table, comment), set).ok()) << fns.size();
  EXPECT_EQ(set.comment, comment);
  EXPECT_EQ(set.count, static_cast<int>(fns.size()));
  EXPECT_EQ(set.countText, std::to_string(fns.size()));
  for (std::size_t k = 0; k < fns.size(); ++k) {
    const int i = static_cast<int>(k + 1);
    EXPECT_EQ(set.kind[i], fns[k].kind) << i;
    EXPECT_EQ(set.a[i], fns[k].a) << i;
    EXPECT_EQ(set.b[i], fns[k].b) << i;
    EXPECT_EQ(set.c[i], fns[k].c) << i;
    EXPECT_EQ(set.aText[i], twoDecimals(fns[k].a)) << i;
    EXPECT_EQ(set.bText[i], twoDecimals(fns[k].b)) << i;
    EXPECT_EQ(set.cText[i], twoDecimals(fns[k].c)) << i;
  }
}

// Coefficients with at most two decimals come back as the very same doubles.
TEST(FunctionSet, RoundTrips) {
  expectRoundTrip({{Kind::AbsoluteValue, -100, 100, 0.01}}, "");
  expectRoundTrip({{Kind::Quadratic, 1.5, -12, 100}, {Kind::Linear, 25, 0, 0}}, "Őszi ŰRHAJÓ € „jel”");
  std::vector<Fn> fifty;
  const Kind kinds[] = {Kind::Linear, Kind::Quadratic, Kind::Quadratic2, Kind::AbsoluteValue};
  for (int i = 1; i <= 50; ++i) {
    const Kind kind = kinds[i % 4];
    // k/100.0 is the double nearest to the two-decimal number, as a read is.
    fifty.push_back({kind, (i * 397 % 20001 - 10000) / 100.0, (i * 7919 % 20001 - 10000) / 100.0,
                     kind == Kind::Linear ? 0.0 : (i * 104729 % 20001 - 10000) / 100.0});
  }
  expectRoundTrip(fifty, std::string(50, 'x'));
}

TEST(FunctionSet, CoefficientsAreStoredWithTwoDecimals) {
  const Bytes record = encodeFunctionSet(stateWith({{Kind::Quadratic, 0.125, -0.125, 2.675}}).table, "");
  FunctionSet set;
  ASSERT_TRUE(decodeFunctionSet(record, set).ok());
  EXPECT_EQ(set.aText[1], "0.13");
  EXPECT_EQ(set.bText[1], "-0.13");
  EXPECT_EQ(set.cText[1], "2.67");  // 2.675 is held just below the half
  EXPECT_EQ(set.a[1], 0.13);
  EXPECT_EQ(set.b[1], -0.13);
  EXPECT_EQ(set.c[1], 2.67);
}

TEST(FunctionSet, UntouchedCommentIsFortyWindows1250Bytes) {
  const Bytes record = encodeFunctionSet(stateWith({{Kind::Linear, 1, 0, 0}}).table, kInitialComment);
  const std::string expected = "Megjegyz\xE9s a f\xFCggv\xE9ny(ek) azonos\xEDt\xE1s\xE1hoz";
  ASSERT_EQ(expected.size(), 40u);
  ASSERT_EQ(record[0], 40);
  EXPECT_EQ(std::string(record.begin() + 1, record.begin() + 41), expected);
  EXPECT_EQ(record[41], 0);
}

TEST(FunctionSet, CommentIsCutToFiftyCharacters) {
  std::string longComment;
  for (int k = 0; k < 60; ++k) longComment += "ő";  // two bytes each in UTF-8
  FunctionSet set;
  const Bytes record = encodeFunctionSet(stateWith({{Kind::Linear, 1, 0, 0}}).table, longComment);
  ASSERT_EQ(record[0], 50);
  EXPECT_EQ(record[50], 0xF5);
  ASSERT_TRUE(decodeFunctionSet(record, set).ok());
  EXPECT_EQ(set.comment, longComment.substr(0, 100));
}

// The window learns which typed characters could not be stored.
TEST(FunctionSet, UnencodableCommentCharactersAreReplacedAndReported) {
  std::string bad;
  const Bytes record = encodeFunctionSet(stateWith({{Kind::Linear, 1, 0, 0}}).table, "x→y→z😀 ő", &bad);
  EXPECT_EQ(bad, "→😀");
  ASSERT_EQ(record[0], 8);
  EXPECT_EQ(std::string(record.begin() + 1, record.begin() + 9), "x?y?z? \xF5");

  std::string out;
  EXPECT_TRUE(encodeWindows1250("Árvíztűrő tükörfúrógép", out, &bad));
  EXPECT_EQ(bad, "");
  EXPECT_FALSE(encodeWindows1250("a\xFF" "b\xC3", out, &bad));  // not UTF-8
  EXPECT_EQ(out, "a?b?");
  EXPECT_EQ(bad, "\xEF\xBF\xBD");  // U+FFFD, once
  EXPECT_TRUE(representableInWindows1250("ŐŰőű€ÄäŠšŽž"));
  EXPECT_FALSE(representableInWindows1250("Ω"));
  EXPECT_FALSE(representableInWindows1250("\xC0\x80"));  // overlong NUL
}

// Checked against the C library's own Windows-1250 table; the five bytes it
// leaves undefined come back as the C1 controls of the same number.
TEST(FunctionSet, EveryWindows1250CharacterRoundTrips) {
  iconv_t cd = iconv_open("UTF-8", "CP1250");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  const std::set<int> undefined = {0x81, 0x83, 0x88, 0x90, 0x98};
  std::set<std::string> seen;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = decodeWindows1250(byte);
    seen.insert(utf8);

    char in[1] = {static_cast<char>(b)};
    char outBuf[8];
    char* inPtr = in;
    char* outPtr = outBuf;
    std::size_t inLeft = 1, outLeft = sizeof outBuf;
    const bool defined = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(defined, !undefined.count(b)) << b;
    if (defined) {
      EXPECT_EQ(utf8, std::string(outBuf, outPtr)) << b;
    } else {
      std::string c1 = {static_cast<char>(0xC2), static_cast<char>(b)};
      EXPECT_EQ(utf8, c1) << b;
    }

    std::string back;
    EXPECT_TRUE(encodeWindows1250(utf8, back)) << b;
    EXPECT_EQ(back, byte) << b;
  }
  iconv_close(cd);
  EXPECT_EQ(seen.size(), 256u);
}

// Every malformed record is refused with its defect and leaves the previous
// set as it was; the filler is never looked at.
TEST(FunctionSet, RefusesMalformedRecords) {
  const Bytes good = encodeFunctionSet(stateWith({{Kind::Linear, 2, -1, 0}, {Kind::Quadratic2, 0.5, 1, 3}, {Kind::AbsoluteValue, 1, 2, 3}}).table, "ok");
  const auto text = [](std::size_t at, std::string s) {
    return [at, s](Bytes& r) { put(r, at, s); };
  };
  const auto byteAt = [](std::size_t at, std::uint8_t v) { return [at, v](Bytes& r) { r[at] = v; }; };
  const std::size_t entry2 = 11;  // distance between coefficient entries

  const struct {
    const char* name;
    std::function<void(Bytes&)> damage;
    SetDefect defect;
    int entry;
    char field;
  } cases[] = {
      {"1853 bytes", [](Bytes& r) { r.pop_back(); }, SetDefect::Size, 0, 0},
      {"1855 bytes", [](Bytes& r) { r.push_back(0); }, SetDefect::Size, 0, 0},
      {"empty file", [](Bytes& r) { r.clear(); }, SetDefect::Size, 0, 0},
      {"all zeros", [](Bytes& r) { r.assign(1854, 0); }, SetDefect::CountLength, 0, 0},
      {"all 0xFF", [](Bytes& r) { r.assign(1854, 0xFF); }, SetDefect::CommentLength, 0, 0},
      {"comment length 51", byteAt(0, 51), SetDefect::CommentLength, 0, 0},
      {"count length 0", byteAt(51, 0), SetDefect::CountLength, 0, 0},
      {"count length 3", byteAt(51, 3), SetDefect::CountLength, 0, 0},
      {"count 0", text(51, "0"), SetDefect::CountRange, 0, 0},
      {"count 51", text(51, "51"), SetDefect::CountRange, 0, 0},
      {"count 5x", text(51, "5x"), SetDefect::CountText, 0, 0},
      {"count -1", text(51, "-1"), SetDefect::CountText, 0, 0},
      {"count blank 3", text(51, " 3"), SetDefect::CountText, 0, 0},
      {"count 4 reaches a missing entry", text(51, "4"), SetDefect::KindLength, 4, 'K'},
      {"kind \" 5\"", text(54, " 5"), SetDefect::KindText, 1, 'K'},
      {"kind \" 0\"", text(57, " 0"), SetDefect::KindText, 2, 'K'},
      {"kind x1", text(54, "x1"), SetDefect::KindText, 1, 'K'},
      {"kind length 3", byteAt(60, 3), SetDefect::KindLength, 3, 'K'},
      {"A 1,5", text(204, "1,5"), SetDefect::CoefficientText, 1, 'A'},
      {"B of 2 is 1,5", text(754 + entry2, "1,5"), SetDefect::CoefficientText, 2, 'B'},
      {"C of 3 is 5 and a blank", text(1304 + 2 * entry2, "5 "), SetDefect::CoefficientText, 3, 'C'},
      {"A length 11", byteAt(204, 11), SetDefect::CoefficientLength, 1, 'A'},
      {"C length 0", byteAt(1304, 0), SetDefect::CoefficientLength, 1, 'C'},
      // Beyond the range of a double: an infinity is not a number.
      {"B 1e400", text(754, "1e400"), SetDefect::CoefficientText, 1, 'B'},
      {"A of 3 is -1e400", text(204 + 2 * entry2, "-1e400"), SetDefect::CoefficientText, 3, 'A'},
      {"C 2e308", text(1304, "2e308"), SetDefect::CoefficientText, 1, 'C'},
      // Numbers of any size load: the plot run after the load checks the range.
      {"A 1e300", text(204, "1e300"), SetDefect::None, 0, 0},
      {"C of 2 is 99999999", text(1304 + entry2, "99999999"), SetDefect::None, 0, 0},
      {"B of 3 is -100.01", text(754 + 2 * entry2, "-100.01"), SetDefect::None, 0, 0},
      {"A 1.7e308", text(204, "1.7e308"), SetDefect::None, 0, 0},
      {"B 1e-400 reads as 0", text(754, "1e-400"), SetDefect::None, 0, 0},
      // Accepted: what lies beyond the texts is filler.
      {"filler after the comment", byteAt(50, 0xAB), SetDefect::None, 0, 0},
      {"filler after a text", byteAt(204 + 9, '7'), SetDefect::None, 0, 0},
      {"entry 4 garbage", text(54 + 9, "zz?"), SetDefect::None, 0, 0},
      {"count with a leading zero", text(51, "03"), SetDefect::None, 0, 0},
      {"coefficient with leading blanks", text(204, "  2"), SetDefect::None, 0, 0},
  };
  for (const auto& c : cases) {
    Bytes record = good;
    c.damage(record);
    FunctionSet out;
    out.comment = "earlier";
    out.count = 7;
    out.aText[7] = "1.00";
    const DecodeResult r = decodeFunctionSet(record, out);
    EXPECT_EQ(r.defect, c.defect) << c.name;
    EXPECT_EQ(r.entry, c.entry) << c.name;
    EXPECT_EQ(r.field, c.field) << c.name;
    if (c.defect == SetDefect::None) {
      EXPECT_EQ(out.comment, "ok") << c.name;
      EXPECT_EQ(out.count, 3) << c.name;
    } else {
      EXPECT_EQ(out.comment, "earlier") << c.name;
      EXPECT_EQ(out.count, 7) << c.name;
      EXPECT_EQ(out.aText[7], "1.00") << c.name;
    }
  }
}

// A coefficient is written as its two-decimal text while that fits the ten
// characters, else as the shortest text of at most ten that reads back
// exactly; with none, no record is made and the coefficient is named.
TEST(FunctionSet, CoefficientTextsFitTheirTenCharactersOrTheSaveIsRefused) {
  const struct {
    double value;
    const char* text;  // nullptr: no text can hold it
    double loaded;     // what the text reads back as
  } cases[] = {
      {0.125, "0.13", 0.13},
      {-1e-3, "-0.00", 0.0},
      {-100, "-100.00", -100},
      {9999999.99, "9999999.99", 9999999.99},
      {99999999.99, nullptr, 0},
      {12345678.5, "12345678.5", 12345678.5},
      {123456789, "123456789", 123456789},
      {-1e15, "-1e15", -1e15},
      {1e15, "1e15", 1e15},
      {1.5e300, "15e299", 1.5e300},
      {-1.25e-300, "-0.00", 0.0},
      {-2.5e-7, "-0.00", 0.0},
      {1.23456789e20, nullptr, 0},
      {123456789012.0, nullptr, 0},
      {std::numeric_limits<double>::infinity(), nullptr, 0},
      {std::numeric_limits<double>::quiet_NaN(), nullptr, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const std::optional<std::string> text = storedCoefficientText(c.value);
    PlotState st = stateWith({{Kind::Quadratic, 1, 2, 3}, {Kind::Quadratic2, 4, c.value, 5}});
    UnsavableCoefficient unsavable;
    std::string unencodable;
    const Bytes record = encodeFunctionSet(st.table, "határ", &unencodable, &unsavable);
    if (!c.text) {
      EXPECT_FALSE(text.has_value());
      EXPECT_TRUE(record.empty());
      EXPECT_EQ(unsavable.function, 2);
      EXPECT_EQ(unsavable.field, 'B');
      continue;
    }
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, c.text);
    FunctionSet set;
    ASSERT_TRUE(decodeFunctionSet(record, set).ok());
    EXPECT_EQ(set.bText[2], c.text);
    EXPECT_EQ(set.b[2], c.loaded);
    EXPECT_EQ(set.a[2], 4);
  }
}

TEST(FunctionSet, StoredTextsAreKeptAsTheyAre) {
  Bytes record = encodeFunctionSet(stateWith({{Kind::Quadratic, 1, 2, 3}}).table, "");
  put(record, 51, "01");
  put(record, 204, "  1.5e1");
  FunctionSet set;
  ASSERT_TRUE(decodeFunctionSet(record, set).ok());
  EXPECT_EQ(set.countText, "01");
  EXPECT_EQ(set.count, 1);
  EXPECT_EQ(set.aText[1], "  1.5e1");
  EXPECT_EQ(set.a[1], 15);
}

}  // namespace
}  // namespace graf
