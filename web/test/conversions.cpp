// SPDX-License-Identifier: MIT
// Writes the double conversions that the core uses (std::to_chars shortest,
// shortest scientific, scientific with 17 digits, fixed with one digit, and
// std::from_chars of "0.DIGITSeN" texts) for a fixed list of hard cases and a fixed stream of
// pseudo-random values, one conversion a line. Built natively it shows the
// desktop library's texts; built for WebAssembly it shows those of
// web/charconv_double.h. The two outputs must be the same bytes.
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

namespace {

std::uint64_t state = 0x2545F4914F6CDD1Dull;
std::uint64_t next() {
  state ^= state << 13;
  state ^= state >> 7;
  state ^= state << 17;
  return state;
}

void write(double v) {
  char buf[512];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  std::fwrite(buf, 1, static_cast<std::size_t>(r.ptr - buf), stdout);
  std::fputc(' ', stdout);
  r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  std::fwrite(buf, 1, static_cast<std::size_t>(r.ptr - buf), stdout);
  std::fputc(' ', stdout);
  r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 17);
  std::fwrite(buf, 1, static_cast<std::size_t>(r.ptr - buf), stdout);
  std::fputc(' ', stdout);
  r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1);
  std::fwrite(buf, 1, static_cast<std::size_t>(r.ptr - buf), stdout);
  std::fputc('\n', stdout);
}

void read(const std::string& text) {
  double v = -1.0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
  std::uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  const char* outcome = r.ec == std::errc{} ? "ok" : r.ec == std::errc::result_out_of_range ? "range" : "invalid";
  std::printf("%s %016" PRIx64 " %s %d\n", text.c_str(), bits, outcome, static_cast<int>(r.ptr - text.data()));
}

}  // namespace

int main() {
  const double hard[] = {0.0, -0.0, 1.0, -1.0, 0.1, 0.5, 1.5, 2.5, 100.0, 0.125, -0.125, 1e-7, 1e16, 1e21, 1e22,
                         1e23, 9007199254740992.0, 9007199254740993.0, 1152921504606846976.0,
                         12345678901234567890.0, 1.7976931348623157e308, 5e-324, 2.2250738585072014e-308,
                         123456.0, 1234567.0, 0.3, 2.0 / 3.0, 100.005, 99.995, 0.005, 1e15, 123456789012345678.0,
                         std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
  for (const double v : hard) write(v);
  for (int i = 0; i < 60000; ++i) {
    std::uint64_t bits = next();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    if (std::isnan(v)) continue;
    write(v);
    // Whole numbers of every size, short decimals, and coefficients.
    write(static_cast<double>(next() >> (next() % 64)));
    write(static_cast<double>(static_cast<std::int64_t>(next() % 2000001) - 1000000) / 100.0);
    write(std::ldexp(1.0, static_cast<int>(next() % 2000) - 1000) * (1 + static_cast<double>(next() % 16) / 16));
  }
  const char* texts[] = {"0.1e1", "0.5e0", "0.123e3", "0.1e311", "0.9e-324", "0.1e-323", "0.5e-323", "0.24703282292062328e-323",
                         "0.17976931348623157e309", "0.17976931348623159e309", "0.1e-307", "0.22250738585072011e-307"};
  for (const char* t : texts) read(t);
  for (int i = 0; i < 20000; ++i) {
    std::string digits = std::to_string(1 + next() % 9);
    const int more = static_cast<int>(next() % 20);
    for (int k = 0; k < more; ++k) digits += static_cast<char>('0' + next() % 10);
    read("0." + digits + "e" + std::to_string(static_cast<int>(next() % 640) - 330));
  }
  return 0;
}
