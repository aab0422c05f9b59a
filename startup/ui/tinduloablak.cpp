// SPDX-License-Identifier: MIT
#include "startup/ui/tinduloablak.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTimer>
#include <cmath>

#include "common/ui/ui_support.h"
#include "startup/startup.h"

namespace graf::ui {

namespace {

// The splash picture: a square grid with the axes and one curve of each
// family in its default colour, and the program's name.
QPixmap splashPicture() {
  const int w = Tinduloablak::ClientWidth;
  const int h = Tinduloablak::ClientHeight;
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  const int unit = 8;
  const int ox = 250;
  const int oy = 100;
  p.setPen(graf::ui::toQColor(graf::DefaultColorGrid));
  for (int x = ox % unit; x < w; x += unit) p.drawLine(x, 0, x, h - 1);
  for (int y = oy % unit; y < h; y += unit) p.drawLine(0, y, w - 1, y);
  p.setPen(Qt::black);
  p.drawLine(0, oy, w - 1, oy);
  p.drawLine(ox, 0, ox, h - 1);
  p.setRenderHint(QPainter::Antialiasing);
  const auto curve = [&](graf::Color colour, auto f) {
    QPainterPath path;
    bool first = true;
    for (int px = 0; px < w; ++px) {
      const double x = (px - ox) / double(unit);
      const double y = f(x);
      const QPointF point(px, oy - y * unit);
      if (first) path.moveTo(point); else path.lineTo(point);
      first = false;
    }
    p.setPen(QPen(graf::ui::toQColor(colour), 2));
    p.drawPath(path);
  };
  p.setClipRect(0, 0, w, h);
  curve(graf::DefaultColorLinear, [](double x) { return 0.5 * x + 2; });
  curve(graf::DefaultColorQuadratic, [](double x) { return 0.25 * x * x - 6; });
  curve(graf::DefaultColorQuadratic2, [](double x) { return -0.5 * (x + 14) * (x + 14) + 9; });
  curve(graf::DefaultColorAbsolute, [](double x) { return std::abs(x - 6) - 9; });
  return pixmap;
}

}  // namespace

Tinduloablak::Tinduloablak(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Tinduloablak"));
  setWindowTitle(QString(48, QLatin1Char(' ')) + QStringLiteral("Indulás"));
  graf::ui::centreOnFirstShow(this);
  setFont(graf::ui::programFont());
  setFixedSize(ClientWidth, ClientHeight);
  setWindowOpacity(1.0);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, ClientWidth, ClientHeight);
  Image1->setPixmap(splashPicture());

  auto* name = new QLabel(QStringLiteral("Grafolin 5.2"), this);
  name->setObjectName(QStringLiteral("NameLabel"));
  QFont big = font();
  big.setPointSize(16);
  big.setBold(true);
  name->setFont(big);
  name->setGeometry(12, 8, 200, 32);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(graf::kSplashIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &Tinduloablak::Timer1Timer);
  Timer1->start();
}

void Tinduloablak::Timer1Timer() {
  if (finished_ || QApplication::activeModalWidget()) return;
  emit startupAttemptDue();
}

void Tinduloablak::finish() {
  finished_ = true;
  Timer1->stop();
  hide();
}

bool Tinduloablak::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) emit activated();
  return QWidget::event(event);
}

void Tinduloablak::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit activated();
}

// The splash has no close button; only the start-up takes it away.
void Tinduloablak::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace graf::ui
