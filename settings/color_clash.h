// SPDX-License-Identifier: MIT
#pragma once
// The matching-colours check run by the settings window's OK: colours equal to
// the white background of the picture, and the two second-degree families in
// one colour.
#include <string>

#include "plot/plot_state.h"

namespace graf {

inline constexpr Color BackgroundWhite = 0xFFFFFF;

// The warning's message, empty when nothing clashes. The white colours are
// named in the order linear, quadratic, quadratic 2, absolute value, auxiliary
// lines, grid, sum.
std::string colorClashMessage(const PlotState& st);

}  // namespace graf
