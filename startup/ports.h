// SPDX-License-Identifier: MIT
#pragma once
// What the start-up and the clock windows need from the rest of the program:
// the per-user store, the clock measurement, the settings file and the
// windows. The application implements these; the tests use recording fakes.
#include <cstdint>
#include <optional>
#include <string>

namespace graf {

// The per-user store of the clock.
class ClockStore {
 public:
  virtual ~ClockStore() = default;
  // The text of a value; nothing when the value is missing or holds
  // something that is not a single text.
  virtual std::optional<std::string> readText(const std::string& name) const = 0;
  // Stores a text value, creating what is missing on the way. Returns an
  // empty text when the value is safely stored, otherwise the reason.
  virtual std::string writeText(const std::string& name, const std::string& text) = 0;
};

// Measures the processor clock in whole MHz (about half a second).
class ClockMeter {
 public:
  virtual ~ClockMeter() = default;
  virtual std::int32_t measure() = 0;
};

// Reads the settings file into the settings. Returns false when reading
// failed after the file was opened; the reader has then told the user why.
class SettingsReader {
 public:
  virtual ~SettingsReader() = default;
  virtual bool readSettings() = 0;
};

// The windows of the start-up.
class StartupWindowsPort {
 public:
  virtual ~StartupWindowsPort() = default;
  virtual void showMainWindow() = 0;
  virtual void setMainWindowEnabled(bool enabled) = 0;
  virtual void focusMainWindow() = 0;
  // The main window's third status panel.
  virtual void setClockNote(const std::string& text) = 0;
  // Shows the first-run window in front and gives it the focus.
  virtual void showFirstRunWindow() = 0;
  virtual void hideFirstRunWindow() = 0;
  virtual void showFunctionListWindow() = 0;
  // The splash's opacity, 0 (invisible) to 255 (opaque).
  virtual int splashOpacity() const = 0;
  virtual void setSplashOpacity(int opacity) = 0;
  // Hides the splash for good and stops its timer.
  virtual void finishSplash() = 0;
};

}  // namespace graf
