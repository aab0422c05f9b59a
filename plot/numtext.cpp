// SPDX-License-Identifier: MIT
#include "plot/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace graf {

namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// An exponent this large already sends every mantissa out of the range of a
// double; clamping keeps the arithmetic on absurd exponents from overflowing.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

// 767 significant digits are enough to tell on which side of the midpoint
// between two doubles a decimal lies; every digit after them only matters as
// "zero or not", which one trailing 1 stands for.
constexpr std::size_t kKeptDigits = 800;

}  // namespace

bool parseNumber(std::string_view text, double& value) {
  value = 0;
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == n) return false;  // nothing after the blanks and the sign

  const std::size_t intBegin = i;
  while (i < n && isDigit(text[i])) ++i;
  const std::size_t intEnd = i;
  std::size_t fracBegin = i;
  std::size_t fracEnd = i;
  if (i < n && text[i] == '.') {
    ++i;
    fracBegin = i;
    while (i < n && isDigit(text[i])) ++i;
    fracEnd = i;
  }
  std::int64_t exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      expNegative = text[i] == '-';
      ++i;
    }
    if (i == n || !isDigit(text[i])) return false;
    while (i < n && isDigit(text[i])) {
      exponent = exponent * 10 + (text[i] - '0');
      if (exponent > kExponentClamp) exponent = kExponentClamp;
      ++i;
    }
    if (expNegative) exponent = -exponent;
  }
  if (i != n) return false;  // anything left over, a blank included

  // The value is 0.<significant digits> x 10^pointPos x 10^exponent.
  std::string digits;
  std::int64_t pointPos = 0;
  bool dropped = false;  // a non-zero digit beyond kKeptDigits
  auto take = [&](char ch) {
    if (digits.empty() && ch == '0') return;
    if (digits.size() < kKeptDigits)
      digits.push_back(ch);
    else if (ch != '0')
      dropped = true;
  };
  for (std::size_t k = intBegin; k < intEnd; ++k) {
    take(text[k]);
    if (!digits.empty()) ++pointPos;
  }
  for (std::size_t k = fracBegin; k < fracEnd; ++k) {
    if (digits.empty() && text[k] == '0') --pointPos;
    take(text[k]);
  }
  const double sign = negative ? -1.0 : 1.0;
  if (digits.empty()) {  // "0", ".", "e3", "-0.000" and the like
    value = sign * 0.0;
    return true;
  }
  if (dropped) digits.push_back('1');
  while (digits.back() == '0') digits.pop_back();

  const std::int64_t scale = pointPos + exponent;
  // 0.1e310 is already above the largest double; 0.9e-324 is below half the
  // smallest one.
  if (scale > 310) {
    value = sign * std::numeric_limits<double>::infinity();
    return true;
  }
  if (scale < -323) {
    value = sign * 0.0;
    return true;
  }
  std::string canonical = "0." + digits + "e" + std::to_string(scale);
  double magnitude = 0;
  auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude,
                                std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range)
    magnitude = scale > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  value = sign * magnitude;
  return true;
}

std::string twoDecimals(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  // -0.0 has its sign bit set but is not below zero, so it is written "0.00"
  // like 0; every value that is really negative keeps its "-".
  const bool negative = value < 0;
  const double magnitude = std::fabs(value);

  // The decimal expansion to 18 significant digits: d.ddddddddddddddddde±X.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
  const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const std::size_t ePos = sci.find('e');
  std::string digits;
  for (std::size_t k = 0; k < ePos; ++k)
    if (sci[k] != '.') digits.push_back(sci[k]);
  int exp10 = 0;
  std::string_view expText = sci.substr(ePos + 1);
  const bool expNegative = expText.front() == '-';
  if (expText.front() == '+' || expText.front() == '-') expText.remove_prefix(1);
  std::from_chars(expText.data(), expText.data() + expText.size(), exp10);
  if (expNegative) exp10 = -exp10;

  // The leading digit stands for 10^exp10, so the digits down to the
  // hundredths are the first exp10 + 3 of them.
  const int keep = exp10 + 3;
  std::string hundredths;  // the value times 100, rounded, in decimal
  if (keep > 0) {
    const std::size_t have = digits.size();
    const std::size_t k = static_cast<std::size_t>(keep);
    hundredths = digits.substr(0, k < have ? k : have);
    if (k > have) hundredths.append(k - have, '0');
  }
  const bool roundUp = keep >= 0 && static_cast<std::size_t>(keep) < digits.size() &&
                       digits[static_cast<std::size_t>(keep)] >= '5';
  if (roundUp) {
    std::size_t pos = hundredths.size();
    while (pos > 0 && hundredths[pos - 1] == '9') hundredths[--pos] = '0';
    if (pos == 0)
      hundredths.insert(hundredths.begin(), '1');
    else
      ++hundredths[pos - 1];
  }
  if (hundredths.size() < 3) hundredths.insert(0, 3 - hundredths.size(), '0');

  std::string out;
  if (negative) out.push_back('-');
  out.append(hundredths, 0, hundredths.size() - 2);
  out.push_back('.');
  out.append(hundredths, hundredths.size() - 2, 2);
  return out;
}

std::optional<std::int32_t> parseWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  // Accumulated as a negative number, whose range reaches one further.
  constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 - (c - '0');
    if (value < lowest) return std::nullopt;
  }
  if (!negative) {
    if (-value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    value = -value;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace graf
