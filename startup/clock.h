// SPDX-License-Identifier: MIT
#pragma once
// The processor clock: its arithmetic, its stored text and the rules that
// read it, check a clock typed by the user and choose the sampling step.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "plot/numtext.h"  // parseWholeNumber, the whole-number grammar of every text

namespace graf {

// Names of the two values in the per-user store (organisation "Velmora",
// application "Grafolin").
inline constexpr const char* kClockValueName = "Proci sebessége (MHz)";
inline constexpr const char* kInfoValueName = "Infó";
// The note stored beside the clock by the first run.
inline constexpr const char* kInfoText =
    "Ha a mért órajel nem egyezik a valóssal, manuálisan is átírható az érték, vagy a programmal "
    "megváltoztatható, ha a processzor sebességére duplán kattintunk az Új processzorom van gomb alatt";

// The measurement: 10 ms of settling, then 500 ms between two reads of the
// cycle counter; 500 ms at 1 MHz are 500000 ticks.
inline constexpr int kSettleMs = 10;
inline constexpr int kMeasureMs = 500;
inline constexpr std::uint32_t kTicksPerMhz = 500000;

// The clock in whole MHz from two reads of the cycle counter: the difference
// is taken in 64 bits (a counter that wrapped between the reads still gives
// the ticks between them), and its low 32 bits, read as unsigned, are divided
// by 500000 with the remainder dropped. 2^32 ticks or more wrap, so the result
// lies in 0..8589.
std::int32_t clockFromTicks(std::uint64_t first, std::uint64_t second);

// The clock as the store holds it: nothing stored (or nothing that is a
// text) and a text that is not a whole number read as 0, the clock not
// measured yet.
std::int32_t clockFromStoredText(const std::optional<std::string>& text);

// A clock typed over the measured one is accepted when it is a whole number
// from 1 to 9999.
bool clockOverrideAccepted(std::string_view text);
// The message that refuses a typed clock: «Érvénytelen érték: abc!».
std::string clockOverrideRefusal(std::string_view text);

// The sampling step that a clock calls for: 1.0 below 500 MHz, 0.5 from 500
// to 1499 MHz, 0.1 from 1500 MHz on.
double sampleStepForClock(std::int32_t mhz);
// From this clock on the splash fades out.
inline constexpr std::int32_t kFadeFromMhz = 1500;

// The clock note of the main window's third status panel: «Optimalizálás (2400 MHz)».
std::string optimizationNote(std::int32_t mhz);
// The clock as the settings window shows it: «2400 MHz».
std::string clockLabel(std::int32_t mhz);

}  // namespace graf
