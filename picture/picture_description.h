// SPDX-License-Identifier: MIT
#pragma once
// What the picture shows, in words, for a user who cannot see it: the zoom,
// then every function as its row in the function list reads, or that the
// picture holds no function.
#include <string>

#include "plot/plot_state.h"

namespace graf {

// "Nagyítás: 2x. 2 függvény: 01. Elsőfokú 1.00 -2.00 -; 02. Másodfokú ..."
// The rows' column padding is read as one blank.
std::string PictureDescription(const PlotState& st);

}  // namespace graf
