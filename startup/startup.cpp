// SPDX-License-Identifier: MIT
#include "startup/startup.h"

#include "startup/clock.h"

namespace graf {

bool applyClockRule(Settings& settings, std::int32_t mhz) {
  if (!settings.OptimizeOn) return false;
  settings.SampleStep = sampleStepForClock(mhz);
  return true;
}

void Startup::splashActivated() {
  if (!completed_) windows_.setMainWindowEnabled(false);
}

bool Startup::tick() {
  if (completed_) return true;
  if (running_) return false;
  windows_.showMainWindow();
  running_ = true;
  const bool done = attempt();
  running_ = false;
  if (!done) return false;
  completed_ = true;
  windows_.hideFirstRunWindow();
  windows_.finishSplash();
  return true;
}

bool Startup::attempt() {
  if (!settings_.readSettings()) return false;

  clock_.CpuMhz = clockFromStoredText(store_.readText(kClockValueName));
  if (clock_.CpuMhz == 0 && clock_.FirstRunMhz) clock_.CpuMhz = *clock_.FirstRunMhz;
  if (clock_.CpuMhz == 0 && !clock_.FirstRunMhz) {
    // A first run: the clock is still to be measured. The next tick tries again.
    windows_.showFirstRunWindow();
    return false;
  }

  if (applyClockRule(st_.settings, clock_.CpuMhz)) windows_.setClockNote(optimizationNote(clock_.CpuMhz));
  if (clock_.CpuMhz >= kFadeFromMhz) {
    for (int opacity = windows_.splashOpacity() - 1; opacity >= 0; --opacity) windows_.setSplashOpacity(opacity);
  }
  if (st_.settings.FunctionWindowOn) windows_.showFunctionListWindow();
  windows_.setMainWindowEnabled(true);
  windows_.focusMainWindow();
  return true;
}

bool ClockCommands::store(const std::string& name, const std::string& text, const std::string& afterReason) {
  const std::string reason = store_.writeText(name, text);
  if (reason.empty()) return true;
  std::string message = "A(z) „" + name + "” érték nem menthető.\n" + reason;
  if (!afterReason.empty()) message += "\n" + afterReason;
  notifier_.message(MessageType::Error, message);
  return false;
}

bool ClockCommands::firstRunMeasure() {
  clock_.CpuMhz = meter_.measure();
  clock_.FirstRunMhz = clock_.CpuMhz;
  const std::string thisRun = "A program most a mért órajellel (" + clockLabel(clock_.CpuMhz) +
                              ") indul, a következő indításkor újra mér.";
  return store(kClockValueName, std::to_string(clock_.CpuMhz), thisRun) && store(kInfoValueName, kInfoText);
}

bool ClockCommands::overrideClock(const std::string& text, bool soundOn) {
  if (!clockOverrideAccepted(text)) {
    if (soundOn) notifier_.beep();
    notifier_.message(MessageType::Error, clockOverrideRefusal(text));
    return true;
  }
  return store(kClockValueName, text);
}

std::int32_t ClockCommands::remeasure() {
  const std::int32_t mhz = meter_.measure();
  store(kClockValueName, std::to_string(mhz));
  return mhz;
}

}  // namespace graf
