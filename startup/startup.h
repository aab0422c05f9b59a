// SPDX-License-Identifier: MIT
#pragma once
// The start-up: while the splash is up the main window is inert; at each
// tick of the splash's timer the settings and the clock are read, a first run
// sends the user to the first-run window to have the clock measured, the
// clock chooses the sampling step when optimisation is on, the splash fades
// out on fast machines, and the main window is handed to the user.
//
// Also the clock commands of the first-run window, the clock-override window
// and the settings window's "Új processzorom van".
#include <cstdint>
#include <optional>
#include <string>

#include "plot/plot_state.h"
#include "plot/ports.h"
#include "startup/ports.h"

namespace graf {

// The processor clock of this run.
struct ClockState {
  // In whole MHz; 0 while not known. Read from the store at each start-up
  // attempt; set by the first-run measurement.
  std::int32_t CpuMhz = 0;
  // The first-run measurement of this run, if one was taken. It lets the
  // start-up go on even when the store could not keep it, or when it came
  // out 0: the first-run window is not shown twice in one run.
  std::optional<std::int32_t> FirstRunMhz;
};

// The splash's timer ticks every 1500 ms.
inline constexpr int kSplashIntervalMs = 1500;

// The clock rule of the start-up: while optimisation is on, the clock
// chooses the sampling step. True when it did.
bool applyClockRule(Settings& settings, std::int32_t mhz);

class Startup {
 public:
  Startup(PlotState& st, ClockState& clock, ClockStore& store, SettingsReader& settings,
          StartupWindowsPort& windows)
      : st_(st), clock_(clock), store_(store), settings_(settings), windows_(windows) {}

  // The splash became active (it does at creation): the main window ignores
  // the user until the start-up has completed.
  void splashActivated();

  // A tick of the splash's timer: shows the main window and makes a start-up
  // attempt. True once the start-up has completed; the splash is then gone
  // and later ticks do nothing. A tick that arrives while an attempt is still
  // running (a message box of the attempt is open) is let pass.
  bool tick();

  bool completed() const { return completed_; }

 private:
  // One start-up attempt, the work of the splash's close. False when it
  // stopped early: the settings could not be read, or the clock is still to
  // be measured.
  bool attempt();

  PlotState& st_;
  ClockState& clock_;
  ClockStore& store_;
  SettingsReader& settings_;
  StartupWindowsPort& windows_;
  bool running_ = false;
  bool completed_ = false;
};

// What the clock windows do with the clock and the store.
class ClockCommands {
 public:
  ClockCommands(ClockState& clock, ClockStore& store, ClockMeter& meter, Notifier& notifier)
      : clock_(clock), store_(store), meter_(meter), notifier_(notifier) {}

  // The first-run window's OK: measures the clock into CpuMhz and stores it
  // with the note beside it. True when the window may close; false when the
  // store could not be written (the user has been told why, and the window
  // stays open to try again; the start-up goes on with the measured clock).
  bool firstRunMeasure();

  // The override's "Felülbírálás" with the typed text: a whole number from 1
  // to 9999 is stored exactly as typed; anything else is refused with a
  // message (after a beep when soundOn). CpuMhz is left alone. True when the
  // window may close: always, except when the store could not be written.
  bool overrideClock(const std::string& text, bool soundOn);

  // "Új processzorom van": measures the clock and stores it; CpuMhz is left
  // alone until the next start. Returns the measured clock.
  std::int32_t remeasure();

  ClockState& clock() { return clock_; }

 private:
  // Stores a value; on failure tells the user, with a line of its own after
  // the reason when one is given, and returns false.
  bool store(const std::string& name, const std::string& text, const std::string& afterReason = {});

  ClockState& clock_;
  ClockStore& store_;
  ClockMeter& meter_;
  Notifier& notifier_;
};

}  // namespace graf
