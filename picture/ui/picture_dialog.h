// SPDX-License-Identifier: MIT
#pragma once
// The save dialog of "Függvény(ek) képének mentése".
#include <QString>
#include <utility>

class QFileDialog;
class QWidget;

namespace graf::ui {

// The file the user chose for the picture, and the size: each pixel becomes
// a scale × scale block. An empty path: cancelled.
struct PictureChoice {
  QString path;
  int scale = 1;
  PictureChoice() = default;
  PictureChoice(QString chosen, int times = 1) : path(std::move(chosen)), scale(times) {}  // NOLINT: a bare name is scale 1
};

// The dialog, not yet shown: titled "Függvény(ek) mentése képként", bitmap
// first and by default, then PNG, SVG and PDF; a name typed without an
// extension gets the extension of the chosen type; an existing file is
// replaced without a question. Below the file types, "Méret:" offers 1×
// (chosen, the picture's own 393 × 321 pixels) to 8× (the "PictureScale"
// box), for the bitmap and the PNG only. The caller owns it.
QFileDialog* makePictureDialog(QWidget* parent);

// The scale chosen in that dialog.
int pictureDialogScale(const QFileDialog* dialog);

// Asks for the name of the picture file and its size in that dialog; an
// empty path when the user cancels.
PictureChoice askPictureFile(QWidget* parent);

}  // namespace graf::ui
