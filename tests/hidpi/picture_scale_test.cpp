// SPDX-License-Identifier: MIT
// The main window on a high-density screen: this program runs with a scale
// factor of 2 (QT_SCALE_FACTOR=2, set by its main below). The picture is shown with every pixel as
// a 2 × 2 block of screen pixels, never smoothed, and the read-out names the
// picture pixel whose block lies under the mouse.
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <cstdlib>

#include "functionlist/ui/tfuggvenyablak.h"
#include "settings/ui/tform9.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/isolation.h"

namespace graf::testing {
namespace {

using ScaleFactorTwo = GuiTest;

TEST_F(ScaleFactorTwo, EveryPicturePixelIsATwoByTwoBlockOfItsOwnColour) {
  ASSERT_EQ(w->devicePixelRatioF(), 2.0) << "the test runs with QT_SCALE_FACTOR=2";
  plot("0.5", "-2");
  key(Qt::Key_2, Qt::ControlModifier);
  plot("0.3", "1", "-4");
  QTest::mouseClick(button("Button11"), Qt::LeftButton);  // the axis numbers' text too
  const QImage shown = picture()->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(2 * Raster::Width, 2 * Raster::Height));
  int differences = 0;
  for (int y = 0; y < Raster::Height; ++y)
    for (int x = 0; x < Raster::Width; ++x)
      for (int d = 0; d < 4; ++d) differences += shown.pixel(2 * x + d % 2, 2 * y + d / 2) != rasterPixel(x, y);
  EXPECT_EQ(differences, 0);
}

TEST_F(ScaleFactorTwo, TheReadOutNamesThePixelWhoseBlockIsUnderTheMouse) {
  plot("1", "0");
  // At rest the origin is pixel (205, 160) and one unit is 4 pixels; at the
  // scale factor 2 the mouse position has halves and quarters.
  const struct {
    QPointF position;
    const char* x;
    const char* y;
  } cases[] = {
      {{213.0, 156.0}, "2.00", "1.00"},   {{213.5, 156.5}, "2.00", "1.00"},
      {{213.75, 156.75}, "2.00", "1.00"}, {{212.75, 155.5}, "1.75", "1.25"},
      {{214.0, 155.99}, "2.25", "1.25"},  {{205.25, 160.5}, "0.00", "0.00"},
      {{0.5, 0.5}, "-51.25", "40.00"},    {{392.75, 320.75}, "46.75", "-40.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::pair{c.position.x(), c.position.y()}));
    QMouseEvent move(QEvent::MouseMove, c.position, picture()->mapToGlobal(c.position), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture(), &move);
    EXPECT_EQ(label("Label7")->text(), c.x);
    EXPECT_EQ(label("Label8")->text(), c.y);
  }
}

// The screen of this test is 800 × 600 pixels, 400 × 300 at the factor 2:
// the windows placed at fixed positions for a larger screen are moved just
// enough to lie on it, and a window larger than the screen keeps its top
// left corner on it.
TEST_F(ScaleFactorTwo, WindowsOpenOnTheScreenHowEverSmallItIs) {
  const QRect room = w->screen()->availableGeometry();
  key(Qt::Key_F, Qt::ControlModifier);
  app->quickViewWindow().show();
  for (QWidget* window : {static_cast<QWidget*>(&app->functionListWindow()), static_cast<QWidget*>(&app->quickViewWindow())}) {
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(room.contains(window->frameGeometry()))
        << window->objectName().toStdString() << " at " << window->frameGeometry().x() << ","
        << window->frameGeometry().y() << " on " << room.width() << "x" << room.height();
  }
  EXPECT_TRUE(room.contains(w->frameGeometry().topLeft()));
  app->quickViewWindow().hide();
}

}  // namespace
}  // namespace graf::testing

int main(int argc, char** argv) {
  graf::testing::isolateProcess();
  setenv("QT_SCALE_FACTOR", "2", 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
