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

// Builds the record of functions 1..table.FunctionCount of the table (at most 50)
// with the comment cut to 50 characters. Kinds are written " 1" to " 4";
// coefficients in the
// two-decimal form, cut to 10 characters. Characters that Windows-1250 cannot
// hold are stored as "?" and reported as by encodeWindows1250.
std::vector<std::uint8_t> encodeFunctionSet(const FunctionTable& table, std::string_view commentUtf8,
                                            std::string* unencodable = nullptr);

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
  CoefficientText,    // coefficient text not a number
  CoefficientRange    // coefficient outside −100..100
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
// Coefficients outside −100..100 are refused ("1e300", "99999999" and "1e400"
// all fit into the ten characters): no save writes one, the plot request
// never stores one, and a loaded set would be drawn, listed and then saved
// differently.
DecodeResult decodeFunctionSet(const std::vector<std::uint8_t>& bytes, FunctionSet& out);

}  // namespace graf
