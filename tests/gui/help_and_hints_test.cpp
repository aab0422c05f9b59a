// SPDX-License-Identifier: MIT
// Where the context menus' "Súgó" leads, and hints of the other windows
// shown in the main window's first status panel.
#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

using HelpAndHints = GuiTest;

TEST_F(HelpAndHints, ContextMenusOpenTheirTopics) {
  QStringList topics;
  app->helpHook = [&](const QString& topic) { topics << topic; };
  QAction* sugo = w->findChild<QAction*>(QStringLiteral("Sugo1"));
  ASSERT_NE(sugo, nullptr);
  sugo->trigger();
  plot("1", "0");
  sugo->trigger();
  emit app->functionListWindow().helpRequested(QStringLiteral("Függvényablak"));
  emit app->saveLoadWindow().helpRequested(QStringLiteral("Függvény töltése és mentése"));
  EXPECT_EQ(topics, (QStringList{"Függvény ábrázolása", "Függvény törlése", "Függvényablak",
                                 "Függvény töltése és mentése"}));
}

TEST_F(HelpAndHints, HintsOfTheSaveLoadWindowGoToTheMainWindowsPanel) {
  key(Qt::Key_M, Qt::ControlModifier);
  Ttoltmentablak& window = app->saveLoadWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCheckBox* box = window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
  ASSERT_NE(box, nullptr);
  QTest::mouseMove(&window, QPoint(2, 2));
  QTest::mouseMove(box, QPoint(5, 5));
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel(0) == "Automatikusan elnevezi a fájlt"; }))
      << panel(0).toStdString();
  EXPECT_TRUE(box->toolTip().isEmpty());
  window.close();
  EXPECT_TRUE(w->isEnabled());
}

}  // namespace
}  // namespace graf::testing
