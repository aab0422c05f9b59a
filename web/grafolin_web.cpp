// SPDX-License-Identifier: MIT
// The program's core in the browser: the same state, commands, load and save
// sequences and settings as the desktop program, behind a few C functions
// that the page calls. The page only shows what these hand it (what the main
// window shows, the list's rows, the message boxes, the picture's pixels) and
// tells them what the user did; it holds no rule of its own.
//
// The stand-ins for the desktop's windows and operating system live here:
// message boxes are queued for the page's dialog, the settings file is a
// value in the browser's storage, and a set file is the bytes the user
// picked.
#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "export/set_export.h"
#include "functionlist/function_row.h"
#include "functionlist/sum.h"
#include "functionsets/function_set.h"
#include "functionsets/load_save.h"
#include "functionsets/load_session.h"
#include "main/wheel_notches.h"
#include "picture/picture_description.h"
#include "plot/commands.h"
#include "plot/picture_drawing.h"
#include "settings/color_clash.h"
#include "settings/setting_names.h"
#include "settings/setting_table.h"
#include "settings/settings_editor.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "startup/clock.h"
#include "startup/ports.h"

// The browser's side: the storage of the settings record and the picture's
// text in the program's font.
EM_JS(int, js_settings_read, (std::uint8_t * out, int capacity),
      { return Module.grafolinHost.readSettings(out, capacity); });
EM_JS(int, js_settings_write, (const std::uint8_t* bytes, int length),
      { return Module.grafolinHost.writeSettings(bytes, length); });
EM_JS(int, js_text_mask, (const char* text, std::uint8_t* mask, int capacity, int* size),
      { return Module.grafolinHost.textMask(UTF8ToString(text), mask, capacity, size); });

namespace graf {
namespace {

// Where the page keeps the settings record, as messages name it.
constexpr const char* kSettingsStoreName = "a böngésző tárolója (grafolin.beallit)";

std::string jsonText(const std::string& s) {
  std::string out = "\"";
  for (const unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string jsonBool(bool b) { return b ? "true" : "false"; }

const char* messageTypeName(MessageType t) {
  switch (t) {
    case MessageType::Warning: return "warning";
    case MessageType::Information: return "information";
    case MessageType::Error: return "error";
    case MessageType::Confirmation: return "confirmation";
  }
  return "";
}

// What is wrong with a refused set file, in words.
std::string defectText(const DecodeResult& r, std::size_t size) {
  const std::string entry = r.entry ? " (" + std::to_string(r.entry) + ". függvény)" : std::string();
  switch (r.defect) {
    case SetDefect::None: return {};
    case SetDefect::Size:
      return "a fájl " + std::to_string(size) + " bájt, egy függvényhalmaz pontosan " +
             std::to_string(kFunctionSetSize) + " bájt";
    case SetDefect::CommentLength: return "a megjegyzés hossza hibás";
    case SetDefect::CountLength:
    case SetDefect::CountText:
    case SetDefect::CountRange: return "a függvények száma hibás";
    case SetDefect::KindLength:
    case SetDefect::KindText: return "egy függvény típusa hibás" + entry;
    case SetDefect::CoefficientLength:
    case SetDefect::CoefficientText: return std::string("a(z) ") + r.field + " együttható szövege hibás" + entry;
  }
  return {};
}

// The picture's texts in the program's font, drawn by the browser: every
// pixel that the glyphs cover at least half is set, as on the desktop.
class BrowserText : public TextRenderer {
 public:
  void drawText(Raster& raster, int x, int y, const std::string& text, Color color, bool opaque,
                Color background) override {
    std::vector<std::uint8_t> mask(64 * 1024);
    int size[2] = {0, 0};
    if (!js_text_mask(text.c_str(), mask.data(), static_cast<int>(mask.size()), size)) return;
    const int w = size[0], h = size[1];
    if (opaque)
      for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) raster.setPixel(x + col, y + row, background);
    for (int row = 0; row < h; ++row)
      for (int col = 0; col < w; ++col)
        if (mask[static_cast<std::size_t>(row * w + col)]) raster.setPixel(x + col, y + row, color);
  }
};

// The settings file of the browser: the record's bytes in the page's storage.
class BrowserSettingsFile : public SettingsFilePort {
 public:
  std::string displayName() const override { return kSettingsStoreName; }
  SettingsFileContent read() override {
    std::vector<std::uint8_t> bytes(4096);
    const int n = js_settings_read(bytes.data(), static_cast<int>(bytes.size()));
    SettingsFileContent content;
    if (n == -1) return content;  // nothing stored
    if (n < 0) {
      content.outcome = SettingsFileContent::Outcome::Refused;
      content.reason = n == -2 ? "a tárolt érték nem bájtok sora" : "a tároló nem olvasható";
      return content;
    }
    content.outcome = SettingsFileContent::Outcome::Opened;
    content.size = static_cast<std::uint64_t>(n);
    if (n >= static_cast<int>(SettingsRecordSize)) {
      // The last whole record counts, as in a file.
      const std::size_t whole = static_cast<std::size_t>(n) / SettingsRecordSize;
      SettingsRecord record{};
      std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>((whole - 1) * SettingsRecordSize), SettingsRecordSize,
                  record.begin());
      content.lastRecord = record;
    }
    return content;
  }
  bool write(const SettingsRecord& record, std::string& reason) override {
    if (js_settings_write(record.data(), static_cast<int>(record.size()))) return true;
    reason = "a böngésző nem engedi a tárolást";
    return false;
  }
};

// A browser measures no processor clock: the store holds none, and the step
// is the one the program takes before any clock is measured.
class NoClockStore : public ClockStore {
 public:
  std::optional<std::string> readText(const std::string&) const override { return std::nullopt; }
  std::string writeText(const std::string&, const std::string&) override { return "nincs tároló"; }
};

// The one set file the page hands over: the bytes the user picked.
class PickedSetFile : public SetFilePort {
 public:
  std::string name;
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint8_t> written;
  bool exists(const std::string& path) const override { return path == name; }
  bool read(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& out, std::string& reason) override {
    if (path != name) {
      reason = "nincs ilyen fájl";
      return false;
    }
    out.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), limit + 1)));
    return true;
  }
  bool replace(const std::string&, const std::vector<std::uint8_t>& b, std::string&) override {
    written = b;
    return true;
  }
  NewFile create(const std::string&, const std::vector<std::uint8_t>& b, std::string&) override {
    written = b;
    return NewFile::Created;
  }
  std::string displayPath(const std::string& path) const override { return path; }
};

