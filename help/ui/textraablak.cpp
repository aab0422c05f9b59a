#include "help/ui/textraablak.h"

#include "main/ui/ui_support.h"

Textraablak::Textraablak(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Textraablak"));
  setWindowTitle(QStringLiteral("Megjegyzések"));
  setFont(graf::ui::programFont());
  resize(313, 385);
}
