// SPDX-License-Identifier: MIT
// The settings record decoder on any 91 bytes: whatever the texts hold, the
// settings read from them are sound (a step within 0.1..1.0, colours within
// 0..0xFFFFFF, a quick-view mode 0..2), and the record written from them
// reads back to the same settings without a field replaced.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_support.h"
#include "settings/settings_record.h"

using graf::fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < graf::SettingsRecordSize) return 0;
  graf::SettingsRecord record;
  std::memcpy(record.data(), data, record.size());

  graf::PlotState st;
  graf::applyRecord(record, st);
  const graf::Settings& s = st.settings;
  require(std::isfinite(s.SampleStep) && s.SampleStep >= 0.1 - 1e-12 && s.SampleStep <= 1.0 + 1e-12,
          "a step outside 0.1..1.0 was read");
  for (graf::Color c : {s.ColorLinear, s.ColorQuadratic, s.ColorQuadratic2, s.ColorAbsolute, s.ColorGrid,
                        s.ColorSum, s.ColorAuxLines})
    require(c <= 0xFFFFFF, "a colour outside 0..0xFFFFFF was read");
  require(s.QuickViewMode <= 2, "a quick-view mode other than 0, 1, 2 was read");

  graf::SettingsRecord written = record;
  graf::fillRecord(st, written);
  graf::PlotState again;
  require(graf::applyRecord(written, again).empty(), "a written record has a field that reads as damaged");
  graf::SettingsRecord rewritten = written;
  graf::fillRecord(again, rewritten);
  require(rewritten == written, "the settings changed on the way through the file");
  return 0;
}
