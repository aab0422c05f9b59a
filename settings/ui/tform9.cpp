#include "settings/ui/tform9.h"

#include "main/ui/ui_support.h"

TForm9::TForm9(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TForm9"));
  setWindowTitle(QStringLiteral("Gyorsnézet"));
  setFont(graf::ui::programFont());
}
