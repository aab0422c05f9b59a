// SPDX-License-Identifier: MIT
#include "plot/function_table.h"

namespace graf {

int FunctionTable::countNew() {
  if (!full()) ++FunctionCount;
  return FunctionCount;
}

void FunctionTable::setCoefficients(int i, double a, double b, double c) {
  const auto k = static_cast<std::size_t>(i);
  CoefA[k] = a;
  CoefB[k] = b;
  CoefC[k] = storedC(FunctionKind[k], c);
}

void FunctionTable::put(int i, Kind kind, double a, double b, double c) {
  setKind(i, kind);
  setCoefficients(i, a, b, c);
}

bool FunctionTable::contains(Kind kind, double a, double b, double c, int below) const {
  for (std::size_t i = 1; static_cast<int>(i) < below && i <= MaxFunctions; ++i)
    if (FunctionKind[i] == kind && CoefA[i] == a && CoefB[i] == b && CoefC[i] == c) return true;
  return false;
}

void FunctionTable::removeLast() {
  if (FunctionCount > 0) --FunctionCount;
}

void FunctionTable::assignCount(int n) {
  FunctionCount = static_cast<std::uint8_t>(n < 0 ? 0 : n > MaxFunctions ? MaxFunctions : n);
}

}  // namespace graf
