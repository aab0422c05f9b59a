// SPDX-License-Identifier: MIT
#include "functionsets/function_set.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "plot/numtext.h"

namespace graf {

namespace {

// The characters of the bytes 0x80..0xFF. The five undefined bytes stand for
// themselves as C1 controls (see decodeWindows1250).
constexpr char32_t kHighHalf[128] = {
    // 0x80
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    // 0x90
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    // 0xA0
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    // 0xB0
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    // 0xC0
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    // 0xD0
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    // 0xE0
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    // 0xF0
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

constexpr char32_t kInvalid = 0xFFFFFFFF;
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Reads one character at pos and moves past it. Overlong forms, surrogates and
// values above U+10FFFF are invalid; an invalid byte is consumed alone.
char32_t nextCharacter(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length;
  char32_t cp;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kInvalid;
  }
  if (pos + length > s.size()) {
    ++pos;
    return kInvalid;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char cont = byte(pos + k);
    if ((cont & 0xC0) != 0x80) {
      ++pos;
      return kInvalid;
    }
    cp = (cp << 6) | (cont & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kInvalid;
  }
  pos += length;
  return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The Windows-1250 byte of a character, or -1.
int windows1250Byte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (int k = 0; k < 128; ++k)
    if (kHighHalf[k] == cp) return 0x80 + k;
  return -1;
}

// ---- Record layout ----

constexpr std::size_t kCommentAt = 0;
constexpr std::size_t kCountAt = 51;
constexpr std::size_t kCountCapacity = 2;
constexpr std::size_t kKindAt = 54;
constexpr std::size_t kKindEntry = 3;
constexpr std::size_t kAAt = 204;
constexpr std::size_t kBAt = 754;
constexpr std::size_t kCAt = 1304;
constexpr std::size_t kCoefficientEntry = 1 + kCoefficientCapacity;

static_assert(kCountAt == kCommentAt + 1 + kCommentCapacity);
static_assert(kKindAt == kCountAt + 1 + kCountCapacity);
static_assert(kAAt == kKindAt + MaxFunctions * kKindEntry);
static_assert(kBAt == kAAt + MaxFunctions * kCoefficientEntry);
static_assert(kCAt == kBAt + MaxFunctions * kCoefficientEntry);
static_assert(kFunctionSetSize == kCAt + MaxFunctions * kCoefficientEntry);

// Writes a length byte and the text, cut to the field's capacity.
void putText(std::vector<std::uint8_t>& record, std::size_t at, std::size_t capacity,
             std::string_view text) {
  const std::size_t length = std::min(text.size(), capacity);
  record[at] = static_cast<std::uint8_t>(length);
  for (std::size_t k = 0; k < length; ++k) record[at + 1 + k] = static_cast<std::uint8_t>(text[k]);
}

std::string textAt(const std::vector<std::uint8_t>& record, std::size_t at) {
  // Callers have checked the length byte against the field's capacity.
  return std::string(record.begin() + static_cast<std::ptrdiff_t>(at + 1),
                     record.begin() + static_cast<std::ptrdiff_t>(at + 1 + record[at]));
}

}  // namespace

std::string decodeWindows1250(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char ch : bytes) {
    const unsigned char b = static_cast<unsigned char>(ch);
    appendUtf8(out, b < 0x80 ? char32_t{b} : kHighHalf[b - 0x80]);
  }
  return out;
}

bool encodeWindows1250(std::string_view utf8, std::string& out, std::string* unencodable) {
  out.clear();
  if (unencodable) unencodable->clear();
  bool complete = true;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = nextCharacter(utf8, pos);
    const int b = cp == kInvalid ? -1 : windows1250Byte(cp);
    if (b >= 0) {
      out += static_cast<char>(b);
      continue;
    }
    out += '?';
    complete = false;
    if (unencodable) {
      std::string shown;
      appendUtf8(shown, cp == kInvalid ? kReplacementCharacter : cp);
      if (unencodable->find(shown) == std::string::npos) *unencodable += shown;
    }
  }
  return complete;
}

bool representableInWindows1250(std::string_view utf8) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = nextCharacter(utf8, pos);
    if (cp == kInvalid || windows1250Byte(cp) < 0) return false;
  }
  return true;
}

std::string firstCharacters(std::string_view utf8, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < utf8.size(); ++n) nextCharacter(utf8, pos);
  return std::string(utf8.substr(0, pos));
}

