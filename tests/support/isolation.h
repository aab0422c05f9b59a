#pragma once
// Gives the test process its own temporary current directory and its own
// per-user settings location, removed again when the process ends.
#include <string>

namespace graf::testing {
// The temporary directory the process runs in.
const std::string& isolateProcess();
}
