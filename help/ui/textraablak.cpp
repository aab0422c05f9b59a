// SPDX-License-Identifier: MIT
#include "help/ui/textraablak.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QWindow>

#include "common/ui/ui_support.h"

namespace graf::ui {

namespace {

QLabel* centredLine(QWidget* parent, const char* objectName, const QString& text, int top, int height) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, top, Textraablak::ClientWidth, height);
  return label;
}

// The upward parabola with its vertex at the given point, over vertex.x ±
// halfWidth, rising 1/divisor pixel per square pixel (screen rows grow
// downwards).
QPainterPath parabola(QPointF vertex, int halfWidth, double divisor) {
  QPainterPath path;
  for (int x = -halfWidth; x <= halfWidth; ++x) {
    const QPointF point(vertex.x() + x, vertex.y() - x * x / divisor);
    x == -halfWidth ? path.moveTo(point) : path.lineTo(point);
  }
  return path;
}

}  // namespace

Textraablak::Textraablak(QWidget* owner, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      owner_(owner) {
  setObjectName(QStringLiteral("Textraablak"));
  setWindowTitle(QStringLiteral("Megjegyzések"));
  setFont(graf::ui::programFont());
  setFixedSize(ClientWidth, ClientHeight);

  Label1 = centredLine(this, "Label1", QStringLiteral("ÜGYES!"), 8, 40);
  QFont greeting = Label1->font();
  greeting.setPointSize(18);
  greeting.setBold(true);
  Label1->setFont(greeting);

  const QPixmap picture = drawGreetingPicture();
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(picture);
  Image1->setGeometry((ClientWidth - picture.width()) / 2, 54, picture.width(), picture.height());
  Image1->setAccessibleName(QStringLiteral("Rajz: mosolygó arc függvényekből egy rácson"));

  Label2 = centredLine(this, "Label2", QStringLiteral("A program esetleges hibáiért elnézést kérek!"), 218, 18);
  Label3 = centredLine(this, "Label3", QStringLiteral("Valószínűleg lesz újabb változat is."), 238, 18);

  Button1 = new QPushButton(QStringLiteral("OKÉ"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry((ClientWidth - 75) / 2, 284, 75, 25);
  connect(Button1, &QPushButton::clicked, this, &Textraablak::Button1Click);

  const QPixmap small = drawSmallPicture();
  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setPixmap(small);
  Image2->setGeometry(24, ClientHeight - 12 - small.height(), small.width(), small.height());
  Image2->setAccessibleName(QStringLiteral("Rajz: kis ablak egy függvénnyel"));
  Label4 = new QLabel(QStringLiteral("Designed for Microsoft Windows XP"), this);
  Label4->setObjectName(QStringLiteral("Label4"));
  Label4->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label4->setGeometry(Image2->geometry().right() + 9, Image2->y(), ClientWidth - Image2->geometry().right() - 17,
                      small.height());
}

// A smiling face drawn with the program's own curves over its grid: a
// parabola for the mouth, two short lines for the brows.
QPixmap Textraablak::drawGreetingPicture() {
  QPixmap pixmap(200, 150);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xD8, 0xD8, 0xD8), 1));
  for (int x = 0; x <= 200; x += 10) p.drawLine(x, 0, x, 150);
  for (int y = 0; y <= 150; y += 10) p.drawLine(0, y, 200, y);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(100, 0, 100, 150);
  p.drawLine(0, 75, 200, 75);

  p.setPen(QPen(QColor(0xC0, 0x90, 0x00), 3));
  p.setBrush(QColor(0xFF, 0xE0, 0x40));
  p.drawEllipse(QPointF(100, 75), 60, 60);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x30, 0x30, 0x30));
  p.drawEllipse(QPointF(78, 58), 7, 9);
  p.drawEllipse(QPointF(122, 58), 7, 9);

  // The mouth, in the second-degree colour.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x00, 0xA0, 0x00), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(parabola(QPointF(100, 110), 35, 45.0));
  // The brows: first-degree lines in red and blue.
  p.setPen(QPen(QColor(0xFF, 0x00, 0x00), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(66, 42), QPointF(88, 38));
  p.setPen(QPen(QColor(0x00, 0x00, 0xFF), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(112, 38), QPointF(134, 42));
  return pixmap;
}

// A small window with a curve in it.
QPixmap Textraablak::drawSmallPicture() {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 2.5, 21, 19));
  p.fillRect(QRectF(2, 3, 20, 4), QColor(0x20, 0x50, 0xD0));
  p.setPen(QPen(QColor(0x00, 0xA0, 0x00), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(parabola(QPointF(12, 19), 8, 8.0));
  return pixmap;
}

// ---- graf::NotesWindowPort ----

bool Textraablak::notesShown() const { return isVisible(); }

void Textraablak::showNotes() {
  show();
  raise();
  activateWindow();
}

void Textraablak::closeNotes() { close(); }

// ---- Reactions ----

void Textraablak::Button1Click() { emit okePressed(); }

bool Textraablak::event(QEvent* event) {
  if (event->type() == QEvent::Show && !event->spontaneous()) {
    // Kept in front of its owner by the window manager.
    if (owner_ && owner_->windowHandle() && windowHandle())
      windowHandle()->setTransientParent(owner_->windowHandle());
    // Centred on the screen each time it opens.
    graf::ui::centreOnScreen(this);
    Button1->setFocus();
  }
  return QWidget::event(event);
}

}  // namespace graf::ui
