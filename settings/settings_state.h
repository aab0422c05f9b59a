// SPDX-License-Identifier: MIT
#pragma once
// The settings' own state for the whole run, beside the values in force
// (which the whole program reads, in PlotState): the settings file's record
// and flags, the hand-over from the settings window to the main window, and
// the quick view's own colours.
#include "plot/settings.h"

namespace graf {

// The quick view's colours: copied from the colours in force at every
// activation of the main window, replaced by the settings window's choices.
struct QuickViewColors {
  Color PreviewColorLinear = DefaultColorLinear;
  Color PreviewColorQuadratic = DefaultColorQuadratic;
  Color PreviewColorQuadratic2 = DefaultColorQuadratic2;
  Color PreviewColorAbsolute = DefaultColorAbsolute;
  Color PreviewColorGrid = DefaultColorGrid;
};

struct SettingsState {
  // Accepted by the settings window, not yet applied and stored.
  bool SettingsChanged = false;
  // The settings came from the settings file or have been written to it.
  bool SettingsFileFound = false;
  // The main window has been activated since the start.
  bool MainWindowActivated = false;
  // The record the settings file is read into and written from; it lives
  // for the whole run, and a write leaves in it what a shorter text does not
  // cover.
  SettingsRecord Record{};
  // A failed write of the settings file is not retried by the activation
  // that closing its error box brings, only by a later one.
  bool SettingsWriteHeld = false;
  // A damaged or unreadable settings file is reported once per run.
  bool SettingsProblemReported = false;

  QuickViewColors quickView;
};

}  // namespace graf
