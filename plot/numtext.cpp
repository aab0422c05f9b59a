#include "plot/numtext.h"

#include <charconv>
#include <cstdio>

namespace graf {

// Placeholder until the full readers and writers are in.
bool parseNumber(std::string_view text, double& value) {
  value = 0;
  if (text.empty()) return false;
  auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

std::string twoDecimals(double value) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.2f", value);
  return buf;
}

}  // namespace graf