class WebProgram : public Notifier,
                   public FunctionListPort,
                   public LoadPort,
                   public SaveLoadPort,
                   public SettingsMainPort,
                   public SettingsWindowPort {
 public:
  WebProgram() : session_(*this), cmd_(st_, picture_, Ports{*this, session_}), editor_(st_, ss_, *this) {
    picture_.setTextRenderer(&text_);
    cmd_.setFunctionList(this);
    for (const SettingRow& row : SettingRows) pickers_[static_cast<int>(row.setting)] = row.initialText;
    // The state of a start: the settings from the browser's storage, then the
    // step of a program that has measured no clock.
    ReadSettingsFile(st_, ss_, settingsPorts());
    chooseStepFromStoredClock(st_.settings, clock_);
    MainWindowActivate(st_, ss_, settingsPorts());
  }

  Commands& cmd() { return cmd_; }
  PlotState& state() { return st_; }
  SettingsEditor& editor() { return editor_; }

  // --- Notifier ---
  void beep() override { ++beeps_; }
  void message(MessageType type, const std::string& text) override { messages_.push_back(shownMessage(type, text)); }

  // --- FunctionListPort ---
  void appendFunctionRow(int n, Kind kind, double a, double b, double c) override {
    rows_.push_back(FunctionRow(n, kind, a, b, c));
  }
  void removeRow(int index) override {
    if (index >= 0 && index < static_cast<int>(rows_.size())) rows_.erase(rows_.begin() + index);
  }
  void clearRows() override { rows_.clear(); }
  void setSelectionLabel(const std::string& text) override { selectionLabel_ = text; }

  // --- LoadPort: the page shows no progress window, a load takes a moment ---
  void setLoadStatus(const std::string& text) override { loadStatus_ = text; }
  void showProgressWindow() override {}
  void closeProgressWindow() override {}
  void setProgressCaption(const std::string&) override {}
  void setProgressPosition(int) override {}

  // --- SaveLoadPort ---
  std::string comment() const override { return comment_; }
  bool automaticFileName() const override { return false; }
  std::optional<std::string> askFileToSave() override { return saveName_; }
  std::optional<std::string> askFileToOpen() override { return std::nullopt; }
  void setSaveLabel(const std::string& text) override { saveLabel_ = text; }
  void setSaveEnabled(bool enabled) override { saveEnabled_ = enabled; }
  void setLoadedComment(const std::string& text) override { loadedComment_ = text; }
  void setAckAndDiscardEnabled() override {}
  void closeWindow() override {}

  // --- SettingsMainPort ---
  void setSwatchColors(Color, Color, Color, Color) override {}
  void setFunctionListShown(bool) override {}
  void runPlotCommand() override { cmd_.plotCommand(); }

  // --- SettingsWindowPort: the page's settings dialog ---
  std::string pickerText(Setting s) const override { return pickers_[static_cast<int>(s)]; }
  void setPickerText(Setting s, const std::string& text) override { pickers_[static_cast<int>(s)] = text; }
  Color dialogColor(Setting s) const override { return custom_[static_cast<int>(s)]; }
  void setSampleColor(Setting, Color) override {}
  void setAuxLinesSample(bool, Color) override {}
  void setAuxLinesCustomButtonVisible(bool) override {}
  void setPrecisionPickerEnabled(bool enabled) override { precisionEnabled_ = enabled; }
  void setLabel(StateLabel label, const std::string& text) override { labels_[static_cast<int>(label)] = text; }
  bool quickViewVisible() const override { return false; }
  void showQuickView() override {}
  void focusQuickView() override {}
  void hideQuickView() override {}
  void quickViewChanged() override {}
  void focusSettingsWindow() override {}
  void showColorClash(const std::string& message) override { clash_ = message; }
  void hideColorClash() override { clash_.clear(); }
  void closeSettingsWindow() override {
    settingsOpen_ = false;
    editor_.closed();
    // The main window becomes active again: it applies and stores what was
    // accepted.
    MainWindowActivate(st_, ss_, settingsPorts());
  }

  void openSettings() {
    settingsOpen_ = true;
    editor_.activate();
  }
  void setCustomColor(Setting s, Color c) { custom_[static_cast<int>(s)] = c; }

  // --- Sets ---
  bool loadSet(const std::string& name, std::vector<std::uint8_t> bytes) {
    FunctionSet probe;
    const DecodeResult check = decodeFunctionSet(bytes, probe);
    files_.name = name;
    files_.bytes = std::move(bytes);
    SaveLoad saveLoad(cmd_, session_, *this, files_);
    const std::size_t before = messages_.size();
    const bool loaded = saveLoad.loadFile(name);
    // The refusal's box names the file and what is wrong with it.
    if (!loaded && !check.ok() && messages_.size() > before)
      messages_.back().text =
          "„" + name + "”: " + messages_.back().text + "\n" + defectText(check, files_.bytes.size()) + ".";
    return loaded;
  }
  // The save/load window became active: "Ment" and its label follow the
  // number of stored functions.
  void openSets() {
    SaveLoad saveLoad(cmd_, session_, *this, files_);
    saveLoad.activate();
  }
  const std::vector<std::uint8_t>& saveSet(const std::string& comment) {
    comment_ = comment;
    saveName_ = "fuggvenyek.fv";
    files_.written.clear();
    SaveLoad saveLoad(cmd_, session_, *this, files_);
    saveLoad.activate();
    if (saveEnabled_) saveLoad.save();
    return files_.written;
  }

  // --- What the page shows ---
  std::string shownJson() {
    const MainWindowShown& s = cmd_.shown();
    std::string j = "{";
    j += "\"fields\":[" + jsonText(s.fields[0]) + "," + jsonText(s.fields[1]) + "," + jsonText(s.fields[2]) + "]";
    j += ",\"kind\":" + std::to_string(kindNumber(s.kind));
    j += ",\"cEnabled\":" + jsonBool(s.cEnabled);
    j += ",\"caption\":" + jsonText(s.caption);
    j += ",\"countText\":" + jsonText(s.countText);
    j += ",\"deleteLastEnabled\":" + jsonBool(s.deleteLastEnabled);
    j += ",\"readoutX\":" + jsonText(s.readoutX) + ",\"readoutY\":" + jsonText(s.readoutY);
    j += ",\"zoomText\":" + jsonText(s.zoomText);
    j += ",\"cross\":" + jsonBool(s.cursor == PictureCursor::Cross);
    j += ",\"wheelVertical\":" + jsonBool(s.wheelVertical);
    j += ",\"repeatInterval\":" + std::to_string(s.repeatInterval);
    j += ",\"pictureVersion\":" + std::to_string(s.pictureVersion);
    j += ",\"pictureExists\":" + jsonBool(picture_.exists());
    j += ",\"description\":" + jsonText(PictureDescription(st_));
    j += ",\"functionCount\":" + std::to_string(st_.table.FunctionCount);
    j += ",\"rows\":[";
    for (std::size_t i = 0; i < rows_.size(); ++i) j += (i ? "," : "") + jsonText(rows_[i]);
    j += "],\"selectionLabel\":" + jsonText(selectionLabel_);
    j += ",\"loadStatus\":" + jsonText(loadStatus_);
    j += ",\"loadedComment\":" + jsonText(loadedComment_);
    j += ",\"saveLabel\":" + jsonText(saveLabel_) + ",\"saveEnabled\":" + jsonBool(saveEnabled_);
    j += ",\"beeps\":" + std::to_string(beeps_);
    j += ",\"messages\":[";
    for (std::size_t i = 0; i < messages_.size(); ++i)
      j += std::string(i ? "," : "") + "{\"type\":\"" + messageTypeName(messages_[i].type) +
           "\",\"title\":" + jsonText(messages_[i].title) + ",\"text\":" + jsonText(messages_[i].text) + "}";
    j += "]}";
    messages_.clear();
    beeps_ = 0;
    return j;
  }

  std::string settingsJson() const {
    std::string j = "{\"open\":" + jsonBool(settingsOpen_) + ",\"clash\":" + jsonText(clash_);
    j += ",\"precisionEnabled\":" + jsonBool(precisionEnabled_);
    j += ",\"source\":" + jsonText(settingsSourceLabel(ss_.SettingsFileFound));
    j += ",\"rows\":[";
    bool first = true;
    for (const SettingRow& row : SettingRows) {
      const int s = static_cast<int>(row.setting);
      std::string items;
      if (isColorRow(row)) {
        for (const std::string& item : colorPickerItems(row.colors)) items += (items.empty() ? "" : "\n") + item;
      } else {
        items = row.items;
      }
      j += std::string(first ? "" : ",") + "{\"setting\":" + std::to_string(s) +
           ",\"picker\":" + jsonText(row.pickerName) + ",\"caption\":" + jsonText(row.caption) +
           ",\"tab\":" + std::to_string(static_cast<int>(row.tab)) + ",\"color\":" + jsonBool(isColorRow(row)) +
           ",\"items\":" + jsonText(items) + ",\"text\":" + jsonText(pickers_[s]) + ",\"hint\":" + jsonText(row.hint) +
           ",\"inForce\":" + jsonText(inForce(row)) + "}";
      first = false;
    }
    j += "]}";
    return j;
  }

  // The RGBA pixels of the picture, or nothing before it first exists.
  const std::uint8_t* pixels() {
    if (!picture_.exists()) return nullptr;
    rgba_.resize(static_cast<std::size_t>(Raster::Width) * Raster::Height);
    const Color* p = picture_.data();
    // 0x00BBGGRR is red, green, blue in memory order; the fourth byte is alpha.
    for (std::size_t i = 0; i < rgba_.size(); ++i) rgba_[i] = p[i] | 0xFF000000u;
    return reinterpret_cast<const std::uint8_t*>(rgba_.data());
  }

  WheelNotches& wheel() { return wheel_; }

 private:
  SettingsPorts settingsPorts() { return SettingsPorts{settingsFile_, *this, *this}; }

  // The value in force as the settings window's labels tell it.
  std::string inForce(const SettingRow& row) const {
    const Settings& s = st_.settings;
    if (isColorRow(row)) {
      const Color c = s.*std::get<Color Settings::*>(row.member);
      char buf[16];
      std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
      return buf;
    }
    if (row.setting == Setting::Step) {
      const auto text = fieldText(ss_.Record, Setting::Step);
      return precisionLabel(text ? *text : std::string(), s.OptimizeOn);
    }
    if (row.setting == Setting::QuickView) return quickViewModeName(s.QuickViewMode);
    return switchLabel(s.*std::get<bool Settings::*>(row.member));
  }

  PlotState st_;
  SettingsState ss_;
  Raster picture_;
  BrowserText text_;
  BrowserSettingsFile settingsFile_;
  NoClockStore clock_;
  PickedSetFile files_;
  LoadSession session_;
  Commands cmd_;
  SettingsEditor editor_;
  WheelNotches wheel_;

  std::vector<ShownMessage> messages_;
  int beeps_ = 0;
  std::vector<std::string> rows_;
  std::string selectionLabel_ = "Kiválasztott függvények:";
  std::string loadStatus_ = NothingLoadedText;
  std::string loadedComment_;
  std::string comment_ = kInitialComment;
  std::optional<std::string> saveName_;
  std::string saveLabel_ = NothingToSaveText;
  bool saveEnabled_ = false;

  std::array<std::string, SettingCount> pickers_;
  std::array<Color, SettingCount> custom_{};
  std::array<std::string, StateLabelCount> labels_;
  std::string clash_;
  bool settingsOpen_ = false;
  bool precisionEnabled_ = true;

  std::vector<std::uint32_t> rgba_;
};

