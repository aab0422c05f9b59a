// SPDX-License-Identifier: MIT
#include "settings/ui/tform9.h"

#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "common/ui/ui_support.h"

namespace graf::ui {

TForm9::TForm9(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("TForm9"));
  setWindowTitle(QStringLiteral("Gyorsnézet"));
  setFont(graf::ui::programFont());
  setFixedSize(graf::PreviewPicture::Size, graf::PreviewPicture::Size);
  move(582, 111);
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, graf::PreviewPicture::Size, graf::PreviewPicture::Size);
}

void TForm9::showPicture(const graf::PreviewPicture& picture) {
  constexpr int n = graf::PreviewPicture::Size;
  QImage image(n, n, QImage::Format_RGB32);
  for (int y = 0; y < n; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < n; ++x) line[x] = graf::ui::toQRgb(picture.pixel(x, y));
  }
  Image1->setPixmap(QPixmap::fromImage(image));
}

QImage TForm9::picture() const { return Image1->pixmap().toImage(); }

bool TForm9::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) emit activated();
  return QWidget::event(event);
}

void TForm9::closeEvent(QCloseEvent* event) {
  // Only the settings window puts the quick view away (by hiding it).
  event->ignore();
}

}  // namespace graf::ui
