#include "startup/ui/tinduloablak.h"

#include "main/ui/ui_support.h"

Tinduloablak::Tinduloablak(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Tinduloablak"));
  setWindowTitle(QString(48, QLatin1Char(' ')) + QStringLiteral("Indulás"));
  setFont(graf::ui::programFont());
}
