// SPDX-License-Identifier: MIT
#pragma once
// The fixed-width text of one function in the function list.
#include <string>

#include "plot/kind.h"

namespace graf {

// The row of function n (UTF-8): "03. Másodfokú       1.50   -12.00   100.00".
// The number has a leading 0 below 10, the kind name is always 13 characters
// (characters, not bytes), A and B are followed by three blanks below 10, two
// from 10 and one from 100; a Linear function shows "-" instead of C.
std::string FunctionRow(int n, Kind kind, double a, double b, double c);

}  // namespace graf
