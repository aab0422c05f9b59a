// SPDX-License-Identifier: MIT
// The number reader of the coefficient fields against a second reading of
// its grammar: blanks, an optional sign, digits with an optional point and
// digits, an optional exponent, nothing after. The second reading walks a
// state table and leaves the value to the C library's correctly rounded
// strtod; both must agree on every text, bit for bit. The two-decimal text
// of every value read must read back within half a hundredth.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "plot/numtext.h"

namespace {

using graf::fuzzing::require;

enum State { Blanks, Sign, Whole, Fraction, ExponentMark, ExponentSign, ExponentDigits, Reject };

// The next state after one character.
State step(State s, char ch) {
  const bool digit = ch >= '0' && ch <= '9';
  const bool sign = ch == '+' || ch == '-';
  const bool mark = ch == 'e' || ch == 'E';
  switch (s) {
    case Blanks:
      if (ch == ' ') return Blanks;
      if (sign) return Sign;
      [[fallthrough]];
    case Sign:
    case Whole:
      if (digit) return Whole;
      if (ch == '.') return Fraction;
      if (mark) return ExponentMark;
      return Reject;
    case Fraction:
      if (digit) return Fraction;
      if (mark) return ExponentMark;
      return Reject;
    case ExponentMark:
      if (sign) return ExponentSign;
      [[fallthrough]];
    case ExponentSign:
    case ExponentDigits:
      return digit ? ExponentDigits : Reject;
    case Reject:
      return Reject;
  }
  return Reject;
}

bool accepted(State s) { return s == Whole || s == Fraction || s == ExponentDigits; }

// The value of an accepted text: ±0 when the part before the exponent holds
// no digit at all ("." and "e3" read as 0), else strtod's.
double valueOf(const std::string& text) {
  std::size_t i = text.find_first_not_of(' ');
  const bool negative = text[i] == '-';
  std::string rest = text.substr(i);
  const std::size_t mark = rest.find_first_of("eE");
  const std::string mantissa = rest.substr(0, mark);
  if (mantissa.find_first_of("0123456789") == std::string::npos) return negative ? -0.0 : 0.0;
  return std::strtod(rest.c_str(), nullptr);
}

bool sameBits(double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; }

bool isTwoDecimalText(const std::string& t) {
  std::size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
  const std::size_t point = t.find('.');
  if (point == std::string::npos || point == i || t.size() != point + 3) return false;
  for (std::size_t k = i; k < t.size(); ++k)
    if (k != point && (t[k] < '0' || t[k] > '9')) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  State s = Blanks;
  for (char ch : text) s = step(s, ch);

  double value = 1;
  const bool ok = graf::parseNumber(text, value);
  require(ok == accepted(s), "the reader and the grammar disagree on whether the text is a number");
  if (!ok) {
    require(sameBits(value, 0.0), "a text that is not a number does not read as 0");
    return 0;
  }
  require(sameBits(value, valueOf(text)), "the reader's value differs from the correctly rounded one");

  if (std::isfinite(value) && std::fabs(value) < 1e15) {
    const std::string shown = graf::twoDecimals(value);
    require(isTwoDecimalText(shown), "the two-decimal text is not digits, a point and two decimals");
    double back = 0;
    require(graf::parseNumber(shown, back), "the two-decimal text does not read back");
    require(std::fabs(back - value) <= 0.005 + std::fabs(value) * 1e-15,
            "the two-decimal text is more than half a hundredth away");
    require((value < 0) == (shown[0] == '-'), "the two-decimal text lost its sign");
  }
  return 0;
}
