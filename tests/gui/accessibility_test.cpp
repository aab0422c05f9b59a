// SPDX-License-Identifier: MIT
// What a screen reader learns of the windows: every control that can take the
// keyboard focus has a name in words, the hints are descriptions, the values
// are heard as they are shown, and the picture says what it shows. (What the
// screen reader really receives, through the accessibility bus, is checked by
// the test in tests/screen_reader.)
#include <QAccessible>
#include <QAccessibleInterface>

#include <QApplication>
#include <QListWidget>

#include "common/ui/accessibility.h"
#include "common/ui/ui_support.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "help/ui/tsugoablak.h"
#include "startup/ui/telsofuttatasablak.h"
#include "settings/ui/tbeallitasablak.h"

#include "functionlist/ui/tfuggvenyablak.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

QString accessibleText(QWidget* widget, QAccessible::Text which) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  return face ? face->text(which) : QString();
}

class Accessibility : public GuiTest {};

TEST_F(Accessibility, EveryFocusableControlOfEveryWindowHasAName) {
  QStringList unnamed;
  int controls = 0;
  for (QWidget* window : app->windows()) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
      // The lists of the combo boxes belong to their pop-ups.
      if (widget->focusPolicy() == Qt::NoFocus || widget->window() != window) continue;
      // The inner parts of a compound control (a list's viewport, a spin
      // box's field) are named through the control itself.
      if (widget->focusProxy()) continue;
      ++controls;
      if (!ui::holdsAWord(accessibleText(widget, QAccessible::Name)))
        unnamed << window->objectName() + "/" + widget->objectName() + " (" + widget->metaObject()->className() +
                       ": " + accessibleText(widget, QAccessible::Name) + ")";
    }
  }
  EXPECT_GT(controls, 40);
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

