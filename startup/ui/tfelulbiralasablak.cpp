#include "startup/ui/tfelulbiralasablak.h"

#include "main/ui/ui_support.h"

Tfelulbiralasablak::Tfelulbiralasablak(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Tfelulbiralasablak"));
  setWindowTitle(QStringLiteral("Processzor órajelének felülbírálása"));
  setFont(graf::ui::programFont());
}
