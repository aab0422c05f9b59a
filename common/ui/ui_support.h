// SPDX-License-Identifier: MIT
#pragma once
// Small helpers that every window shares: the program's font and the
// conversion between the picture's 0x00BBGGRR colours and Qt's colours.
#include <QColor>
#include <QFont>

class QWidget;

#include "plot/plot_state.h"

namespace graf::ui {

// The program's font: an 8-point sans-serif (the windows were laid out for a
// narrow 8-point sans-serif, which Liberation Sans matches best).
QFont programFont();

// QT_SCALE_FACTOR, when set, rounded to a whole factor of at least 1 (halves
// up); call it before the application object is made.
void roundScaleFactorSetting();

// Moves a top-level window, frame included, to the middle of its screen,
// and never beyond the screen's top left corner.
void centreOnScreen(QWidget* window);

// Moves a top-level window, frame included, just enough to lie wholly on the
// screen of `screenOf` (its own screen when null); a window larger than the
// screen keeps its top left corner on it.
void keepOnScreen(QWidget* window, const QWidget* screenOf = nullptr);

// The window opens where it is placed, moved onto the screen of `screenOf`
// as keepOnScreen() does, each time it is shown.
void keepOnScreenWhenShown(QWidget* window, const QWidget* screenOf);

// The window opens in the middle of its screen the first time it is shown,
// and later where the user left it.
void centreOnFirstShow(QWidget* window);

inline QColor toQColor(Color c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline QRgb toQRgb(Color c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline Color toColor(const QColor& c) {
  return static_cast<Color>(c.red()) | static_cast<Color>(c.green()) << 8 | static_cast<Color>(c.blue()) << 16;
}

}  // namespace graf::ui

namespace graf::ui {

// Every control of the window that has a hint gives it to screen readers as
// its description, and a control without a caption of its own is named by
// its hint.
void describeControls(QWidget* window);

}  // namespace graf::ui
