// SPDX-License-Identifier: MIT
// The picture and what moves it: the painted picture, the held pan buttons
// with their repeat timer, the wheel over any control, the cursor and the
// coordinate read-out, and the text drawn on the picture.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QFontMetrics>
#include <QPushButton>
#include <QTimer>
#include <QTimerEvent>
#include <QWheelEvent>

#include "picture/ui/raster_text.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

using Picture = GuiTest;

void turnWheel(QWidget* over, int delta, Qt::KeyboardModifiers keys = Qt::NoModifier,
               Qt::MouseButtons buttons = Qt::NoButton) {
  const QPointF at(over->width() / 2.0, over->height() / 2.0);
  QWheelEvent event(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), buttons, keys, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(over, &event);
}

TEST_F(Picture, WindowShowsTheRasterPixelForPixelBesideTheControls) {
  plot("0.5", "10");
  EXPECT_EQ(pictureDifferences(), 0);
  // The picture holds what was drawn: the axes' crossing and the curve.
  const QImage shown = w->grab().toImage();
  EXPECT_EQ(shown.pixel(120 + 205, 24 + 160), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(120 + 205, 24 + 120), ui::toQRgb(st().settings.ColorLinear));
  EXPECT_EQ(shown.pixel(120 + 45, 24 + 102), qRgb(255, 255, 255));
}

TEST_F(Picture, HeldPanButtonsMoveThePictureOnlyOnTimerTicks) {
  struct Case {
    const char* name;
    const char* button;
    Qt::MouseButton mouse;
    int dx, dy;
  };
  const Case cases[] = {
      {"up", "Button2", Qt::LeftButton, 0, 32},
      {"down", "Button7", Qt::LeftButton, 0, -32},
      {"left, middle button", "Button6", Qt::MiddleButton, 32, 0},
      {"right", "Button5", Qt::LeftButton, -32, 0},
  };
  plot("1", "0");
  ManualTicks timer(repeatTimer());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QPushButton* pan = button(c.button);
    const int panX = st().view.PanX, panY = st().view.PanY;
    QTest::mousePress(pan, c.mouse);
    EXPECT_EQ(st().view.PanX, panX);  // a press alone moves nothing
    EXPECT_EQ(st().view.PanY, panY);
    timer.tick();
    EXPECT_EQ(st().view.PanX, panX + c.dx);
    EXPECT_EQ(st().view.PanY, panY + c.dy);
    EXPECT_EQ(repeatTimer()->interval(), 200);
    QTest::mouseRelease(pan, c.mouse);
    timer.tick();
    EXPECT_EQ(st().view.PanX, panX + c.dx);
    EXPECT_EQ(st().view.PanY, panY + c.dy);
  }
  // Every step was shown.
  EXPECT_EQ(pictureDifferences(), 0);
  EXPECT_TRUE(repeatTimer()->isActive());
}

TEST_F(Picture, WheelOverAnyControlPansAndWithCtrlZooms) {
  struct Step {
    const char* name;
    const char* over;  // a control, or the window itself
    int delta;
    Qt::KeyboardModifiers keys;
    Qt::MouseButtons buttons;
    int zoom, panX, panY;
  };
  const Step steps[] = {
      {"plain, over the disabled C field", "Edit3", 120, {}, {}, 1, 0, 32},
      {"Ctrl, over the picture", "Image1", 120, Qt::ControlModifier, {}, 2, 0, 32},
      {"Ctrl+Shift pans", "Button1", 120, Qt::ControlModifier | Qt::ShiftModifier, {},
       2, 0, 64},
      {"Ctrl with a mouse button pans", "Image1", 120, Qt::ControlModifier,
       Qt::LeftButton, 2, 0, 96},
      {"two notches down at once", nullptr, -240, {}, {}, 2, 0, 32},
      {"half a notch", "Label9", 60, {}, {}, 2, 0, 32},
      {"and the other half", "Label9", 60, {}, {}, 2, 0, 64},
      {"Ctrl down", "Edit1", -120, Qt::ControlModifier, {}, 1, 0, 64},
  };
  plot("1", "0");
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    turnWheel(s.over ? control(s.over) : w, s.delta, s.keys, s.buttons);
    EXPECT_EQ(st().view.ZoomFactor, s.zoom);
    EXPECT_EQ(label("Label5")->text(), QString::number(s.zoom) + "x");
    EXPECT_EQ(st().view.PanX, s.panX);
    EXPECT_EQ(st().view.PanY, s.panY);
  }

  // The direction switch: horizontal, then wheel down moves the view right.
  QTest::mouseClick(button("Button10"), Qt::LeftButton);
  EXPECT_EQ(button("Button10")->text(), "⇔");
  turnWheel(picture(), -120);
  EXPECT_EQ(st().view.PanX, -32);
  QTest::mouseClick(button("Button10"), Qt::LeftButton);
  EXPECT_EQ(button("Button10")->text(), "⇕");

  // The centre button puts the origin back.
  QTest::mouseClick(button("Button8"), Qt::LeftButton);
  EXPECT_EQ(st().view.PanX, 0);
  EXPECT_EQ(st().view.PanY, 0);
}

