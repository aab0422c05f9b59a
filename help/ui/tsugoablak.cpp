#include "help/ui/tsugoablak.h"

#include "main/ui/ui_support.h"

Tsugoablak::Tsugoablak(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Tsugoablak"));
  setWindowTitle(QStringLiteral("Súgó a Grafolin program 5.2-es verziójához"));
  setFont(graf::ui::programFont());
  resize(441, 343);
}
