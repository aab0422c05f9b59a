#include "startup/ui/telsofuttatasablak.h"

#include "main/ui/ui_support.h"

Telsofuttatasablak::Telsofuttatasablak(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Telsofuttatasablak"));
  setWindowTitle(QStringLiteral("Első indítás"));
  setFont(graf::ui::programFont());
}
