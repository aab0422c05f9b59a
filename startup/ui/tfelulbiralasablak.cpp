// SPDX-License-Identifier: MIT
#include "startup/ui/tfelulbiralasablak.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/ui/ui_support.h"
#include "common/ui/window_lock.h"
#include "plot/settings.h"
#include "startup/startup.h"

namespace graf::ui {

Tfelulbiralasablak::Tfelulbiralasablak(graf::ClockCommands& commands, const graf::Settings& settings,
                                       QWidget* settingsWindow, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      commands_(commands),
      settings_(settings) {
  setObjectName(QStringLiteral("Tfelulbiralasablak"));
  setWindowTitle(QStringLiteral("Processzor órajelének felülbírálása"));
  graf::ui::centreOnFirstShow(this);
  setFont(graf::ui::programFont());

  const auto label = [this](const char* name, const char* text) {
    auto* l = new QLabel(QString::fromUtf8(text), this);
    l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  const QPixmap warning = style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(24, 24);
  Image1 = label("Image1", "");
  Image1->setPixmap(warning);
  Image2 = label("Image2", "");
  Image2->setPixmap(warning);

  Label1 = label("Label1", "Órajel:");
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setFixedWidth(60);
  Label1->setBuddy(Edit1);
  Edit1->setAccessibleName(QStringLiteral("Órajel (MHz)"));
  Label2 = label("Label2", "MHz");
  auto* row = new QHBoxLayout;
  row->addWidget(Image1, 0, Qt::AlignTop);
  row->addStretch();
  row->addWidget(Label1);
  row->addWidget(Edit1);
  row->addWidget(Label2);
  row->addStretch();
  row->addWidget(Image2, 0, Qt::AlignTop);

  Label3 = label("Label3", "FIGYELEM!");
  QFont larger = font();
  larger.setPointSize(12);
  larger.setBold(true);
  Label3->setFont(larger);
  QPalette red = Label3->palette();
  red.setColor(QPalette::WindowText, QColor(0xFF, 0, 0));
  Label3->setPalette(red);
  Label4 = label("Label4", "A felülbírálás csak akkor javasolt, ha a felismerés teljesen rossz!");
  Label5 = label("Label5", "A megváltoztatott órajel befolyásolja a program működését!");
  Label6 = label("Label6", "Használat csak saját felelősségre!");

  Button1 = new QPushButton(QStringLiteral("Felülbírálás"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &Tfelulbiralasablak::Button1Click);
  connect(Edit1, &QLineEdit::returnPressed, this, &Tfelulbiralasablak::Button1Click);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 8, 12, 10);
  layout->addLayout(row);
  layout->addSpacing(6);
  for (QLabel* l : {Label3, Label4, Label5, Label6}) {
    l->setAlignment(Qt::AlignHCenter);
    layout->addWidget(l);
  }
  layout->addSpacing(6);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  graf::ui::lockWhileShown(*this, settingsWindow, DimmedOpacity);
}

void Tfelulbiralasablak::Button1Click() {
  if (!isVisible()) return;
  if (commands_.overrideClock(Edit1->text().toStdString(), settings_.SoundOn)) close();
}

void Tfelulbiralasablak::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The field shows the clock of this run when the window opens (not at
  // every activation, so that a message box over the window keeps the text).
  Edit1->setText(QString::number(commands_.clock().CpuMhz));
  Edit1->selectAll();
  Edit1->setFocus();
}

}  // namespace graf::ui
