// SPDX-License-Identifier: MIT
#pragma once
// Recording stand-ins for what the start-up reaches: the per-user store, the
// clock measurement, the settings file and the start-up's windows.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "startup/ports.h"

namespace graf::testing {

// A store in memory. While `failure` holds a reason, every write fails with
// it and changes nothing.
class FakeClockStore : public ClockStore {
 public:
  std::map<std::string, std::string> values;
  std::string failure;
  mutable int reads = 0;
  std::vector<std::string> writes;  // "name=text", in order, the failed ones too

  std::optional<std::string> readText(const std::string& name) const override {
    ++reads;
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  std::string writeText(const std::string& name, const std::string& text) override {
    writes.push_back(name + "=" + text);
    if (!failure.empty()) return failure;
    values[name] = text;
    return {};
  }
};

// Gives the clocks it is told, in turn; the last one again when they run out.
class FakeClockMeter : public ClockMeter {
 public:
  std::deque<std::int32_t> clocks{2400};
  int measurements = 0;
  std::int32_t measure() override {
    ++measurements;
    const std::int32_t mhz = clocks.front();
    if (clocks.size() > 1) clocks.pop_front();
    return mhz;
  }
};

// The settings reader: runs what the test gives it, and answers ok.
class FakeSettingsReader : public SettingsReader {
 public:
  bool ok = true;
  int reads = 0;
  std::function<void()> onRead;
  bool readSettings() override {
    ++reads;
    if (onRead) onRead();
    return ok;
  }
};

class FakeStartupWindows : public StartupWindowsPort {
 public:
  std::vector<std::string> log;
  bool mainVisible = false;
  bool mainEnabled = true;
  bool firstRunVisible = false;
  bool splashVisible = true;
  int opacity = 255;
  std::vector<int> opacities;  // every opacity set, in order
  std::string clockNote;

  void showMainWindow() override {
    mainVisible = true;
    log.push_back("show main");
  }
  void setMainWindowEnabled(bool e) override {
    mainEnabled = e;
    log.push_back(e ? "enable main" : "disable main");
  }
  void focusMainWindow() override { log.push_back("focus main"); }
  void setClockNote(const std::string& t) override {
    clockNote = t;
    log.push_back("note " + t);
  }
  void showFirstRunWindow() override {
    firstRunVisible = true;
    log.push_back("show first run");
  }
  void hideFirstRunWindow() override {
    firstRunVisible = false;
    log.push_back("hide first run");
  }
  void showFunctionListWindow() override { log.push_back("show function list"); }
  int splashOpacity() const override { return opacity; }
  void setSplashOpacity(int o) override {
    if (opacities.empty()) log.push_back("fade");
    opacity = o;
    opacities.push_back(o);
  }
  void finishSplash() override {
    splashVisible = false;
    log.push_back("finish splash");
  }
};

}  // namespace graf::testing
