// SPDX-License-Identifier: MIT
#pragma once
// Number texts, independent of the locale: "." is always the decimal point.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace graf {

// Reads the text of a coefficient field.
// Leading blanks (code 32) are skipped, then an optional "+" or "-"; the rest
// must be non-empty and consist of digits, optionally "." and digits, and
// optionally an exponent ("E" or "e", optional sign, at least one digit).
// Nothing may follow. A lone "." or a lone exponent such as "e3" reads as 0.
// Returns false when the text is not a number (the empty text included), and
// value is then 0: an empty field reads as 0.
// A number beyond the range of a double gives ±infinity; one too small to be
// held gives ±0.
bool parseNumber(std::string_view text, double& value);

// Fixed notation with exactly two decimals: halves rounded away from zero,
// decided on the value's 18 significant digits; "-" before every negative
// value, also one that rounds to zero (-0.001 gives "-0.00").
std::string twoDecimals(double value);

// A whole number in 32-bit signed range, the one grammar of every whole
// number the program reads (the settings file, the typed clock, the command
// line's view): leading blanks (code 32) are skipped, then an optional "+" or
// "-" and at least one decimal digit, with nothing after them. Anything else, an overflow included, gives nothing.
std::optional<std::int32_t> parseWholeNumber(std::string_view text);

}  // namespace graf
