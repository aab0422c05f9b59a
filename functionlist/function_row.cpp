#include "functionlist/function_row.h"

#include "plot/numtext.h"

namespace graf {

// Placeholder until the row format is in.
std::string FunctionRow(int n, double, double a, double b, double c) {
  return std::to_string(n) + " " + twoDecimals(a) + " " + twoDecimals(b) + " " + twoDecimals(c);
}

}  // namespace graf
