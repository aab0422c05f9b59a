// A pan button held down while a message box opens, or while another window
// takes over, would never see its release: the hold ends there, and the
// repeat timer moves nothing afterwards.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "functionlist/ui/tfuggvenyablak.h"
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

}  // namespace
}  // namespace graf::testing
