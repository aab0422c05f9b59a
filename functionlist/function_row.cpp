// SPDX-License-Identifier: MIT
#include "functionlist/function_row.h"

#include "plot/numtext.h"

namespace graf {

namespace {

const char* gapAfter(double value) {
  if (value < 10) return "   ";
  if (value < 100) return "  ";
  return " ";
}

}  // namespace

std::string FunctionRow(int n, Kind kind, double a, double b, double c) {
  std::string row;
  if (n >= 0 && n < 10) row += '0';
  row += std::to_string(n);
  row += ". ";
  row += kindInfo(kind).listName;
  row += "   ";
  row += twoDecimals(a);
  row += gapAfter(a);
  row += twoDecimals(b);
  row += gapAfter(b);
  row += kind == Kind::Linear ? std::string("-") : twoDecimals(c);
  return row;
}

}  // namespace graf