TEST_F(Picture, CursorAndReadoutFollowTheMouseOnceAFunctionIsShown) {
  QTest::mouseMove(picture(), QPoint(100, 100));
  QTest::mouseMove(picture(), QPoint(245, 120));
  EXPECT_EQ(picture()->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(label("Label7")->text(), "");

  plot("1", "0");
  QTest::mouseMove(picture(), QPoint(100, 100));
  QTest::mouseMove(picture(), QPoint(245, 120));
  EXPECT_EQ(picture()->cursor().shape(), Qt::CrossCursor);
  EXPECT_EQ(label("Label7")->text(), "10.00");
  EXPECT_EQ(label("Label8")->text(), "10.00");

  QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);  // zoom to 2x
  EXPECT_EQ(label("Label5")->text(), "2x");
  QTest::mouseMove(picture(), QPoint(205, 164));
  EXPECT_EQ(label("Label7")->text(), "0.00");
  EXPECT_EQ(label("Label8")->text(), "-0.50");

  key(Qt::Key_F6);
  EXPECT_EQ(label("Label7")->text(), "");
  QTest::mouseMove(picture(), QPoint(100, 100));
  EXPECT_EQ(picture()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Picture, NumberingAndPointMarkingDrawOnThePicture) {
  plot("0", "-30");
  // The first number above the origin, "8", is written at (211, 122).
  const auto blackIn = [this](QRect box) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x) n += app->picture().pixel(x, y) == 0 ? 1 : 0;
    return n;
  };
  const QRect eight(211, 122, 8, 13);
  EXPECT_EQ(blackIn(eight), 0);
  QTest::mouseClick(button("Button11"), Qt::LeftButton);
  EXPECT_GT(blackIn(eight), 3);
  EXPECT_EQ(clientPixel(120 + 213, 24 + 128), rasterPixel(213, 128));

  st().settings.AuxLinesOn = true;
  QTest::mouseMove(picture(), QPoint(100, 100));
  QTest::mouseMove(picture(), QPoint(245, 120));
  QTest::mouseClick(picture(), Qt::LeftButton, {}, QPoint(245, 120));
  EXPECT_EQ(app->picture().pixel(245, 140), st().settings.ColorAuxLines);  // from the x axis up to the point
  EXPECT_EQ(app->picture().pixel(225, 120), st().settings.ColorAuxLines);  // from the y axis across to the point
  EXPECT_GT(blackIn(QRect(246, 121, 60, 13)), 10);                  // «(10.00;10.00)»
  EXPECT_EQ(clientPixel(120 + 245, 24 + 140), ui::toQRgb(st().settings.ColorAuxLines));
}

TEST(RasterText, DrawsCrispGlyphsInTheTextColourOverAnOptionalBox) {
  ui::RasterTextRenderer renderer;
  const QFontMetrics metrics(renderer.font());
  const std::string text = "(2.50;-1.75)";
  const int w = metrics.horizontalAdvance(QString::fromStdString(text));
  const int h = metrics.height();
  ASSERT_GT(w, 20);

  struct Case {
    bool opaque;
    Color color;
  };
  for (const Case c : {Case{true, 0x000000}, Case{false, 0x0000FF}}) {
    SCOPED_TRACE(c.opaque);
    Raster raster;
    raster.create();
    renderer.drawText(raster, 10, 20, text, c.color, c.opaque, 0x123456);
    int glyph = 0, box = 0, other = 0;
    for (int y = 0; y < Raster::Height; ++y)
      for (int x = 0; x < Raster::Width; ++x) {
        const Color p = raster.pixel(x, y);
        const bool inside = x >= 10 && x < 10 + w && y >= 20 && y < 20 + h;
        if (p == c.color && inside) ++glyph;
        else if (p == 0x123456 && inside) ++box;
        else if (p != 0xFFFFFF) ++other;  // a smoothed edge or a stray pixel
      }
    EXPECT_GT(glyph, 30);
    EXPECT_EQ(other, 0);
    EXPECT_EQ(glyph + box, c.opaque ? w * h : glyph);
  }
}


// The control paints only a picture whose pixels changed, and says in words
// what it shows only when asked, making the words once per change.
TEST(PictureWidget, PaintsOnlyChangedPixelsAndDescribesOnlyWhenAsked) {
  Raster raster;
  raster.create();
  ui::PictureWidget picture(raster);
  int described = 0;
  picture.setDescriber([&] { return QStringLiteral("leírás %1").arg(++described); });
  int paints = 0;
  struct PaintCounter : QObject {
    int& n;
    explicit PaintCounter(int& count) : n(count) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++n;
      return false;
    }
  } counter(paints);
  picture.installEventFilter(&counter);
  picture.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
  QCoreApplication::processEvents();
  const auto description = [&] {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&picture);
    return face ? face->text(QAccessible::Description) : QString();
  };

  paints = 0;
  picture.pictureChanged();  // nothing drawn
  QCoreApplication::processEvents();
  EXPECT_EQ(paints, 0);
  raster.setPenColor(0x0000FF);
  raster.moveTo(0, 0);
  raster.lineTo(100, 50);
  picture.pictureChanged();
  picture.pictureChanged();
  QCoreApplication::processEvents();
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(picture.grab().toImage().pixel(50, 25), qRgb(255, 0, 0));

  EXPECT_EQ(described, 0) << "no one asked";
  EXPECT_EQ(description(), QStringLiteral("leírás 1"));
  EXPECT_EQ(description(), QStringLiteral("leírás 1"));
  raster.lineTo(0, 50);
  picture.pictureChanged();
  picture.pictureChanged();
  EXPECT_EQ(described, 1);
  EXPECT_EQ(description(), QStringLiteral("leírás 2"));
}

}  // namespace
}  // namespace graf::testing
