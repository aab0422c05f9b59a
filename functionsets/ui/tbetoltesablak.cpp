// SPDX-License-Identifier: MIT
#include "functionsets/ui/tbetoltesablak.h"

#include <QProgressBar>
#include <QShowEvent>

#include "common/ui/ui_support.h"

namespace graf::ui {

Tbetoltesablak::Tbetoltesablak(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("Tbetoltesablak");
  setWindowTitle(QStringLiteral("Betöltés..."));
  setFixedSize(344, 16);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setGeometry(0, 0, 344, 16);
}

void Tbetoltesablak::setProgressCaption(const QString& caption) { setWindowTitle(caption); }

// A load runs without returning to the event loop, so the bar is painted at
// once rather than at the next paint event.
void Tbetoltesablak::setProgressPosition(int position) {
  ProgressBar1->setValue(position);
  if (isVisible()) ProgressBar1->repaint();
}

int Tbetoltesablak::progressPosition() const { return ProgressBar1->value(); }

void Tbetoltesablak::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) graf::ui::centreOnScreen(this);
  QWidget::showEvent(event);
}

}  // namespace graf::ui
