// SPDX-License-Identifier: MIT
#include "settings/ui/tegyezoszinekablak.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "common/ui/ui_support.h"

namespace graf::ui {

Tegyezoszinekablak::Tegyezoszinekablak(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Tegyezoszinekablak"));
  setWindowTitle(QStringLiteral("Egyező színek"));
  graf::ui::centreOnFirstShow(this);
  setFont(graf::ui::programFont());
  setFixedSize(359, 132);

  Label1 = new QLabel(QStringLiteral("A következő színek megegyeznek:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 8, 343, 17);
  Label2 = new QLabel(QStringLiteral("ide kerülnek azok, amik azonos színűek, és egy megjegyzés hozzá"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setGeometry(8, 32, 343, 57);
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Button1 = new QPushButton(QStringLiteral("Nem érdekel"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(8, 98, 105, 25);
  Button1->setStatusTip(QStringLiteral("Elmenti a beállításokat"));
  Button1->setAutoDefault(false);
  Button2 = new QPushButton(QStringLiteral("Átállít"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(246, 98, 105, 25);
  Button2->setStatusTip(QStringLiteral("Visszalép a színek beállításához"));
  Button2->setAutoDefault(false);

  connect(Button1, &QPushButton::clicked, this, &Tegyezoszinekablak::ignoreRequested);
  connect(Button2, &QPushButton::clicked, this, &Tegyezoszinekablak::revisitRequested);
}

void Tegyezoszinekablak::showMessage(const QString& text) {
  Label2->setText(text);
  show();
  raise();
  activateWindow();
}

QString Tegyezoszinekablak::message() const { return Label2->text(); }

void Tegyezoszinekablak::closeEvent(QCloseEvent* event) {
  // The close button has the effect of "Átállít"; the window is only hidden.
  event->ignore();
  emit revisitRequested();
}

}  // namespace graf::ui
