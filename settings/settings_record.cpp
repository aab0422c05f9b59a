#include "settings/settings_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "plot/numtext.h"

namespace graf {

namespace {

constexpr std::size_t kColorCapacity = 10;

constexpr FieldLayout kLayout[RecordFieldCount] = {
    {0, 3, "pontosság"},
    {4, kColorCapacity, "elsőfokú függvény színe"},
    {15, kColorCapacity, "másodfokú függvény színe"},
    {26, kColorCapacity, "másodfokú függvény 2. fajtájának színe"},
    {37, kColorCapacity, "abszolútértékes függvény színe"},
    {48, kColorCapacity, "négyzetháló színe"},
    {59, kColorCapacity, "segédvonalak színe"},
    {70, kColorCapacity, "összegfüggvény színe"},
    {81, 1, "hang"},
    {83, 1, "segédvonalak"},
    {85, 1, "függvényablak"},
    {87, 1, "optimalizálás"},
    {89, 1, "gyorsnézet"},
};

constexpr bool fieldsFollowEachOther() {
  for (int k = 1; k < RecordFieldCount; ++k)
    if (kLayout[k].offset != kLayout[k - 1].offset + 1 + kLayout[k - 1].capacity) return false;
  return kLayout[RecordFieldCount - 1].offset + 1 + kLayout[RecordFieldCount - 1].capacity == SettingsRecordSize;
}
static_assert(fieldsFollowEachOther(), "the thirteen fields fill the 91 bytes without gaps");

// A signed 32-bit integer after leading blanks, with nothing after it.
std::optional<std::int32_t> parseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && text[i] == '+') ++i;  // a "-" is left to from_chars
  std::int32_t value = 0;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  if (first == last) return std::nullopt;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace

const FieldLayout& layoutOf(RecordField field) { return kLayout[static_cast<int>(field)]; }

std::optional<std::string> fieldText(const SettingsRecord& record, RecordField field) {
  const FieldLayout& f = layoutOf(field);
  const std::size_t length = record[f.offset];
  if (length > f.capacity) return std::nullopt;
  return std::string(record.begin() + static_cast<std::ptrdiff_t>(f.offset + 1),
                     record.begin() + static_cast<std::ptrdiff_t>(f.offset + 1 + length));
}

void setFieldText(SettingsRecord& record, RecordField field, std::string_view text) {
  const FieldLayout& f = layoutOf(field);
  const std::size_t length = std::min(text.size(), f.capacity);
  record[f.offset] = static_cast<std::uint8_t>(length);
  std::copy_n(text.begin(), length, record.begin() + static_cast<std::ptrdiff_t>(f.offset + 1));
}

std::string stepText(double step) {
  // Always "0.5", never "0,5": the file is read back in every locale.
  char buf[512];
  const auto res = std::to_chars(buf, buf + sizeof buf, step, std::chars_format::fixed, 1);
  if (res.ec != std::errc{}) return {};
  return std::string(buf, res.ptr).substr(0, 3);
}

std::string colorText(Color color) { return std::to_string(static_cast<std::int32_t>(color)); }

std::string switchText(bool on) { return on ? "1" : "0"; }

std::string modeText(int mode) { return std::to_string(mode).substr(0, 1); }

std::optional<double> parseStep(std::string_view text) {
  double value = 0;
  if (!parseNumber(text, value)) return std::nullopt;
  // The sampling advances by the step until it reaches 80: the finest
  // precision the program offers bounds the work, the coarsest keeps a curve.
  if (!(value >= 0.1 && value <= 1.0)) return std::nullopt;
  return value;
}

std::optional<Color> parseColor(std::string_view text) {
  const auto value = parseInteger(text);
  if (!value || *value < 0 || *value > 0xFFFFFF) return std::nullopt;
  return static_cast<Color>(*value);
}

std::optional<bool> parseSwitch(std::string_view text) {
  const auto value = parseInteger(text);
  if (!value || (*value != 0 && *value != 1)) return std::nullopt;
  return *value == 1;
}

std::optional<std::uint8_t> parseMode(std::string_view text) {
  const auto value = parseInteger(text);
  if (!value || *value < 0 || *value > 2) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

void fillRecord(const PlotState& st, SettingsRecord& record) {
  setFieldText(record, RecordField::Step, stepText(st.settings.SampleStep));
  setFieldText(record, RecordField::LinearColor, colorText(st.settings.ColorLinear));
  setFieldText(record, RecordField::QuadraticColor, colorText(st.settings.ColorQuadratic));
  setFieldText(record, RecordField::Quadratic2Color, colorText(st.settings.ColorQuadratic2));
  setFieldText(record, RecordField::AbsoluteColor, colorText(st.settings.ColorAbsolute));
  setFieldText(record, RecordField::GridColor, colorText(st.settings.ColorGrid));
  setFieldText(record, RecordField::AuxLinesColor, colorText(st.settings.ColorAuxLines));
  setFieldText(record, RecordField::SumColor, colorText(st.settings.ColorSum));
  setFieldText(record, RecordField::Sound, switchText(st.settings.SoundOn));
  setFieldText(record, RecordField::AuxLines, switchText(st.settings.AuxLinesOn));
  setFieldText(record, RecordField::FunctionWindow, switchText(st.settings.FunctionWindowOn));
  setFieldText(record, RecordField::Optimize, switchText(st.settings.OptimizeOn));
  setFieldText(record, RecordField::QuickView, modeText(st.settings.QuickViewMode));
}

std::vector<RecordField> applyRecord(const SettingsRecord& record, PlotState& st) {
  std::vector<RecordField> replaced;
  const auto read = [&](RecordField field, auto parse, auto fallback, auto assign) {
    const auto text = fieldText(record, field);
    const auto value = text ? parse(*text) : std::nullopt;
    if (value) {
      assign(*value);
    } else {
      assign(fallback);
      replaced.push_back(field);
    }
  };
  const auto color = [&](RecordField field, Color& target, Color fallback) {
    read(field, parseColor, fallback, [&](Color c) { target = c; });
  };
  const auto flag = [&](RecordField field, bool& target, bool fallback) {
    read(field, parseSwitch, fallback, [&](bool on) { target = on; });
  };

  color(RecordField::LinearColor, st.settings.ColorLinear, DefaultColorLinear);
  color(RecordField::QuadraticColor, st.settings.ColorQuadratic, DefaultColorQuadratic);
  color(RecordField::Quadratic2Color, st.settings.ColorQuadratic2, DefaultColorQuadratic2);
  color(RecordField::AbsoluteColor, st.settings.ColorAbsolute, DefaultColorAbsolute);
  read(RecordField::Step, parseStep, st.settings.SampleStep, [&](double s) { st.settings.SampleStep = s; });
  color(RecordField::GridColor, st.settings.ColorGrid, DefaultColorGrid);
  flag(RecordField::Sound, st.settings.SoundOn, false);
  color(RecordField::AuxLinesColor, st.settings.ColorAuxLines, DefaultColorAuxLines);
  flag(RecordField::AuxLines, st.settings.AuxLinesOn, false);
  flag(RecordField::FunctionWindow, st.settings.FunctionWindowOn, false);
  color(RecordField::SumColor, st.settings.ColorSum, DefaultColorSum);
  flag(RecordField::Optimize, st.settings.OptimizeOn, true);
  read(RecordField::QuickView, parseMode, std::uint8_t{0}, [&](std::uint8_t m) { st.settings.QuickViewMode = m; });

  std::sort(replaced.begin(), replaced.end());
  return replaced;
}

void applyDefaults(PlotState& st) {
  st.settings.ColorLinear = DefaultColorLinear;
  st.settings.ColorQuadratic = DefaultColorQuadratic;
  st.settings.ColorQuadratic2 = DefaultColorQuadratic2;
  st.settings.ColorAbsolute = DefaultColorAbsolute;
  st.settings.ColorGrid = DefaultColorGrid;
  st.settings.ColorSum = DefaultColorSum;
  st.settings.ColorAuxLines = DefaultColorAuxLines;
  st.settings.SoundOn = false;
  st.settings.AuxLinesOn = false;
  st.settings.OptimizeOn = true;
  st.settings.QuickViewMode = 0;
}

}  // namespace graf
