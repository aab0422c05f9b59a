// SPDX-License-Identifier: MIT
#pragma once
// The stored functions, entries 1..FunctionCount (entry 0 unused). Entries
// above the count are left-overs and never mean a stored function. The field
// names are the program's own; the redraw and the set files read them, and
// only the commands change the table, through the operations below, which
// keep its rules: at most 50 entries, and a first-degree function holds 0 as C.
#include <array>
#include <cstdint>

#include "plot/kind.h"

namespace graf {

inline constexpr int MaxFunctions = 50;

struct FunctionTable {
  std::uint8_t FunctionCount = 0;
  std::array<Kind, MaxFunctions + 1> FunctionKind = [] {
    std::array<Kind, MaxFunctions + 1> kinds;
    kinds.fill(Kind::Linear);
    return kinds;
  }();
  std::array<double, MaxFunctions + 1> CoefA{};
  std::array<double, MaxFunctions + 1> CoefB{};
  std::array<double, MaxFunctions + 1> CoefC{};

  int count() const { return FunctionCount; }
  bool full() const { return FunctionCount >= MaxFunctions; }

  // A first-degree function has no C: its C field is ignored, and the table
  // always holds 0 there, so that a function typed again or loaded compares
  // equal to the stored one.
  static constexpr bool hasC(Kind kind) { return kind != Kind::Linear; }
  static constexpr double storedC(Kind kind, double c) { return hasC(kind) ? c : 0.0; }

  // Counts one more entry, at the start of a plot run, and returns its
  // number; the run fills it or takes it back. Not at the maximum.
  int countNew();
  void setKind(int i, Kind kind) { FunctionKind[static_cast<std::size_t>(i)] = kind; }
  // Entry i's coefficients, C by the rule of its kind.
  void setCoefficients(int i, double a, double b, double c);
  // Entry i whole: its kind, then its coefficients.
  void put(int i, Kind kind, double a, double b, double c);
  // Whether one of the entries 1..below−1 is this function.
  bool contains(Kind kind, double a, double b, double c, int below) const;
  // Takes back the last entry; with none stored, nothing happens.
  void removeLast();
  // No entry is stored any more; the arrays keep their left-overs.
  void clear() { FunctionCount = 0; }
  // After a load has put entries 1..n: they are stored (n ≤ 50).
  void assignCount(int n);
};

}  // namespace graf
