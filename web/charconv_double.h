// SPDX-License-Identifier: MIT
#pragma once
// std::to_chars and std::from_chars for double, which the C++ library of the
// WebAssembly compiler (an older libc++) declares only for whole numbers.
// The web build puts this header before every source file (-include); the
// desktop build never sees it and keeps its standard library's functions.
//
// The texts are those the desktop's library writes: the precision forms as
// printf writes them, and the shortest form chosen as the standard says (the
// fewest characters that read back to the same double, fixed notation on a
// tie), whole numbers above 2^53 with all their exact digits.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#if !defined(__EMSCRIPTEN__)
#error "charconv_double.h is for the web build's C++ library only"
#endif

namespace std {

namespace grafolin_shim {

// Copies a written text into [first, last), or reports that it does not fit.
inline to_chars_result put(char* first, char* last, const char* text, size_t length) {
  if (static_cast<size_t>(last - first) < length) return {last, errc::value_too_large};
  memcpy(first, text, length);
  return {first + length, errc{}};
}

inline to_chars_result printed(char* first, char* last, const char* format, int precision, double value) {
  char buf[400];  // the longest fixed text of a double is 309 digits and a sign
  const int n = snprintf(buf, sizeof buf, format, precision, value);
  if (n < 0 || static_cast<size_t>(n) >= sizeof buf) return {last, errc::value_too_large};
  return put(first, last, buf, static_cast<size_t>(n));
}

// Replaces the n digits by the next n-digit text up (or down) from them and
// says whether it reads back to `magnitude`; on false they are unchanged.
inline bool neighbour(string& digits, int& exponent, bool up, double magnitude) {
  string d = digits;
  int e = exponent;
  if (up) {
    int i = static_cast<int>(d.size()) - 1;
    while (i >= 0 && d[static_cast<size_t>(i)] == '9') d[static_cast<size_t>(i--)] = '0';
    if (i < 0) {
      d.insert(d.begin(), '1');
      d.pop_back();
      ++e;
    } else {
      ++d[static_cast<size_t>(i)];
    }
  } else {
    int i = static_cast<int>(d.size()) - 1;
    while (i >= 0 && d[static_cast<size_t>(i)] == '0') d[static_cast<size_t>(i--)] = '9';
    if (i < 0) return false;
    --d[static_cast<size_t>(i)];
    if (d[0] == '0') {
      if (d.size() == 1) return false;
      d.erase(d.begin());
      d.push_back('9');
      --e;
    }
  }
  string text = d.substr(0, 1) + "." + d.substr(1) + "e" + to_string(e);
  if (strtod(text.c_str(), nullptr) != magnitude) return false;
  digits = d;
  exponent = e;
  return true;
}

inline to_chars_result special(char* first, char* last, double value, bool& done) {
  done = true;
  if (isnan(value)) return signbit(value) ? put(first, last, "-nan", 4) : put(first, last, "nan", 3);
  if (isinf(value)) return value < 0 ? put(first, last, "-inf", 4) : put(first, last, "inf", 3);
  done = false;
  return {first, errc{}};
}

}  // namespace grafolin_shim

inline to_chars_result to_chars(char* first, char* last, double value, chars_format format, int precision) {
  bool done = false;
  const to_chars_result s = grafolin_shim::special(first, last, value, done);
  if (done) return s;
  if (precision < 0) precision = 6;
  switch (format) {
    case chars_format::fixed: return grafolin_shim::printed(first, last, "%.*f", precision, value);
    case chars_format::scientific: return grafolin_shim::printed(first, last, "%.*e", precision, value);
    case chars_format::hex: return grafolin_shim::printed(first, last, "%.*a", precision, value);
    default: return grafolin_shim::printed(first, last, "%.*g", precision, value);
  }
}

namespace grafolin_shim {

// The fewest significant digits that read back as `magnitude` (finite, above
// zero), as the digits of d.ddd·10^exponent; returns how many there are. At
// each length the closest text is tried, then its neighbour on the other side
// of the value, which may read back where the closest does not.
inline int shortestDigits(double magnitude, string& digits, int& exponent) {
  int n = 1;
  for (; n <= 17; ++n) {
    char sci[64];
    snprintf(sci, sizeof sci, "%.*e", n - 1, magnitude);
    digits.clear();
    const char* p = sci;
    for (; *p != 'e'; ++p)
      if (*p != '.') digits.push_back(*p);
    exponent = atoi(p + 1);
    const double back = strtod(sci, nullptr);
    if (back == magnitude) break;
    if (neighbour(digits, exponent, back < magnitude, magnitude)) break;
  }
  return n > 17 ? 17 : n;
}

// d.ddde±XX: scientific writes at least two exponent digits.
inline string scientificText(bool negative, const string& digits, int n, int exponent) {
  string out = negative ? "-" : "";
  out += digits[0];
  if (n > 1) {
    out += '.';
    out += digits.substr(1, static_cast<size_t>(n) - 1);
  }
  char e[8];
  snprintf(e, sizeof e, "e%c%02d", exponent < 0 ? '-' : '+', abs(exponent));
  out += e;
  return out;
}

inline string fixedText(double value, bool negative, const string& digits, int n, int exponent) {
  if (exponent >= n - 1) {
    // A whole number: every one of its exact digits, as printf writes them.
    char whole[400];
    snprintf(whole, sizeof whole, "%.0f", value);
    return whole;
  }
  string out = negative ? "-" : "";
  if (exponent >= 0) {
    out += digits.substr(0, static_cast<size_t>(exponent) + 1);
    out += '.';
    out += digits.substr(static_cast<size_t>(exponent) + 1);
  } else {
    out += "0.";
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  }
  return out;
}

}  // namespace grafolin_shim

// The shortest text in the given notation that reads back to the same double.
inline to_chars_result to_chars(char* first, char* last, double value, chars_format format) {
  bool done = false;
  const to_chars_result s = grafolin_shim::special(first, last, value, done);
  if (done) return s;
  if (format == chars_format::hex) return grafolin_shim::printed(first, last, "%.*a", -1, value);
  const bool negative = signbit(value);
  string out;
  if (value == 0) {
    out = format == chars_format::scientific ? "0e+00" : "0";
    if (negative) out.insert(out.begin(), '-');
    return grafolin_shim::put(first, last, out.data(), out.size());
  }
  string digits;
  int exponent = 0;
  const int n = grafolin_shim::shortestDigits(fabs(value), digits, exponent);
  const string sci = grafolin_shim::scientificText(negative, digits, n, exponent);
  const string fixed = grafolin_shim::fixedText(value, negative, digits, n, exponent);
  if (format == chars_format::scientific) out = sci;
  else if (format == chars_format::fixed) out = fixed;
  else out = sci.size() < fixed.size() ? sci : fixed;
  return grafolin_shim::put(first, last, out.data(), out.size());
}

// The shortest text that reads back to the same double.
inline to_chars_result to_chars(char* first, char* last, double value) {
  bool done = false;
  const to_chars_result s = grafolin_shim::special(first, last, value, done);
  if (done) return s;
  if (value == 0)
    return signbit(value) ? grafolin_shim::put(first, last, "-0", 2) : grafolin_shim::put(first, last, "0", 1);
  return to_chars(first, last, value, chars_format::general);
}

// Reads a decimal double as strtod does; a value beyond the doubles (one that
// would become infinite, or zero from nonzero digits) is out of range and
// leaves `value` as it was.
inline from_chars_result from_chars(const char* first, const char* last, double& value,
                                    chars_format format = chars_format::general) {
  (void)format;
  const string text(first, last);
  const char* start = text.c_str();
  if (*start == ' ' || *start == '\t' || *start == '+' || *start == '\n') return {first, errc::invalid_argument};
  char* end = nullptr;
  const double v = strtod(start, &end);
  if (end == start) return {first, errc::invalid_argument};
  const char* stop = first + (end - start);
  bool nonzeroDigit = false;
  for (const char* q = start; q < end && *q != 'e' && *q != 'E'; ++q)
    nonzeroDigit = nonzeroDigit || (*q >= '1' && *q <= '9');
  if (isinf(v) || (v == 0 && nonzeroDigit)) return {stop, errc::result_out_of_range};
  value = v;
  return {stop, errc{}};
}

}  // namespace std
