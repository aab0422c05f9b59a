#include "settings/ui/tegyezoszinekablak.h"

#include "main/ui/ui_support.h"

Tegyezoszinekablak::Tegyezoszinekablak(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Tegyezoszinekablak"));
  setWindowTitle(QStringLiteral("Egyező színek"));
  setFont(graf::ui::programFont());
}