std::optional<std::string> storedCoefficientText(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  std::string text = twoDecimals(value);
  if (text.size() <= kCoefficientCapacity) return text;

  // The fewest significant digits that read back as the value, as
  // d.ddd·10^exponent; then every way of writing them, the shortest first.
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  const std::string_view sci(buf, static_cast<std::size_t>(r.ptr - buf));
  const std::size_t e = sci.find('e');
  std::string digits;
  for (char ch : sci.substr(0, e))
    if (ch != '.') digits += ch;
  int exponent = 0;
  std::string_view expText = sci.substr(e + 1);
  if (expText.front() == '+') expText.remove_prefix(1);
  std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

  const std::string sign = value < 0 ? "-" : "";
  const int n = static_cast<int>(digits.size());
  std::vector<std::string> candidates;
  // Without an exponent: the digits followed by zeros, or with a point among
  // them. (Values this large have no leading zeros.)
  if (exponent + 1 >= n)
    candidates.push_back(sign + digits + std::string(static_cast<std::size_t>(exponent + 1 - n), '0'));
  else if (exponent >= 0)
    candidates.push_back(sign + digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                         digits.substr(static_cast<std::size_t>(exponent + 1)));
  // With an exponent: p digits before the point.
  for (int p = 1; p <= n; ++p) {
    std::string t = sign + digits.substr(0, static_cast<std::size_t>(p));
    if (p < n) t += "." + digits.substr(static_cast<std::size_t>(p));
    candidates.push_back(t + "e" + std::to_string(exponent - (p - 1)));
  }
  std::optional<std::string> best;
  for (const std::string& t : candidates) {
    double back = 0;
    if (t.size() > kCoefficientCapacity || !parseNumber(t, back) || back != value) continue;
    if (!best || t.size() < best->size()) best = t;
  }
  return best;
}

std::vector<std::uint8_t> encodeFunctionSet(const FunctionTable& table, std::string_view commentUtf8,
                                            std::string* unencodable, UnsavableCoefficient* unsavable) {
  std::vector<std::uint8_t> record(kFunctionSetSize, 0);

  std::string comment;
  encodeWindows1250(firstCharacters(commentUtf8, kCommentCapacity), comment, unencodable);
  putText(record, kCommentAt, kCommentCapacity, comment);

  const int count = std::min<int>(table.FunctionCount, MaxFunctions);
  putText(record, kCountAt, kCountCapacity, std::to_string(count));

  for (int i = 1; i <= count; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    const char kind[2] = {' ', kindInfo(table.FunctionKind[i]).digit};
    putText(record, kKindAt + kKindEntry * k, 2, std::string_view(kind, 2));
    const struct {
      char name;
      std::size_t at;
      double value;
    } coefficients[] = {
        {'A', kAAt, table.CoefA[i]},
        {'B', kBAt, table.CoefB[i]},
        {'C', kCAt, table.CoefC[i]},
    };
    for (const auto& coef : coefficients) {
      const std::optional<std::string> text = storedCoefficientText(coef.value);
      if (!text) {
        if (unsavable) *unsavable = {i, coef.name, coef.value};
        return {};
      }
      putText(record, coef.at + kCoefficientEntry * k, kCoefficientCapacity, *text);
    }
  }
  return record;
}

DecodeResult decodeFunctionSet(const std::vector<std::uint8_t>& bytes, FunctionSet& out) {
  if (bytes.size() != kFunctionSetSize) return {SetDefect::Size};

  FunctionSet set;
  if (bytes[kCommentAt] > kCommentCapacity) return {SetDefect::CommentLength};
  set.comment = decodeWindows1250(textAt(bytes, kCommentAt));

  const std::uint8_t countLength = bytes[kCountAt];
  if (countLength < 1 || countLength > kCountCapacity) return {SetDefect::CountLength};
  set.countText = textAt(bytes, kCountAt);
  set.count = 0;
  for (char ch : set.countText) {
    if (ch < '0' || ch > '9') return {SetDefect::CountText};
    set.count = set.count * 10 + (ch - '0');
  }
  if (set.count < 1 || set.count > MaxFunctions) return {SetDefect::CountRange};

  for (int i = 1; i <= set.count; ++i) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    const std::size_t kindAt = kKindAt + kKindEntry * k;
    if (bytes[kindAt] != 2) return {SetDefect::KindLength, i, 'K'};
    const std::optional<Kind> kind = kindOfFileText(textAt(bytes, kindAt));
    if (!kind) return {SetDefect::KindText, i, 'K'};
    set.kind[i] = *kind;

    const struct {
      char name;
      std::size_t at;
      double& value;
      std::string& text;
    } coefficients[] = {
        {'A', kAAt + kCoefficientEntry * k, set.a[i], set.aText[i]},
        {'B', kBAt + kCoefficientEntry * k, set.b[i], set.bText[i]},
        {'C', kCAt + kCoefficientEntry * k, set.c[i], set.cText[i]},
    };
    for (const auto& coef : coefficients) {
      const std::uint8_t length = bytes[coef.at];
      if (length < 1 || length > kCoefficientCapacity)
        return {SetDefect::CoefficientLength, i, coef.name};
      coef.text = textAt(bytes, coef.at);
      if (!parseNumber(coef.text, coef.value) || !std::isfinite(coef.value))
        return {SetDefect::CoefficientText, i, coef.name};
    }
  }
  out = std::move(set);
  return {};
}

}  // namespace graf
