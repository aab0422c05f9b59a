#pragma once
// What every fuzz target shares: silent stand-ins for the windows, a check
// that stops the run with a message when an invariant breaks, and a reader
// that takes values from the fuzzer's bytes.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "functionsets/load_save.h"
#include "plot/commands.h"
#include "tests/support/memory_set_files.h"

namespace graf::fuzzing {

// Stops the run (a finding) when `holds` is false.
inline void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Takes bytes, then numbers, from the fuzzer's input; past its end every
// value is 0.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }
  // A value 0..n−1.
  int below(int n) { return n <= 1 ? 0 : byte() % n; }
  // A text of at most `limit` bytes, its length taken first.
  std::string text(std::size_t limit) {
    std::string out;
    const std::size_t length = byte() % (limit + 1);
    for (std::size_t k = 0; k < length && !empty(); ++k) out += static_cast<char>(byte());
    return out;
  }
  double rawDouble() {
    std::uint64_t bits = 0;
    for (int k = 0; k < 8; ++k) bits = bits << 8 | byte();
    double v;
    static_assert(sizeof v == sizeof bits);
    __builtin_memcpy(&v, &bits, sizeof v);
    return v;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// The windows, as far as the core talks to them: the texts the core reads
// back are kept, everything else is counted and dropped.
class SilentUi : public MainWindowPort,
                 public Notifier,
                 public FunctionListPort,
                 public LoadPort,
                 public SaveLoadPort,
                 public TextRenderer {
 public:
  std::string fields[3];
  Kind kind = Kind::Linear;
  int rows = 0;
  int messages = 0;
  // Runs while a message box is "open", as timer ticks and other events do.
  void (*onMessage)(void*) = nullptr;
  void* onMessageContext = nullptr;

  std::string fieldText(Field f) const override { return fields[static_cast<int>(f)]; }
  void setFieldText(Field f, const std::string& t) override { fields[static_cast<int>(f)] = t; }
  Kind selectedKind() const override { return kind; }
  void selectKind(Kind k) override { kind = k; }
  void setCFieldEnabled(bool) override {}
  void setCaption(const std::string&) override {}
  void setCountPanel(const std::string&) override {}
  bool deleteLastEnabled = false;
  void setDeleteLastEnabled(bool e) override { deleteLastEnabled = e; }
  void setReadout(const std::string&, const std::string&) override {}
  void setZoomLabel(const std::string&) override {}
  void setPictureCursor(PictureCursor) override {}
  void setWheelDirectionVertical(bool) override {}
  void setRepeatInterval(int) override {}
  void pictureChanged() override {}

  void beep() override {}
  void message(MessageType, const std::string&) override {
    ++messages;
    if (onMessage) onMessage(onMessageContext);
  }

  void appendFunctionRow(int, Kind, double, double, double) override { ++rows; }
  int rowCount() const override { return rows; }
  void removeRow(int index) override {
    require(index >= 0 && index < rows, "a list row removed that does not exist");
    --rows;
  }
  void clearRows() override { rows = 0; }
  void setSelectionLabel(const std::string&) override {}

  void setLoadStatus(const std::string&) override {}
  bool progressOpen = false;
  void showProgressWindow() override { progressOpen = true; }
  void closeProgressWindow() override { progressOpen = false; }
  void setProgressCaption(const std::string&) override {}
  void setProgressPosition(int position) override {
    require(position >= 0 && position <= 100, "the progress bar left 0..100");
  }

  // The save/load window: the comment and the file names come from the
  // fuzzer's input; the automatic name is used when no name is given.
  std::string comment_;
  std::string fileName;
  bool saveEnabled = false;
  int closes = 0;
  std::string comment() const override { return comment_; }
  bool automaticFileName() const override { return fileName.empty(); }
  std::optional<std::string> askFileToSave() override { return fileName; }
  std::optional<std::string> askFileToOpen() override { return fileName; }
  void setSaveLabel(const std::string&) override {}
  void setSaveEnabled(bool e) override { saveEnabled = e; }
  void setLoadedComment(const std::string&) override {}
  void setAckAndDiscardEnabled() override {}
  void closeWindow() override { ++closes; }

  void drawText(Raster&, int, int, const std::string&, Color, bool, Color) override {}
};

// A fresh program: state, picture and commands wired to one SilentUi, and
// the save and load sequences over files in memory.
struct Program {
  PlotState st;
  Raster pic;
  SilentUi ui;
  Commands cmd{st, pic, Ports{ui, ui, ui, ui}};
  testing::MemorySetFiles files;
  SaveLoad saveLoad{cmd, ui, files};
  Program() { pic.setTextRenderer(&ui); }
};

}  // namespace graf::fuzzing
