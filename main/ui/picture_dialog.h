#pragma once
// The save dialog of "Függvény(ek) képének mentése".
#include <QString>

class QFileDialog;
class QWidget;

namespace graf::ui {

// The dialog, not yet shown: titled "Függvény(ek) mentése képként", bitmap
// first and by default, PNG second; a name typed without an extension gets
// the extension of the chosen type; an existing file is replaced without a
// question. The caller owns it.
QFileDialog* makePictureDialog(QWidget* parent);

// Asks for the name of the picture file in that dialog; empty when the user
// cancels.
QString askPictureFileName(QWidget* parent);

}  // namespace graf::ui
