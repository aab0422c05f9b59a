// SPDX-License-Identifier: MIT
#include "startup/ui/telsofuttatasablak.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/ui/accessibility.h"
#include "common/ui/ui_support.h"
#include "startup/startup.h"

namespace graf::ui {

Telsofuttatasablak::Telsofuttatasablak(graf::ClockCommands& commands, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), commands_(commands) {
  setObjectName(QStringLiteral("Telsofuttatasablak"));
  setWindowTitle(QStringLiteral("Első indítás"));
  graf::ui::centreOnFirstShow(this);
  setFont(graf::ui::programFont());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 12, 16, 12);
  layout->setSpacing(4);
  const auto line = [&](const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
    // Tab reaches each sentence, for a screen reader to read.
    graf::ui::readableByTab(label);
    return label;
  };
  Label1 = line("Label1", "Üdvözöllek!");
  QFont larger = font();
  larger.setPointSize(12);
  larger.setBold(true);
  Label1->setFont(larger);
  layout->addSpacing(6);
  Label2 = line("Label2", "Ezen a rendszeren most fut először a Grafolin,");
  Label3 = line("Label3", "ezért kérlek kattints az OK gombra, hogy a számítógépedhez");
  Label4 = line("Label4", "legyen beállítva a program, így nyújtson maximális teljesítményt.");
  Label5 = line("Label5", "Ajánlatos, de nem szükséges minden futó alkalmazást bezárni a mérés idejére");
  layout->addSpacing(8);

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button1->setMinimumWidth(240);
  // The button is wide: three fifths of the widest line, however wide the
  // font makes that line.
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  buttonRow->addWidget(Button1, 3);
  buttonRow->addStretch(1);
  layout->addLayout(buttonRow);
  connect(Button1, &QPushButton::clicked, this, &Telsofuttatasablak::Button1Click);

  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Telsofuttatasablak::Button1Click() {
  if (!isVisible()) return;
  // The measurement takes about half a second.
  setCursor(Qt::WaitCursor);
  const bool stored = commands_.firstRunMeasure();
  unsetCursor();
  if (!stored) return;
  closing_ = true;
  close();
  closing_ = false;
}

void Telsofuttatasablak::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Button1->setFocus();
}

// Only OK closes the window: the window manager's close is refused.
void Telsofuttatasablak::closeEvent(QCloseEvent* event) {
  if (closing_)
    event->accept();
  else
    event->ignore();
}

}  // namespace graf::ui
