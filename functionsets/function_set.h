// SPDX-License-Identifier: MIT
#pragma once
// Function-set files (".fv"): one record of exactly 1854 bytes and nothing
// else. Every field is a length byte followed by the field's full capacity in
// characters; the text is Windows-1250 and numbers are decimal text with ".".
//
//   offset    size  field
//   0           51  comment: length 0..50, then up to 50 characters
//   51           3  count: length 1..2, then N (1..50) in decimal
//   54         150  kinds: 50 entries of 3 bytes, length 2, " 1" .. " 4"
//   204        550  A texts: 50 entries of 11 bytes, length 1..10
//   754        550  B texts: likewise
//   1304       550  C texts: likewise
//
// Entry i (1-based) of a table lies at its offset + size·(i−1). Bytes after a
// text and the entries after the N-th are filler: written as zeros, never read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/plot_state.h"

namespace graf {

inline constexpr std::size_t kFunctionSetSize = 1854;
inline constexpr std::size_t kCommentCapacity = 50;
inline constexpr std::size_t kCoefficientCapacity = 10;

// Shown for every file that is refused, whatever is wrong with it.
inline constexpr const char* kDamagedSetMessage = "A függvényeket tartalmazó fájl hibás!";
// The comment field's text until the user types into it.
inline constexpr const char* kInitialComment = "Megjegyzés a függvény(ek) azonosításához";

// ---- Windows-1250 -----------------------------------------------------------

// Every byte becomes one character. The five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become the C1 control characters of
// the same number, so that any stored comment survives a load and a save
// unchanged.
std::string decodeWindows1250(std::string_view bytes);

// Encodes UTF-8 text, one byte per character. A character the code page cannot
// hold, and every byte of the text that is not valid UTF-8, is written as "?".
// Returns true when nothing had to be replaced; otherwise, when unencodable is
// given, it receives each replaced character once, in order of appearance
// (invalid bytes as U+FFFD), so that the window can name them.
bool encodeWindows1250(std::string_view utf8, std::string& out,
                       std::string* unencodable = nullptr);

// True when every character of the UTF-8 text has a Windows-1250 byte.
bool representableInWindows1250(std::string_view utf8);

// The first count characters of a UTF-8 text (a byte that is not valid UTF-8
// counts as one character).
std::string firstCharacters(std::string_view utf8, std::size_t count);

// ---- The record --------------------------------------------------------------

// A decoded record. Tables are indexed 1..count like the function table; the
// texts are kept exactly as stored so that loading can put them into the
// coefficient fields unchanged.
struct FunctionSet {
  std::string comment;    // UTF-8
  std::string countText;  // as stored, e.g. "2"
  int count = 0;          // 1..50
  std::array<Kind, MaxFunctions + 1> kind{};
  std::array<double, MaxFunctions + 1> a{};
  std::array<double, MaxFunctions + 1> b{};
  std::array<double, MaxFunctions + 1> c{};
  std::array<std::string, MaxFunctions + 1> aText;
  std::array<std::string, MaxFunctions + 1> bText;
  std::array<std::string, MaxFunctions + 1> cText;
};

// The text a coefficient is stored as: its two-decimal text (0.125 as
// "0.13") when that fits the field's ten characters; otherwise the shortest
// text of at most ten characters that reads back as exactly the value (1e15
// as "1e15", 12345678.5 as "12345678.5"). Nothing when there is no such text
// (99999999.99, 1.23456789e20, a value that is not finite): a text cut to ten
// characters would be another number.
std::optional<std::string> storedCoefficientText(double value);

// A coefficient that no text of the file can hold.
struct UnsavableCoefficient {
  int function = 0;  // 1..FunctionCount
  char field = 0;    // 'A', 'B' or 'C'
  double value = 0;
};

// Builds the record of functions 1..table.FunctionCount of the table (at most
// 50) with the comment cut to 50 characters. Kinds are written " 1" to " 4",
// coefficients as storedCoefficientText gives them. Characters that
// Windows-1250 cannot hold are stored as "?" and reported as by
// encodeWindows1250. When a coefficient has no stored text, the first such
// one (in table order, each function's A before its B and C) goes
// to `unsavable` when given, and the result is empty: no record at all
// rather than one that says something else.
std::vector<std::uint8_t> encodeFunctionSet(const FunctionTable& table, std::string_view commentUtf8,
                                            std::string* unencodable = nullptr,
                                            UnsavableCoefficient* unsavable = nullptr);

// What is wrong with a refused record: the first defect found, reading the
// fields in their order in the record and the entries 1..N in turn, each
// entry's kind before its A, B and C.
enum class SetDefect {
  None,
  Size,               // not exactly 1854 bytes
  CommentLength,      // comment length byte above 50
  CountLength,        // count length byte not 1 or 2
  CountText,          // count text not decimal digits
  CountRange,         // count not 1..50
  KindLength,         // kind length byte not 2
  KindText,           // kind text not a blank and a digit 1..4
  CoefficientLength,  // coefficient length byte not 1..10
  CoefficientText     // coefficient text not a number, or beyond a double's range
};

struct DecodeResult {
  SetDefect defect = SetDefect::None;
  int entry = 0;   // the function (1..N) of a kind or coefficient defect, else 0
  char field = 0;  // 'K', 'A', 'B' or 'C' for an entry's defect, else 0
  bool ok() const { return defect == SetDefect::None; }
};

// Reads a record, refusing anything that is not well-formed (see SetDefect).
// Only the given bytes are read. out is replaced only when the record is
// accepted; a refused record leaves it as it was.
//
// A coefficient loads whatever its size ("1e300" and "99999999" fit into the
// ten characters): a set written by hand or by another copy of the program
// may hold one, and the plot run that follows the load checks the last
// function's range as it checks a typed one. A text that reads as an
// infinity ("1e400") is not a number.
DecodeResult decodeFunctionSet(const std::vector<std::uint8_t>& bytes, FunctionSet& out);

}  // namespace graf