std::unique_ptr<WebProgram> program;
std::string lastText;
std::vector<std::uint8_t> lastBytes;

const char* keep(std::string text) {
  lastText = std::move(text);
  return lastText.c_str();
}

std::optional<PanDirection> direction(int d) {
  switch (d) {
    case 0: return PanDirection::Up;
    case 1: return PanDirection::Down;
    case 2: return PanDirection::Left;
    case 3: return PanDirection::Right;
  }
  return std::nullopt;
}

}  // namespace
}  // namespace graf

using graf::program;

extern "C" {

// Starts the program: the settings from the browser's storage, the state of
// a program just started.
EMSCRIPTEN_KEEPALIVE void gw_start() { program = std::make_unique<graf::WebProgram>(); }

// What the page shows, as JSON; the message boxes raised since the last call
// are handed over once.
EMSCRIPTEN_KEEPALIVE const char* gw_shown() { return graf::keep(program->shownJson()); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* gw_pixels() { return program->pixels(); }

// The user's typing and choices.
EMSCRIPTEN_KEEPALIVE void gw_field(int field, const char* text) {
  program->cmd().fieldEdited(static_cast<graf::Field>(field), text);
}
EMSCRIPTEN_KEEPALIVE void gw_kind_option(int kind) {
  if (const auto k = graf::kindOfNumber(kind)) program->cmd().kindOption(*k);
}

// The main window's commands.
EMSCRIPTEN_KEEPALIVE void gw_plot() { program->cmd().plotCommand(); }
EMSCRIPTEN_KEEPALIVE void gw_clear_all() { program->cmd().clearAll(); }
EMSCRIPTEN_KEEPALIVE void gw_clear_functions() { program->cmd().clearFunctions(); }
EMSCRIPTEN_KEEPALIVE void gw_delete_last() { program->cmd().deleteLastFunction(); }
EMSCRIPTEN_KEEPALIVE void gw_zoom() { program->cmd().zoomStep(); }
EMSCRIPTEN_KEEPALIVE void gw_centre() { program->cmd().centre(); }
EMSCRIPTEN_KEEPALIVE void gw_direction_switch() { program->cmd().directionSwitch(); }
EMSCRIPTEN_KEEPALIVE void gw_numbers() { program->cmd().numberAxes(); }
EMSCRIPTEN_KEEPALIVE void gw_pan_held(int d, int held) {
  if (const auto dir = graf::direction(d)) program->cmd().setPanHeld(*dir, held != 0);
}
EMSCRIPTEN_KEEPALIVE void gw_release_pan() { program->cmd().releasePanButtons(); }
EMSCRIPTEN_KEEPALIVE void gw_repeat_tick() { program->cmd().repeatTick(); }
// One wheel event: its angle in eighths of a degree (120 a notch) and the
// modifiers; every whole notch is one wheel step.
EMSCRIPTEN_KEEPALIVE void gw_wheel(int angle, int ctrl, int shift, int alt, int button) {
  const int notches = program->wheel().turn(angle);
  const graf::WheelModifiers mods{ctrl != 0, shift != 0, alt != 0, button != 0};
  for (int i = 0; i < (notches < 0 ? -notches : notches); ++i) program->cmd().wheelTurn(notches > 0, mods);
}
EMSCRIPTEN_KEEPALIVE void gw_mouse_move(int x, int y) { program->cmd().mouseMove(x, y); }
EMSCRIPTEN_KEEPALIVE void gw_picture_click() { program->cmd().pictureClick(); }
EMSCRIPTEN_KEEPALIVE void gw_about() {
  program->cmd().showMessage(graf::MessageType::Information,
                             "Grafolin\n5.2-es verzió\nKészült: 2006. július - november");
}

// The function list.
// "Összegük" with the selected rows (zero-based), given as "0,2".
EMSCRIPTEN_KEEPALIVE void gw_sum(const char* selected) {
  std::vector<int> rows;
  for (const char* p = selected; *p;) {
    char* end = nullptr;
    const long row = std::strtol(p, &end, 10);
    if (end == p) break;
    rows.push_back(static_cast<int>(row));
    p = *end == ',' ? end + 1 : end;
  }
  graf::sumOfRows(program->cmd(), rows);
}
EMSCRIPTEN_KEEPALIVE void gw_trace(int row) { graf::traceRow(program->cmd(), row); }

// Sets: the bytes of a picked file, and the bytes of the set to save.
EMSCRIPTEN_KEEPALIVE std::uint8_t* gw_buffer(int size) {
  graf::lastBytes.assign(static_cast<std::size_t>(size < 0 ? 0 : size), 0);
  return graf::lastBytes.data();
}
EMSCRIPTEN_KEEPALIVE void gw_sets_open() { program->openSets(); }
EMSCRIPTEN_KEEPALIVE int gw_load_set(const char* name) { return program->loadSet(name, graf::lastBytes) ? 1 : 0; }
// The set as the desktop writes it; its size (0 when nothing is stored) by
// gw_bytes_size.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* gw_save_set(const char* comment) {
  graf::lastBytes = program->saveSet(comment);
  return graf::lastBytes.data();
}
EMSCRIPTEN_KEEPALIVE int gw_bytes_size() { return static_cast<int>(graf::lastBytes.size()); }

// The picture as an SVG drawing, or an empty text when the picture cannot be
// told as one (nothing drawn yet).
EMSCRIPTEN_KEEPALIVE const char* gw_svg();

// The settings dialog.
EMSCRIPTEN_KEEPALIVE void gw_settings_open() { program->openSettings(); }
EMSCRIPTEN_KEEPALIVE const char* gw_settings() { return graf::keep(program->settingsJson()); }
EMSCRIPTEN_KEEPALIVE void gw_picker(int setting, const char* text) {
  const auto s = static_cast<graf::Setting>(setting);
  program->setPickerText(s, text);
  program->editor().pickerChanged(s);
}
EMSCRIPTEN_KEEPALIVE void gw_custom_color(int setting, int rgb) {
  const auto s = static_cast<graf::Setting>(setting);
  // The page gives 0xRRGGBB; the program's colours are 0x00BBGGRR.
  const graf::Color c = static_cast<graf::Color>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
  program->setCustomColor(s, c);
  program->editor().customColorConfirmed(s, c);
}
EMSCRIPTEN_KEEPALIVE void gw_settings_ok() { program->editor().ok(); }
EMSCRIPTEN_KEEPALIVE void gw_settings_cancel() { program->editor().cancel(); }
EMSCRIPTEN_KEEPALIVE void gw_settings_defaults() { program->editor().restoreDefaults(); }
EMSCRIPTEN_KEEPALIVE void gw_clash_ignore() { program->editor().ignoreClash(); }
EMSCRIPTEN_KEEPALIVE void gw_clash_revisit() { program->editor().revisitClash(); }

}  // extern "C"

