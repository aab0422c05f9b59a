// SPDX-License-Identifier: MIT
#pragma once
// The sum of two listed functions and the trace of one, drawn over the
// picture in the function list's own colours.
#include <vector>

#include "plot/commands.h"

namespace graf {

// Draws the sum of exactly two selected rows (zero-based, any order) in the
// sum colour; any other selection is refused with a message.
void sumOfRows(Commands& cmd, const std::vector<int>& selectedRows);

// Double click on row `row` (zero-based; −1 when no row is current): the
// picture is redrawn and that function traced over it in black.
void traceRow(Commands& cmd, int row);

}  // namespace graf
