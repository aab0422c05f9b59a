// SPDX-License-Identifier: MIT
#include "functionsets/ui/tbetoltesablak.h"

#include <QCloseEvent>
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
  ProgressBar1->installEventFilter(this);
  heldBack_.setSingleShot(true);
  heldBack_.setInterval(FrameMs);
  connect(&heldBack_, &QTimer::timeout, this, [this] { ProgressBar1->setValue(position_); });
}

void Tbetoltesablak::setProgressCaption(const QString& caption) { setWindowTitle(caption); }

// The bar repaints as soon as its value changes; within a frame of its last
// paint the new position waits.
void Tbetoltesablak::setProgressPosition(int position) {
  position_ = position;
  if (!isVisible() || !sincePaint_.isValid() || sincePaint_.elapsed() >= FrameMs) {
    heldBack_.stop();
    ProgressBar1->setValue(position);
  } else if (!heldBack_.isActive()) {
    heldBack_.start();
  }
}

void Tbetoltesablak::showFinalPosition() {
  heldBack_.stop();
  ProgressBar1->setValue(position_);
  if (isVisible() && paintedPosition_ != position_) ProgressBar1->repaint();
}

bool Tbetoltesablak::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ProgressBar1 && event->type() == QEvent::Paint) {
    paintedPosition_ = ProgressBar1->value();
    sincePaint_.start();
  }
  return QWidget::eventFilter(watched, event);
}

void Tbetoltesablak::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) graf::ui::centreOnScreen(this);
  // The frame's time starts when the window appears: its first paint comes
  // from the event loop or, in a long load, a frame later.
  sincePaint_.start();
  QWidget::showEvent(event);
}

void Tbetoltesablak::closeEvent(QCloseEvent* event) {
  showFinalPosition();
  QWidget::closeEvent(event);
}

}  // namespace graf::ui
