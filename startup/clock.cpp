// SPDX-License-Identifier: MIT
#include "startup/clock.h"

#include <limits>

namespace graf {

std::int32_t clockFromTicks(std::uint64_t first, std::uint64_t second) {
  const std::uint64_t ticks = second - first;
  const auto low = static_cast<std::uint32_t>(ticks & 0xFFFFFFFFu);
  return static_cast<std::int32_t>(low / kTicksPerMhz);
}

std::int32_t clockFromStoredText(const std::optional<std::string>& text) {
  if (!text) return 0;
  return parseWholeNumber(*text).value_or(0);
}

bool clockOverrideAccepted(std::string_view text) {
  const std::optional<std::int32_t> mhz = parseWholeNumber(text);
  return mhz && *mhz >= 1 && *mhz <= 9999;
}

std::string clockOverrideRefusal(std::string_view text) {
  return "Érvénytelen érték: " + std::string(text) + "!";
}

double sampleStepForClock(std::int32_t mhz) {
  if (mhz < 500) return 1.0;
  if (mhz < 1500) return 0.5;
  return 0.1;
}

std::string optimizationNote(std::int32_t mhz) { return "Optimalizálás (" + std::to_string(mhz) + " MHz)"; }

std::string clockLabel(std::int32_t mhz) { return std::to_string(mhz) + " MHz"; }

}  // namespace graf
