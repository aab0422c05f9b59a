// SPDX-License-Identifier: MIT
// A pan button held down while a message box opens, while another window
// takes over, or while a menu takes the mouse, would never see its release:
// the hold ends there, and the repeat timer moves nothing afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "functionlist/ui/tfuggvenyablak.h"
#include "picture/ui/picture_file.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

class HeldPan : public GuiTest {
 protected:
  int held() { return st().view.PanUpHeld + st().view.PanDownHeld + st().view.PanLeftHeld + st().view.PanRightHeld; }
};

TEST_F(HeldPan, TheMessageBoxOfARefusalEndsTheHold) {
  plot("1", "2");
  plot("2", "3");
  typeFields("x", "3");
  ManualTicks onlyTheTestTicks(repeatTimer());
  QTest::mousePress(button("Button2"), Qt::LeftButton);
  ASSERT_TRUE(st().view.PanUpHeld);
  onlyTheTestTicks.tick();
  EXPECT_EQ(boxes.take(), std::vector<SeenBox>{box("Warning", "Betűkből nem lehet függvényt ábrázolni!",
                                                   QMessageBox::Warning)});
  EXPECT_EQ(held(), 0);
  const int panY = st().view.PanY;
  for (int tick = 0; tick < 8; ++tick) onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanY, panY);
  EXPECT_TRUE(boxes.pending().empty()) << "no second box";
  QTest::mouseRelease(button("Button2"), Qt::LeftButton);
}

TEST_F(HeldPan, AnotherActiveWindowEndsTheHold) {
  plot("1", "2");
  ManualTicks onlyTheTestTicks(repeatTimer());
  QTest::mousePress(button("Button6"), Qt::LeftButton);
  ASSERT_TRUE(st().view.PanLeftHeld);
  onlyTheTestTicks.tick();
  ASSERT_EQ(st().view.PanX, 32);

  QWidget& other = app->functionListWindow();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  ASSERT_FALSE(w->isActiveWindow());
  EXPECT_EQ(held(), 0);
  for (int tick = 0; tick < 4; ++tick) onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanX, 32);
}

// A right press opens the context menu at once, and the menu takes the
// mouse: the button never gets its release.
TEST_F(HeldPan, TheContextMenuOfARightPressEndsTheHold) {
  plot("1", "2");
  const QImage before = ui::toQImage(app->picture());
  ManualTicks onlyTheTestTicks(repeatTimer());
  auto* menu = control<QMenu>("PopupMenu1");
  QTest::mousePress(button("Button2"), Qt::RightButton);
  ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); })) << "no context menu";
  EXPECT_EQ(held(), 0);
  menu->close();
  for (int tick = 0; tick < 4; ++tick) onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanY, 0);
  EXPECT_TRUE(ui::toQImage(app->picture()) == before) << "the picture moved";
}

// A menu of the menu bar opened by its access key while the mouse holds a
// pan button takes the mouse the same way.
TEST_F(HeldPan, AMenuOpenedByItsAccessKeyEndsTheHold) {
  plot("1", "2");
  ManualTicks onlyTheTestTicks(repeatTimer());
  QTest::mousePress(button("Button5"), Qt::LeftButton);
  ASSERT_TRUE(st().view.PanRightHeld);
  key(Qt::Key_F, Qt::AltModifier);
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(popup, nullptr) << "no menu opened";
  EXPECT_EQ(popup->title(), "&Fájl");
  EXPECT_TRUE(w->isActiveWindow());
  EXPECT_EQ(held(), 0);
  popup->close();
  for (int tick = 0; tick < 4; ++tick) onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanX, 0);
}

// Keyboard users hold a pan button with the space bar: the key's repeats
// change nothing, its release ends the hold, and so does leaving the button
// with the key still down.
TEST_F(HeldPan, TheSpaceBarHoldsAFocusedPanButton) {
  plot("1", "2");
  ManualTicks onlyTheTestTicks(repeatTimer());
  QPushButton* up = button("Button2");
  up->setFocus(Qt::TabFocusReason);
  QTest::keyPress(up, Qt::Key_Space);
  EXPECT_TRUE(st().view.PanUpHeld);
  EXPECT_TRUE(up->isDown());
  onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanY, 32);
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
  QApplication::sendEvent(up, &repeat);
  onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanY, 64);
  QTest::keyRelease(up, Qt::Key_Space);
  EXPECT_EQ(held(), 0);
  EXPECT_FALSE(up->isDown());
  onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanY, 64);

  QPushButton* left = button("Button6");
  left->setFocus(Qt::TabFocusReason);
  QTest::keyPress(left, Qt::Key_Space);
  ASSERT_TRUE(st().view.PanLeftHeld);
  up->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(held(), 0);
  EXPECT_FALSE(left->isDown());
  onlyTheTestTicks.tick();
  EXPECT_EQ(st().view.PanX, 0);
}

}  // namespace
}  // namespace graf::testing
