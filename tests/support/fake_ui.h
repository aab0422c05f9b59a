// SPDX-License-Identifier: MIT
#pragma once
// A recording stand-in for every window the core talks to, and a fixture
// that owns a fresh PlotState, picture and Commands for each test.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "functionlist/function_row.h"
#include "functionsets/load_session.h"
#include "plot/commands.h"

namespace graf::testing {

// A beep or a message box, as the user meets them. A beep has no box: no
// type, no title and no text.
struct Dialog {
  std::optional<MessageType> type;
  std::string title;
  std::string text;
  bool operator==(const Dialog&) const = default;
};
inline const Dialog kBeep{};
inline Dialog warning(std::string text) { return {MessageType::Warning, "Warning", std::move(text)}; }
inline Dialog information(std::string text) { return {MessageType::Information, "Information", std::move(text)}; }
inline Dialog error(std::string text) { return {MessageType::Error, "Error", std::move(text)}; }
inline Dialog confirmation(std::string text) { return {MessageType::Confirmation, "Confirm", std::move(text)}; }
inline void PrintTo(const Dialog& d, std::ostream* os) {
  if (!d.type) {
    *os << "beep";
    return;
  }
  *os << "{type " << static_cast<int>(*d.type) << ", \"" << d.title << "\", \"" << d.text << "\"}";
}

class FakeUi : public MainWindowListener, public Notifier, public FunctionListPort, public LoadPort {
 public:
  // Everything the core said to the windows, in order.
  std::vector<std::string> log;
  // Only the message boxes and beeps, in order.
  std::vector<Dialog> dialogs;

  // What the main window shows, as the core's changes leave it.
  FieldTexts fields;
  Kind kind = Kind::Linear;
  bool cEnabled = false;
  std::string caption = "Grafolin 5.2";
  std::string countPanel = "Függvények száma: 0";
  bool deleteLastEnabled = false;
  std::string readoutX, readoutY;
  std::string zoomLabel = "1x";
  PictureCursor cursor = PictureCursor::Arrow;
  bool wheelVertical = true;
  int repeatInterval = 50;
  int pictureChanges = 0;
  std::vector<std::string> rows;
  std::string selectionLabel = "Kiválasztott függvények:";
  std::string loadStatus = "Nincs betöltve semmi";
  std::string progressCaption;
  std::vector<int> progress;
  bool progressOpen = false;
  // Runs at every move of the progress bar, when set.
  std::function<void(int)> onProgress;

  // Becomes the main window and the function list of `commands`: hears what
  // they show, and tells it what the user types.
  void attach(Commands& commands) {
    commands_ = &commands;
    commands.setMainWindowListener(this);
    commands.setFunctionList(this);
  }

  // The user types the three fields, as into the main window.
  void type(const std::string& a, const std::string& b, const std::string& c = "") {
    fields = {a, b, c};
    if (!commands_) return;
    commands_->fieldEdited(Field::A, a);
    commands_->fieldEdited(Field::B, b);
    commands_->fieldEdited(Field::C, c);
  }

  // MainWindowListener
  void shownChanged(const MainWindowShown& s, unsigned parts) override {
    for (int i = 0; i < 3; ++i) {
      if (!(parts & shownFieldPart(static_cast<Field>(i)))) continue;
      fields[static_cast<std::size_t>(i)] = s.fields[static_cast<std::size_t>(i)];
      log.push_back("field " + std::to_string(i) + "=" + fields[static_cast<std::size_t>(i)]);
    }
    if (parts & kShownKind) {
      kind = s.kind;
      log.push_back("select " + std::to_string(kindNumber(kind)));
    }
    if (parts & kShownCEnabled) cEnabled = s.cEnabled;
    if (parts & kShownCaption) {
      caption = s.caption;
      log.push_back("caption " + caption);
    }
    if (parts & kShownCount) countPanel = s.countText;
    if (parts & kShownDeleteLast) deleteLastEnabled = s.deleteLastEnabled;
    if (parts & kShownReadout) {
      readoutX = s.readoutX;
      readoutY = s.readoutY;
    }
    if (parts & kShownZoom) zoomLabel = s.zoomText;
    if (parts & kShownCursor) cursor = s.cursor;
    if (parts & kShownWheel) wheelVertical = s.wheelVertical;
    if (parts & kShownRepeat) repeatInterval = s.repeatInterval;
    if (parts & kShownPicture) ++pictureChanges;
  }

  // Notifier
  void beep() override {
    dialogs.push_back(kBeep);
    log.push_back("beep");
  }
  void message(MessageType t, const std::string& text) override {
    dialogs.push_back({t, messageTitle(t), text});
    log.push_back("message " + std::string(messageTitle(t)) + ": " + text);
    if (onMessage) onMessage();
  }
  // Runs while a message box is "open", to act as other events would.
  std::function<void()> onMessage;

  // FunctionListPort
  void appendFunctionRow(int n, Kind k, double a, double b, double c) override {
    rows.push_back(FunctionRow(n, k, a, b, c));
  }
  void removeRow(int i) override { rows.erase(rows.begin() + i); }
  void clearRows() override { rows.clear(); }
  void setSelectionLabel(const std::string& t) override { selectionLabel = t; }

  // LoadPort
  void setLoadStatus(const std::string& t) override { loadStatus = t; }
  void showProgressWindow() override {
    progressOpen = true;
    log.push_back("show progress");
  }
  void closeProgressWindow() override {
    progressOpen = false;
    log.push_back("close progress");
  }
  void setProgressCaption(const std::string& t) override { progressCaption = t; }
  void setProgressPosition(int p) override {
    progress.push_back(p);
    if (onProgress) onProgress(p);
  }

 private:
  Commands* commands_ = nullptr;
};

// Records the texts written on the picture instead of drawing glyphs.
class RecordingText : public TextRenderer {
 public:
  struct Entry {
    int x, y;
    std::string text;
    bool opaque;
    Color background;
  };
  std::vector<Entry> entries;
  void drawText(Raster&, int x, int y, const std::string& text, Color color, bool opaque,
                Color background) override {
    EXPECT_EQ(color, 0u) << "text on the picture is black";
    entries.push_back({x, y, text, opaque, background});
  }
};

class CoreTest : public ::testing::Test {
 protected:
  PlotState st;
  Raster pic;
  FakeUi ui;
  LoadSession session{ui};
  Commands cmd{st, pic, Ports{ui, session}};

  static constexpr Color kFace = 0xF0F0F0;
  RecordingText text;
  CoreTest() {
    ui.attach(cmd);
    cmd.setFaceColor(kFace);
    pic.setTextRenderer(&text);
  }

  // Chooses a kind the way a click on its option does.
  void choose(Kind kind) { cmd.selectKind(kind); }
  // Types the fields and presses F5.
  void plot(Kind kind, const std::string& a, const std::string& b, const std::string& c = "") {
    choose(kind);
    ui.type(a, b, c);
    cmd.plotCommand(ui.fields, ui.kind);
  }
  // The table as "kind:a:b:c" strings, entries 1..table.FunctionCount.
  std::vector<std::string> table() const {
    std::vector<std::string> out;
    for (int i = 1; i <= st.table.FunctionCount; ++i)
      out.push_back(std::to_string(kindNumber(st.table.FunctionKind[i])) + ":" + fmt(st.table.CoefA[i]) + ":" +
                    fmt(st.table.CoefB[i]) + ":" + fmt(st.table.CoefC[i]));
    return out;
  }
  static std::string fmt(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", v);
    return buf;
  }
};

}  // namespace graf::testing
