// SPDX-License-Identifier: MIT
#pragma once
// The four kinds of function and everything that depends on the kind alone:
// the digit that stands for it in function-set files, its Hungarian name, the
// settings colour its curves are drawn in, and f(x).
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "plot/settings.h"

namespace graf {

enum class Kind { Linear = 1, Quadratic = 2, Quadratic2 = 3, AbsoluteValue = 4 };

struct KindInfo {
  Kind kind;
  char digit;            // in function-set files, after a blank: " 1" .. " 4"
  const char* name;      // "Elsőfokú", as the option and the menu call it
  const char* listName;  // 13 characters wide, for the function list rows
  Color Settings::*color;
  // f(x), evaluated in exactly this order: Linear A·x + B (C unused);
  // Quadratic A·(x·x) + B·x + C; Quadratic2 A·((x − B)·(x − B)) + C;
  // AbsoluteValue |x − B|·A + C.
  double (*f)(double a, double b, double c, double x);
};

inline constexpr std::array<KindInfo, 4> Kinds{{
    {Kind::Linear, '1', "Elsőfokú", "Elsőfokú     ", &Settings::ColorLinear,
     [](double a, double b, double, double x) { return a * x + b; }},
    {Kind::Quadratic, '2', "Másodfokú", "Másodfokú    ", &Settings::ColorQuadratic,
     [](double a, double b, double c, double x) { return a * (x * x) + b * x + c; }},
    {Kind::Quadratic2, '3', "Másodfokú 2", "Másodfokú 2  ", &Settings::ColorQuadratic2,
     [](double a, double b, double c, double x) { return a * ((x - b) * (x - b)) + c; }},
    {Kind::AbsoluteValue, '4', "Abszolútértékes", "Absz. értékes", &Settings::ColorAbsolute,
     [](double a, double b, double c, double x) { return std::fabs(x - b) * a + c; }},
}};

// The kind's number 1..4: its digit, and the position of its option.
constexpr int kindNumber(Kind k) { return static_cast<int>(k); }

constexpr const KindInfo& kindInfo(Kind k) { return Kinds[static_cast<std::size_t>(kindNumber(k) - 1)]; }

// The kind of number 1..4; nothing for any other number.
constexpr std::optional<Kind> kindOfNumber(int n) {
  if (n < 1 || n > static_cast<int>(Kinds.size())) return std::nullopt;
  return Kinds[static_cast<std::size_t>(n - 1)].kind;
}

// The kind of a function-set file's kind text, a blank and the digit; nothing
// for any other text, which no file written by the program holds.
constexpr std::optional<Kind> kindOfFileText(std::string_view text) {
  if (text.size() != 2 || text[0] != ' ') return std::nullopt;
  for (const KindInfo& info : Kinds)
    if (info.digit == text[1]) return info.kind;
  return std::nullopt;
}

inline double evaluate(Kind k, double a, double b, double c, double x) { return kindInfo(k).f(a, b, c, x); }

inline Color kindColor(const Settings& s, Kind k) { return s.*(kindInfo(k).color); }

}  // namespace graf