namespace graf {
namespace {

std::string svgColor(Color c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

std::string xmlText(const std::string& s) {
  std::string out;
  for (const char c : s) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string number(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

// Each piece of a curve as one polyline through exactly its points.
std::string svgCurve(const PictureCurve& curve) {
  std::string out;
  for (const CurvePiece& piece : curve.pieces) {
    out += "<polyline stroke=\"" + svgColor(curve.color) + "\" points=\"";
    for (std::size_t i = 0; i < piece.size(); ++i)
      out += (i ? " " : "") + number(piece[i].column) + "," + number(piece[i].row);
    out += "\"/>\n";
  }
  return out;
}

// A text at its top-left corner in the picture's font; an opaque one over
// its box, as wide and high as the page's text is.
std::string svgText(const PictureText& t) {
  std::vector<std::uint8_t> mask(64 * 1024);
  int size[2] = {0, 0};
  js_text_mask(t.text.c_str(), mask.data(), static_cast<int>(mask.size()), size);
  std::string out;
  if (t.opaque)
    out += "<rect x=\"" + std::to_string(t.column) + "\" y=\"" + std::to_string(t.row) + "\" width=\"" +
           std::to_string(size[0]) + "\" height=\"" + std::to_string(size[1]) + "\" fill=\"" + svgColor(t.background) +
           "\"/>\n";
  out += "<text x=\"" + std::to_string(t.column) + "\" y=\"" + std::to_string(t.row) +
         "\" dominant-baseline=\"text-before-edge\" fill=\"" + svgColor(t.color) + "\">" + xmlText(t.text) +
         "</text>\n";
  return out;
}

}  // namespace
}  // namespace graf

const char* gw_svg() {
  using namespace graf;
  const std::optional<PictureDrawing> d = program->cmd().drawing();
  if (!d) return keep("");
  std::string s =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"393\" height=\"321\" viewBox=\"0 0 393 321\">\n"
      "<title>Grafolin</title>\n<desc>Függvények képe</desc>\n"
      "<rect width=\"393\" height=\"321\" fill=\"" +
      svgColor(d->background) +
      "\"/>\n"
      "<g transform=\"translate(0.5 0.5)\" fill=\"none\" stroke-width=\"1\" stroke-linecap=\"square\">\n";
  // Lines of one colour in a row go into one path.
  for (std::size_t i = 0; i < d->lines.size();) {
    const Color color = d->lines[i].color;
    s += "<path stroke=\"" + svgColor(color) + "\" d=\"";
    for (; i < d->lines.size() && d->lines[i].color == color; ++i) {
      const PictureLine& l = d->lines[i];
      s += "M" + std::to_string(l.column0) + " " + std::to_string(l.row0) + "L" + std::to_string(l.column1) + " " +
           std::to_string(l.row1);
    }
    s += "\"/>\n";
  }
  s += "</g>\n<g transform=\"translate(0.5 0.5)\" fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\" "
       "stroke-linejoin=\"round\">\n";
  for (const PictureCurve& curve : d->curves) s += svgCurve(curve);
  s += "</g>\n";
  // The overlays in the order drawn: each one's curve, then its texts.
  for (const PictureOverlay& overlay : d->overlays) {
    s += "<g transform=\"translate(0.5 0.5)\" fill=\"none\" stroke-width=\"1\" stroke-linecap=\"round\" "
         "stroke-linejoin=\"round\">\n" +
         svgCurve(overlay.curve) + "</g>\n";
    if (!overlay.texts.empty()) {
      s += "<g font-family=\"'Liberation Sans', Arial, 'DejaVu Sans', sans-serif\" font-size=\"11px\">\n";
      for (const PictureText& t : overlay.texts) s += svgText(t);
      s += "</g>\n";
    }
  }
  s += "</svg>\n";
  return keep(std::move(s));
}
