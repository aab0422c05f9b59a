#include "startup/clock.h"

#include <limits>

namespace graf {

std::int32_t clockFromTicks(std::uint64_t first, std::uint64_t second) {
  const std::uint64_t ticks = second - first;
  const auto low = static_cast<std::uint32_t>(ticks & 0xFFFFFFFFu);
  return static_cast<std::int32_t>(low / kTicksPerMhz);
}

std::optional<std::int32_t> parseWholeNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  // Accumulated as a negative number, whose range reaches one further.
  constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 - (c - '0');
    if (value < lowest) return std::nullopt;
  }
  if (!negative) {
    if (-value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    value = -value;
  }
  return static_cast<std::int32_t>(value);
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
