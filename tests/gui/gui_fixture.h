// SPDX-License-Identifier: MIT
#pragma once
// A fresh program for each test: the application with all its windows, the
// main window shown and active as after start (a clock of 2400 MHz in the
// store, the splash's tick run at once), and every message box answered.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <memory>
#include <string>

#include "app/ui/application.h"
#include "picture/ui/picture_widget.h"
#include "main/ui/tfoablak.h"
#include "common/ui/ui_support.h"
#include "startup/clock.h"
#include "startup/ui/tinduloablak.h"
#include "tests/gui/message_boxes.h"
#include "tests/support/fake_startup.h"

namespace graf::testing {

// The program's windows, by their own names.
using graf::ui::TForm9;
using graf::ui::Tbeallitasablak;
using graf::ui::Tbetoltesablak;
using graf::ui::Tegyezoszinekablak;
using graf::ui::Telsofuttatasablak;
using graf::ui::Textraablak;
using graf::ui::Tfelulbiralasablak;
using graf::ui::Tfoablak;
using graf::ui::Tfuggvenyablak;
using graf::ui::Tinduloablak;
using graf::ui::Tsugoablak;
using graf::ui::Ttoltmentablak;

// A running timer whose ticks come only from the test: its own ticks are
// held back, so that a busy machine cannot slip one in between two checks.
class ManualTicks : public QObject {
 public:
  explicit ManualTicks(QTimer* timer) : timer_(timer) { timer_->installEventFilter(this); }
  ~ManualTicks() override { timer_->removeEventFilter(this); }
  // One tick, as if the timer's period had just run out.
  void tick() {
    ASSERT_TRUE(timer_->isActive());
    passing_ = true;
    QTimerEvent event(timer_->timerId());
    QCoreApplication::sendEvent(timer_, &event);
    passing_ = false;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer && !passing_; }

 private:
  QTimer* timer_;
  bool passing_ = false;
};

class GuiTest : public ::testing::Test {
 public:
  void SetUp() override {
    // A test may have stored another clock before this.
    if (!clockStore.values.count(kClockValueName)) clockStore.values[kClockValueName] = "2400";
    app = std::make_unique<ui::GrafolinApp>(ui::ClockPlatform{&clockStore, &clockMeter});
    w = &app->mainWindow();
    // The main window appears when the event loop runs; the start-up then
    // completes at the splash's first tick.
    ASSERT_FALSE(w->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([this] { return w->isVisible(); }));
    app->splashWindow().Timer1Timer();
    ASSERT_TRUE(app->startup().completed());
    ASSERT_TRUE(w->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    // The mouse rests on the window, over a spot without a hint. (The first
    // simulated moves into a new window only introduce the pointer to it.)
    QTest::mouseMove(w, QPoint(250, 370));
    QTest::mouseMove(w, QPoint(260, 375));
  }
  void TearDown() override {
    EXPECT_TRUE(boxes.pending().empty()) << "a message box that no test expected";
    app.reset();
  }

  PlotState& st() { return app->state(); }

  // A control of the main window, found by its name as the user finds it by
  // its place and caption.
  template <class T = QWidget>
  T* control(const char* name) const {
    T* found = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
  }
  QPushButton* button(const char* name) const { return control<QPushButton>(name); }
  QLineEdit* edit(const char* name) const { return control<QLineEdit>(name); }
  QLabel* label(const char* name) const { return control<QLabel>(name); }
  QRadioButton* option(const char* name) const { return control<QRadioButton>(name); }
  ui::PictureWidget* picture() const { return control<ui::PictureWidget>("Image1"); }
  QTimer* repeatTimer() const { return control<QTimer>("Timer1"); }
  QMenuBar* menuBar() const { return control<QMenuBar>("ActionMainMenuBar1"); }

  // Types into the fields as the user does; an empty text leaves the field empty.
  void typeFields(const QString& a, const QString& b, const QString& c = QString()) {
    for (auto [edit, text] : {std::pair{edit("Edit1"), a}, {edit("Edit2"), b}, {edit("Edit3"), c}}) {
      edit->clear();
      if (!text.isEmpty()) {
        ASSERT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
        QTest::keyClicks(edit, text);
      }
    }
  }
  // A key pressed in the main window; like the user, the test first brings
  // the window back to the front if a message box or another window took it.
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (!w->isActiveWindow()) {
      w->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    QTest::keyClick(w, k, modifiers);
  }
  // Types the fields and presses F5.
  void plot(const QString& a, const QString& b, const QString& c = QString()) {
    typeFields(a, b, c);
    key(Qt::Key_F5);
  }
  QString panel(int index) const { return w->statusPanelText(index); }
  // A pixel of the window as it is painted, in client coordinates.
  QRgb clientPixel(int x, int y) const { return w->grab().toImage().pixel(x, y); }
  // A pixel of the picture, in the picture's colours as Qt shows them.
  QRgb rasterPixel(int x, int y) const { return ui::toQRgb(app->picture().pixel(x, y)); }
  // How many pixels of the picture the window shows differently from the
  // raster, where no button lies over the picture.
  int pictureDifferences() const {
    const QImage shown = w->grab().toImage();
    int n = 0;
    for (int y = 0; y < Raster::Height; ++y)
      for (int x = 0; x < Raster::Width; ++x) {
        const QPoint client(Tfoablak::PictureLeft + x, Tfoablak::PictureTop + y);
        if (w->childAt(client) == picture() && shown.pixel(client) != rasterPixel(x, y)) ++n;
      }
    return n;
  }
  QRgb faceColour() const { return w->palette().color(QPalette::Window).rgb(); }

  FakeClockStore clockStore;
  FakeClockMeter clockMeter;
  std::unique_ptr<ui::GrafolinApp> app;
  Tfoablak* w = nullptr;
  MessageBoxAnswerer boxes;
};

inline SeenBox box(const char* title, const char* text, QMessageBox::Icon icon) {
  return SeenBox{QString::fromUtf8(title), QString::fromUtf8(text), icon};
}

}  // namespace graf::testing
