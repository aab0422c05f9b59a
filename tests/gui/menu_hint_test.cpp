// SPDX-License-Identifier: MIT
// The hint of a menu item under the mouse reaches the first status panel
// whether the item is enabled or not, as a disabled button's hint does.
#include <QAction>
#include <QMenu>

#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

class MenuHints : public GuiTest {
 protected:
  QMenu* openFunctionMenu() {
    QMenu* function = nullptr;
    for (QAction* top : menuBar()->actions())
      if (top->text() == "Fü&ggvény") function = top->menu();
    EXPECT_NE(function, nullptr);
    if (!function) return nullptr;
    menuBar()->setActiveAction(function->menuAction());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(function));
    return function;
  }
  // The mouse moved onto the item of `action` in `menu`.
  void hover(QMenu* menu, const char* action) {
    QTest::mouseMove(menu, menu->actionGeometry(w->action(QString::fromLatin1(action))).center());
  }
};

TEST_F(MenuHints, TheDisabledDeleteLastItemShowsItsHintAsTheDisabledButtonDoes) {
  ASSERT_FALSE(w->action("Utfvtorles")->isEnabled());
  ASSERT_FALSE(button("Button9")->isEnabled());
  QTest::mouseMove(button("Button9"));
  EXPECT_EQ(panel(0), "Törli az utolsó függvényt");

  QMenu* function = openFunctionMenu();
  ASSERT_NE(function, nullptr);
  // Onto the disabled item from the menu bar, from an enabled item, and from
  // an enabled item below it; away to an item with a hint of its own.
  const struct {
    const char* item;
    const char* hint;
  } moves[] = {
      {"Utfvtorles", "Kitörli az utolsó függvényt"}, {"Mindtor", "Törli a beviteli mezőket és a függvényt is"},
      {"Utfvtorles", "Kitörli az utolsó függvényt"}, {"Torol2", "Az összes függvény törlése"},
      {"Utfvtorles", "Kitörli az utolsó függvényt"}, {"Abrazol", "Függvény(ek) ábrázolása"},
  };
  for (const auto& m : moves) {
    SCOPED_TRACE(m.item);
    hover(function, m.item);
    EXPECT_EQ(panel(0), QString::fromUtf8(m.hint));
  }
  // The disabled item stays what it is: nothing runs.
  EXPECT_FALSE(w->action("Utfvtorles")->isEnabled());
  function->close();

  // Enabled by a plot, the item shows the same hint.
  plot("1", "0");
  ASSERT_TRUE(w->action("Utfvtorles")->isEnabled());
  function = openFunctionMenu();
  ASSERT_NE(function, nullptr);
  hover(function, "Mindtor");
  hover(function, "Utfvtorles");
  EXPECT_EQ(panel(0), "Kitörli az utolsó függvényt");
  function->close();
}

}  // namespace
}  // namespace graf::testing
