// SPDX-License-Identifier: MIT
// What a screen reader learns of the windows: every control that can take the
// keyboard focus has a name, the hints are descriptions, and the picture says
// what it shows.
#include <QAccessible>
#include <QAccessibleInterface>

#include <QListWidget>

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
      if (accessibleText(widget, QAccessible::Name).trimmed().isEmpty())
        unnamed << window->objectName() + "/" + widget->objectName() + " (" + widget->metaObject()->className() + ")";
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
      {"Edit1", "A="},      {"Edit2", "B="},       {"Edit3", "C="},          {"Button2", "Fel"},
      {"Button6", "Balra"}, {"Button8", "Középre"}, {"Button5", "Jobbra"},    {"Button7", "Le"},
      {"BitBtn2", "Nagyítás"}, {"Button10", "Görgetés iránya"}, {"Label7", "X"}, {"Label8", "Y"},
      {"Shape2", "Az elsőfokú függvény színe"}, {"Shape5", "Az abszolútértékes függvény színe"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(accessibleText(control(c.control), QAccessible::Name), QString::fromUtf8(c.name)) << c.control;
  EXPECT_EQ(accessibleText(button("Button1"), QAccessible::Description), QStringLiteral("Megmutatja a függvényt"));
  EXPECT_EQ(accessibleText(button("Button11"), QAccessible::Description), QStringLiteral("Tengelyek számozása"));
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

}  // namespace
}  // namespace graf::testing
