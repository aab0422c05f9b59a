// SPDX-License-Identifier: MIT
#pragma once
// The whole program with its windows, offscreen, for the benchmarks that
// time what a user waits for: made at its first use, after start-up, with
// every message box answered at once.
namespace graf::bench {

// Ends the program made for the window benchmarks, if any; before the
// application object goes.
void closeProgram();

}  // namespace graf::bench
