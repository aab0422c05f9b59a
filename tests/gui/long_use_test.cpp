// SPDX-License-Identifier: MIT
// Long use of the running program: thousands of plots, clearings, loads and
// settings changes through its windows. The checked build fails this test on
// any leak the leak checker finds at exit; the resident memory before and
// after is printed for the record.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <cstdio>
#include <iostream>

#include "functionsets/ui/ttoltmentablak.h"
#include "settings/ui/tbeallitasablak.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

// Resident memory of this process in KiB.
long residentKiB() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * 4;
}

class LongUse : public GuiTest {
 protected:
  void press(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void fastPlot(int k) {
    edit("Edit1")->setText(QString::number(k % 7 - 3));
    edit("Edit2")->setText(QString::number(k % 11));
    edit("Edit3")->setText(QString::number(k % 5));
    key(Qt::Key_F5);
  }
  void saveAndLoad() {
    Ttoltmentablak& window = app->saveLoadWindow();
    QFile::remove("fuggvenyek1.fv");
    key(Qt::Key_M, Qt::ControlModifier);
    press(window, "Button1");  // "Ment", automatic name
    key(Qt::Key_F8);
    key(Qt::Key_M, Qt::ControlModifier);
    window.openDialog = [] { return QDir::current().absoluteFilePath("fuggvenyek1.fv"); };
    press(window, "Button2");  // "Tölt"
    press(window, "Button4");  // "Betöltés OK"
  }
  void settingsOk() {
    Tbeallitasablak& s = app->settingsWindow();
    key(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    QTest::mouseClick(s.SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !app->settingsState().SettingsChanged; }));
  }
};

TEST_F(LongUse, ThousandsOfCyclesKeepTheProgramWhole) {
  key(Qt::Key_2, Qt::ControlModifier);  // second degree: A, B and C
  const long before = residentKiB();
  constexpr int kCycles = 3000;
  for (int k = 1; k <= kCycles; ++k) {
    fastPlot(k);
    if (k % 10 == 0) {
      ASSERT_GT(st().table.FunctionCount, 0);
      saveAndLoad();
      ASSERT_GT(st().table.FunctionCount, 0) << "cycle " << k;
    }
    if (k % 20 == 0) key(Qt::Key_F8);  // clear the functions
    if (k % 100 == 0) settingsOk();
    if (HasFatalFailure()) return;
  }
  const long after = residentKiB();
  std::cout << "resident memory: " << before << " KiB before, " << after << " KiB after " << kCycles
            << " cycles\n";
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(st().table.FunctionCount, 0);
}

}  // namespace
}  // namespace graf::testing
