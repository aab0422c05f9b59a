#include "settings/ui/tbeallitasablak.h"

#include "main/ui/ui_support.h"

Tbeallitasablak::Tbeallitasablak(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Tbeallitasablak"));
  setWindowTitle(QStringLiteral("Beállítások"));
  setFont(graf::ui::programFont());
}
