#include "functionlist/function_row.h"

#include "plot/numtext.h"
#include "plot/plot_state.h"

namespace graf {

namespace {

// Each name is 13 characters wide; the accented letters take two bytes each.
const char* kindName(double kind) {
  if (kind == Linear) return "Elsőfokú     ";
  if (kind == Quadratic) return "Másodfokú    ";
  if (kind == Quadratic2) return "Másodfokú 2  ";
  if (kind == AbsoluteValue) return "Absz. értékes";
  // The table only ever holds the four kinds; should anything else turn up,
  // the row says so visibly instead of passing it off as a known kind, and
  // keeps the columns in place.
  return "?            ";
}

const char* gapAfter(double value) {
  if (value < 10) return "   ";
  if (value < 100) return "  ";
  return " ";
}

}  // namespace

std::string FunctionRow(int n, double kind, double a, double b, double c) {
  std::string row;
  if (n >= 0 && n < 10) row += '0';
  row += std::to_string(n);
  row += ". ";
  row += kindName(kind);
  row += "   ";
  row += twoDecimals(a);
  row += gapAfter(a);
  row += twoDecimals(b);
  row += gapAfter(b);
  row += kind == Linear ? std::string("-") : twoDecimals(c);
  return row;
}

}  // namespace graf