TEST_F(Accessibility, MainWindowControlsAreReadByTheirMeaning) {
  const struct {
    const char* control;
    const char* name;
  } cases[] = {
      {"Edit1", "A együttható"}, {"Edit2", "B együttható"}, {"Edit3", "C együttható"}, {"Button2", "Fel"},
      {"Button6", "Balra"},      {"Button8", "Középre"},      {"Button5", "Jobbra"},       {"Button7", "Le"},
      {"BitBtn2", "Nagyítás"},   {"Button10", "Görgetés iránya"}, {"Button11", "Tengelyek számozása"},
      {"Shape2", "Az elsőfokú függvény színe: Piros"}, {"Shape5", "Az abszolútértékes függvény színe: Kék"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(accessibleText(control(c.control), QAccessible::Name), QString::fromUtf8(c.name)) << c.control;
  EXPECT_EQ(accessibleText(button("Button1"), QAccessible::Description), QStringLiteral("Megmutatja a függvényt"));
  EXPECT_EQ(accessibleText(button("Button11"), QAccessible::Description), QStringLiteral("Tengelyek számozása"));
  // The kind options say their formulas in words, not letter by letter.
  for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4"}) {
    const QString spoken = accessibleText(option(name), QAccessible::Description);
    EXPECT_TRUE(spoken.contains(QStringLiteral("a-szor x")) && !spoken.contains(QLatin1Char('^')) &&
                !spoken.contains(QStringLiteral("alx")))
        << name << ": " << spoken.toStdString();
  }
  EXPECT_EQ(accessibleText(app->functionListWindow().findChild<QListWidget*>(QStringLiteral("ListBox1")),
                           QAccessible::Name),
            QStringLiteral("Függvények listája"));
}

TEST_F(Accessibility, ThePictureDescribesWhatItShowsAfterEveryChange) {
  ui::PictureWidget* image = picture();
  EXPECT_FALSE(accessibleText(image, QAccessible::Name).isEmpty());
  EXPECT_EQ(accessibleText(image, QAccessible::Description), QStringLiteral("Nagyítás: 1x. Nincs ábrázolt függvény."));
  plot(QStringLiteral("1"), QStringLiteral("-2"));
  EXPECT_EQ(accessibleText(image, QAccessible::Description),
            QStringLiteral("Nagyítás: 1x. 1 függvény: 01. Elsőfokú 1.00 -2.00 -."));
  button("BitBtn2")->click();
  EXPECT_EQ(accessibleText(image, QAccessible::Description),
            QStringLiteral("Nagyítás: 2x. 1 függvény: 01. Elsőfokú 1.00 -2.00 -."));
  key(Qt::Key_F6);
  EXPECT_EQ(accessibleText(image, QAccessible::Description), QStringLiteral("Nagyítás: 2x. Nincs ábrázolt függvény."));
}

TEST_F(Accessibility, TheValuesAreHeardAsTheyAreShownAndStayCurrent) {
  plot(QStringLiteral("0"), QStringLiteral("10"));
  // The point (10; 10) of the picture: 4 pixels a unit from the origin (205, 160).
  QTest::mouseMove(picture(), QPoint(205 + 40, 160 - 40));
  EXPECT_EQ(accessibleText(label("Label7"), QAccessible::Name), QStringLiteral("10.00"));
  EXPECT_EQ(accessibleText(label("Label8"), QAccessible::Name), QStringLiteral("10.00"));
  button("BitBtn2")->click();
  EXPECT_EQ(accessibleText(label("Label5"), QAccessible::Name), QStringLiteral("2x"));
  const QLabel* count = w->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
  EXPECT_EQ(accessibleText(const_cast<QLabel*>(count), QAccessible::Name), QStringLiteral("Függvények száma: 1"));
}

TEST_F(Accessibility, AResultIsAnnouncedWithoutMovingTheFocus) {
  auto* announcer = w->findChild<ui::Announcer*>(QStringLiteral("Announcer"));
  ASSERT_NE(announcer, nullptr);
  typeFields(QStringLiteral("1"), QStringLiteral("2"));
  edit("Edit2")->setFocus();
  key(Qt::Key_F5);
  ASSERT_TRUE(QTest::qWaitFor([&] { return announcer->lastWords().contains(QStringLiteral("Függvények száma: 1")); }));
  EXPECT_TRUE(announcer->lastWords().contains(QStringLiteral("Íme a függvény")));
  EXPECT_EQ(QApplication::focusWidget(), edit("Edit2"));
  key(Qt::Key_F6);
  ASSERT_TRUE(QTest::qWaitFor([&] { return announcer->lastWords().contains(QStringLiteral("Függvények száma: 0")); }));
}

TEST_F(Accessibility, EveryLabelAndStatusPanelShowsItsWholeText) {
  // The clock note of the start-up, in the last panel.
  ASSERT_EQ(panel(2), QStringLiteral("Optimalizálás (2400 MHz)"));
  app->settingsWindow().show();
  app->helpWindow().show();
  app->firstRunWindow().show();
  app->functionListWindow().show();
  app->saveLoadWindow().show();
  QStringList cut;
  for (QWidget* window : app->windows()) {
    // A window laid out by a layout has its size once it is shown.
    if (!window->isVisible()) continue;
    for (QLabel* l : window->findChildren<QLabel*>()) {
      if (l->wordWrap() || l->text().isEmpty() || !l->pixmap().isNull()) continue;
      if (l->sizeHint().width() > l->width())
        cut << window->objectName() + "/" + l->objectName() + " \"" + l->text() + "\" " +
                   QString::number(l->width()) + " < " + QString::number(l->sizeHint().width());
    }
  }
  EXPECT_TRUE(cut.isEmpty()) << cut.join(QStringLiteral(", ")).toStdString();
  app->settingsWindow().close();
  app->helpWindow().close();
  app->saveLoadWindow().close();
  app->firstRunWindow().hide();
}

TEST_F(Accessibility, TheFocusComesBackToItsControlWhenAWindowCloses) {
  edit("Edit2")->setFocus();
  key(Qt::Key_F2);
  ASSERT_TRUE(app->settingsWindow().isVisible());
  app->settingsWindow().close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return w->isActiveWindow(); }));
  EXPECT_EQ(QApplication::focusWidget(), edit("Edit2"));
}

TEST_F(Accessibility, AHintLeavesTheStatusBarWithItsWindow) {
  Ttoltmentablak& saveLoad = app->saveLoadWindow();
  key(Qt::Key_M, Qt::ControlModifier);
  ASSERT_TRUE(saveLoad.isVisible());
  auto* check = saveLoad.findChild<QWidget*>(QStringLiteral("CheckBox1"));
  QTest::mouseMove(check, QPoint(5, 5));
  QTest::mouseMove(check, QPoint(6, 6));
  ASSERT_TRUE(QTest::qWaitFor([&] { return panel(0) == QStringLiteral("Automatikusan elnevezi a fájlt"); }));
  saveLoad.close();
  EXPECT_EQ(panel(0), QString());
}

TEST(ScaleFactorSetting, IsRoundedToAWholeFactor) {
  const struct {
    const char* set;
    const char* used;
  } cases[] = {{"1", "1"}, {"1.25", "1"}, {"1.5", "2"}, {"2", "2"}, {"2.4", "2"}, {"3", "3"}, {"0.5", "1"},
               {"abc", "abc"}};
  const QByteArray before = qgetenv("QT_SCALE_FACTOR");
  for (const auto& c : cases) {
    qputenv("QT_SCALE_FACTOR", c.set);
    ui::roundScaleFactorSetting();
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray(c.used)) << c.set;
  }
  if (before.isEmpty()) qunsetenv("QT_SCALE_FACTOR");
  else qputenv("QT_SCALE_FACTOR", before);
}

}  // namespace
}  // namespace graf::testing
