#pragma once
#include <string>

namespace graf {

// The fixed-width text of function n in the function list (UTF-8).
std::string FunctionRow(int n, double kind, double a, double b, double c);

}  // namespace graf
