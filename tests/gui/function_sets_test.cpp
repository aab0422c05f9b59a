// SPDX-License-Identifier: MIT
// A function set saved and loaded back through the running program's own
// windows: the main window's table, fields, picture and the list all return.
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>

#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

class FunctionSets : public GuiTest {
 protected:
  Ttoltmentablak& window() { return app->saveLoadWindow(); }
  void openWindow() {
    key(Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    EXPECT_FALSE(w->isEnabled()) << "the main window waits while the window is open";
  }
  void press(const char* name) {
    QPushButton* button = window().findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  std::vector<QString> rows() {
    std::vector<QString> out;
    for (int i = 0; i < app->functionListWindow().rowCount(); ++i) out.push_back(app->functionListWindow().rowText(i));
    return out;
  }
  std::vector<Color> pixels() { return {app->picture().data(), app->picture().data() + Raster::Width * Raster::Height}; }
};

TEST_F(FunctionSets, SavedSetComesBackIntoTheRunningProgram) {
  plot("2", "-1");
  key(Qt::Key_3, Qt::ControlModifier);
  plot("0.5", "1", "3");
  key(Qt::Key_1, Qt::ControlModifier);
  plot("-0.25", "4");
  const auto savedRows = rows();
  const auto savedPixels = pixels();
  ASSERT_EQ(savedRows.size(), 3u);

  openWindow();
  press("Button1");  // "Ment" with an automatic name
  EXPECT_TRUE(QFileInfo::exists("fuggvenyek1.fv"));
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(w->isEnabled());

  key(Qt::Key_F8);
  key(Qt::Key_2, Qt::ControlModifier);
  plot("9", "9", "9");
  ASSERT_EQ(st().table.FunctionCount, 1);

  openWindow();
  window().openDialog = [] { return QDir::current().absoluteFilePath("fuggvenyek1.fv"); };
  press("Button2");  // "Tölt"
  EXPECT_EQ(st().table.FunctionCount, 3);
  EXPECT_EQ(rows(), savedRows);
  EXPECT_EQ(pixels(), savedPixels);
  EXPECT_TRUE(option("RadioButton1")->isChecked());
  EXPECT_FALSE(edit("Edit3")->isEnabled());
  EXPECT_EQ(edit("Edit1")->text(), "-0.25");
  EXPECT_EQ(edit("Edit2")->text(), "4.00");
  EXPECT_EQ(panel(1), "Függvények száma: 3");
  press("Button4");  // "Betöltés OK"
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(pictureDifferences(), 0);
}

}  // namespace
}  // namespace graf::testing
