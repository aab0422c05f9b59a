// SPDX-License-Identifier: MIT
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
#include "export/no_windows.h"
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

// The windows, as far as the core talks to them: a program without windows,
// with the checks of what the core asks of them, and the save/load window's
// answers taken from the fuzzer's input.
class SilentUi : public NoWindows, public TextRenderer {
 public:
  // Runs while a message box is "open", as timer ticks and other events do.
  void (*onMessage)(void*) = nullptr;
  void* onMessageContext = nullptr;
  bool progressOpen = false;

  void message(MessageType type, const std::string& text) override {
    NoWindows::message(type, text);
    if (onMessage) onMessage(onMessageContext);
  }
  void removeRow(int index) override {
    require(index >= 0 && index < rows, "a list row removed that does not exist");
    NoWindows::removeRow(index);
  }
  void showProgressWindow() override { progressOpen = true; }
  void closeProgressWindow() override { progressOpen = false; }
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
  void setSaveEnabled(bool e) override { saveEnabled = e; }
  void closeWindow() override { ++closes; }

  void drawText(Raster&, int, int, const std::string&, Color, bool, Color) override {}
};

// The picture's pixels, made once per process: allocating and whitening
// them for every input cost more than the input itself.
inline Raster& processRaster() {
  static Raster raster;
  return raster;
}

// A fresh program for each input: state, commands wired to one SilentUi, and
// the save and load sequences over files in memory, drawing into the one
// raster of the process with a pen and brush as a new picture has them.
struct Program {
  PlotState st;
  Raster& pic = processRaster();
  SilentUi ui;
  LoadSession session{ui};
  Commands cmd{st, pic, Ports{ui, session}};
  testing::MemorySetFiles files;
  SaveLoad saveLoad{cmd, session, ui, files};
  Program() {
    cmd.setFunctionList(&ui);
    pic.setTextRenderer(&ui);
    pic.setPenColor(0);
    pic.setBrushColor(0xFFFFFF);
    pic.moveTo(0, 0);
  }
};

}  // namespace graf::fuzzing
