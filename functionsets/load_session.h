// SPDX-License-Identifier: MIT
#pragma once
// The progress of loading a function set. The bar of the progress window
// fills about half while the functions are read from the file and the rest
// while they are drawn; load mode lasts from the clearing of the old set
// until the plot runs that follow the load have ended it, or a clearing
// command does. The load sequence and the plot routine move it on only
// through this one object, which keeps the values and shows them through
// the load port.
#include <cstdint>
#include <string>

#include "plot/ports.h"

namespace graf {

// The load status of the save/load window while no set is loaded.
inline constexpr const char* NothingLoadedText = "Nincs betöltve semmi";

// The load status label of the save/load window and the progress window.
class LoadPort {
 public:
  virtual ~LoadPort() = default;
  virtual void setLoadStatus(const std::string& text) = 0;
  // Shows the progress window with its bar at 0, in front.
  virtual void showProgressWindow() = 0;
  virtual void closeProgressWindow() = 0;
  virtual void setProgressCaption(const std::string& text) = 0;
  virtual void setProgressPosition(int position) = 0;
};

// The values of a load's progress.
struct LoadProgress {
  bool LoadMode = false;
  std::uint8_t LoadPlotCount = 0;  // plot runs since the load, counted up to 2
  std::uint8_t ProgressStep = 0;
  std::uint8_t ProgressPosition = 0;  // 0..100
};

class LoadSession : public PlotRunListener {
 public:
  // With the windows it shows the progress in, or none yet.
  LoadSession() = default;
  explicit LoadSession(LoadPort& windows) : port_(&windows) {}
  // The windows that show the progress from now on; nullptr for none.
  void setWindows(LoadPort* windows) { port_ = windows; }

  LoadProgress& progress() { return p_; }
  const LoadProgress& progress() const { return p_; }
  bool active() const { return p_.LoadMode; }

  // A load attempt starts: the bar goes back to 0.
  void beginAttempt();
  // The progress window opens, captioned "Betöltés...", at 0.
  void openProgressWindow();
  // The old set has been cleared and `count` functions (1..50) are about to
  // be read: load mode starts and the status label tells the count text as
  // the file holds it. Reading them fills about half of the bar.
  void start(int count, const std::string& countText);
  // One more function has been read.
  void functionRead();
  // A plot run in load mode starts with `functionCount` functions counted:
  // the progress window is relabelled "Számolás..." and drawing them fills
  // the rest of the bar.
  void plotRunStarted(int functionCount) override;
  // One more function has been drawn.
  void functionDrawn() override;
  // A plot run has ended: the second one since the load ends load mode.
  void plotRunEnded() override;
  void closeProgressWindow();
  // A clearing command ends load mode; nothing is loaded any more.
  void cleared() override;

 private:
  void advance();

  LoadProgress p_;
  LoadPort* port_ = nullptr;
};

}  // namespace graf
