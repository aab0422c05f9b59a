// SPDX-License-Identifier: MIT
// The main window as the user meets it: its windows at start, its controls,
// menu and shortcuts, the hints, the kind options, plotting, the refusals
// with their message boxes, the clearing commands and the windows the menu
// opens.
#include <algorithm>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>

#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "help/ui/tsugoablak.h"
#include "settings/ui/tbeallitasablak.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

using MainWindow = GuiTest;

TEST_F(MainWindow, StartsWithTwelveWindowsOfWhichOnlyTheMainWindowShows) {
  EXPECT_EQ(QApplication::applicationName(), "Grafolin");
  EXPECT_EQ(QApplication::applicationDisplayName(), "Grafolin");
  EXPECT_EQ(QApplication::organizationName(), "Velmora");

  const std::vector<std::pair<const char*, QString>> expected = {
      {"Tfoablak", "Grafolin 5.2"},
      {"Tsugoablak", "Súgó a Grafolin program 5.2-es verziójához"},
      {"Textraablak", "Megjegyzések"},
      {"Tinduloablak", QString(48, ' ') + "Indulás"},
      {"Tbeallitasablak", "Beállítások"},
      {"Ttoltmentablak", "Függvény(ek) mentése/töltése"},
      {"Tbetoltesablak", "Betöltés..."},
      {"Tfuggvenyablak", "Függvények"},
      {"TForm9", "Gyorsnézet"},
      {"Telsofuttatasablak", "Első indítás"},
      {"Tfelulbiralasablak", "Processzor órajelének felülbírálása"},
      {"Tegyezoszinekablak", "Egyező színek"},
  };
  const std::vector<QWidget*> windows = app->windows();
  ASSERT_EQ(windows.size(), expected.size());
  for (std::size_t i = 0; i < windows.size(); ++i) {
    SCOPED_TRACE(expected[i].first);
    EXPECT_EQ(windows[i]->metaObject()->className(), std::string("graf::ui::") + expected[i].first);
    EXPECT_EQ(windows[i]->windowTitle(), expected[i].second);
    EXPECT_TRUE(windows[i]->isWindow());
    EXPECT_EQ(windows[i]->isVisible(), i == 0);
  }

  // The client area is fixed.
  EXPECT_EQ(w->size(), QSize(513, 407));
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_EQ(panel(0), "");
  EXPECT_EQ(panel(1), "Függvények száma: 0");
  EXPECT_EQ(panel(2), "Optimalizálás (2400 MHz)");
  EXPECT_TRUE(option("RadioButton1")->isChecked());
  EXPECT_FALSE(edit("Edit3")->isEnabled());
  EXPECT_FALSE(label("Label3")->isEnabled());
  EXPECT_FALSE(button("Button9")->isEnabled());
  EXPECT_FALSE(w->action("Utfvtorles")->isEnabled());
  EXPECT_EQ(label("Label5")->text(), "1x");
  EXPECT_TRUE(repeatTimer()->isActive());
  EXPECT_EQ(repeatTimer()->interval(), 50);
  EXPECT_EQ(picture()->cursor().shape(), Qt::ArrowCursor);
  // The picture before its first clear shows the window face colour, which
  // is also the colour the commands clear it with.
  EXPECT_EQ(clientPixel(120 + 200, 24 + 150), faceColour());
  EXPECT_EQ(app->commands().faceColor(), ui::toColor(w->palette().color(QPalette::Window)));
}

TEST_F(MainWindow, ControlsSitAtTheirPlacesWithTheirCaptionsAndHints) {
  struct Control {
    const char* name;
    QRect geometry;
    const char* text;
    const char* hint;
  };
  const Control controls[] = {
      {"ActionMainMenuBar1", {0, 0, 513, 24}, "", ""},
      {"RadioButton1", {16, 32, 65, 17}, "&Elsőfokú", "f(x): ax+b"},
      {"RadioButton2", {16, 48, 73, 17}, "&Másodfokú", "f(x): ax^2+bx+c"},
      {"RadioButton3", {16, 64, 81, 17}, "Másodfokú &2", "f(x): a(x-b)^2+c"},
      {"RadioButton4", {16, 80, 97, 17}, "&Abszolútértékes", "f(x): alx-bl+c"},
      {"Shape2", {0, 32, 17, 17}, "", "Az elsőfokú függvény színe"},
      {"Shape5", {0, 80, 17, 17}, "", "Az abszolútértékes függvény színe"},
      {"Edit1", {24, 112, 33, 21}, "", ""},
      {"Edit2", {24, 152, 33, 21}, "", ""},
      {"Edit3", {24, 192, 33, 21}, "", ""},
      {"Button11", {88, 104, 25, 25}, "123", "Tengelyek számozása"},
      {"Button2", {88, 136, 17, 17}, "/\\", "Fel"},
      {"Button6", {72, 152, 17, 17}, "<", "Balra"},
      {"Button8", {88, 152, 17, 17}, "⌖", "Középre"},
      {"Button5", {104, 152, 17, 17}, ">", "Jobbra"},
      {"Button7", {88, 168, 17, 17}, "\\/", "Le"},
      {"BitBtn2", {88, 192, 25, 25}, "", "Nagyítás"},
      {"Button1", {8, 248, 105, 41}, "M&utasd a függvényt!", "Megmutatja a függvényt"},
      {"Button9", {8, 296, 105, 25}, "Utolsó fv törlése", "Törli az utolsó függvényt"},
      {"Button4", {8, 328, 105, 25}, "Függvény(ek) &törlése", "Nem törli a beviteli mezőket"},
      {"Button3", {8, 360, 105, 25}, "Min&dent töröl", "Törli a beviteli mezőket és a függvényt is"},
      {"Image1", {120, 24, 393, 321}, "", ""},
      {"Button10", {304, 360, 41, 25}, "⇕", "Görgetés iránya"},
      {"BitBtn1", {448, 360, 65, 25}, "&Bezár", "Kilép a programból"},
      {"StatusBar1", {0, 388, 513, 19}, "", ""},
  };
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    auto* widget = w->findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), c.geometry);
    EXPECT_EQ(widget->statusTip(), QString::fromUtf8(c.hint));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      EXPECT_EQ(button->text(), QString::fromUtf8(c.text));
    }
  }
  EXPECT_FALSE(button("BitBtn2")->icon().isNull());
  EXPECT_TRUE(button("Button10")->font().bold());

  const std::pair<const char*, QPoint> labels[] = {
      {"Label1", {8, 112}}, {"Label2", {8, 152}}, {"Label3", {8, 192}},  {"Label5", {72, 200}},
      {"Label9", {16, 216}}, {"Label4", {16, 232}}, {"Label6", {64, 232}},
  };
  for (const auto& [name, position] : labels) {
    SCOPED_TRACE(name);
    auto* label = w->findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->pos(), position);
  }
  EXPECT_EQ(label("Label9")->text(), "Koordináták:");

  // Nothing in the main window shows a pop-up tip.
  for (QWidget* child : w->findChildren<QWidget*>()) EXPECT_TRUE(child->toolTip().isEmpty());
}

TEST_F(MainWindow, TabOrderRunsThroughTheKindOptionsAndFieldsToThePlotButton) {
  const QWidget* order[] = {option("RadioButton1"), option("RadioButton2"), option("RadioButton3"),
                            option("RadioButton4"), edit("Edit1"),          edit("Edit2"),
                            edit("Edit3"),          button("Button1")};
  // The next control in the focus chain that can take the focus at all (of
  // the kind options, Tab itself stops only at the selected one).
  const auto next = [](const QWidget* from) {
    QWidget* n = from->nextInFocusChain();
    while (n->focusPolicy() == Qt::NoFocus) n = n->nextInFocusChain();
    return n;
  };
  for (std::size_t i = 1; i < std::size(order); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(next(order[i - 1])->objectName(), order[i]->objectName());
  }
}

TEST_F(MainWindow, ActionsCarryTheirCategoriesCaptionsHintsShortcutsAndMenuItems) {
  struct Action {
    const char* name;
    const char* category;
    const char* caption;
    const char* item;
    const char* hint;
    QKeySequence shortcut;
  };
  const Action actions[] = {
      {"Fvkepment", "Fájl", "Függvény(ek) ké&pének mentése", "Függvény(ek) ké&pének mentése",
       "Elmenti a függvény(ek) képét bitképként", QKeySequence("Ctrl+S")},
      {"Toltment", "Fájl", "Függvény(ek) mentése/töltése", "&Függvény(ek) mentése/töltése",
       "Elmentett függvény(ek) betöltése és újak mentése", QKeySequence("Ctrl+M")},
      {"Kilep", "Fájl", "Kilép", "&Kilép", "Program bezárása", QKeySequence("Alt+F4")},
      {"elsofoku", "Függvény", "Elsőfokú", "&Elsőfokú", "Elsőfokú függvény kiválasztása", QKeySequence("Ctrl+1")},
      {"masodfoku", "Függvény", "Másodfokú", "&Másodfokú", "Másodfokú függvény kiválasztása",
       QKeySequence("Ctrl+2")},
      {"masodfoku2", "Függvény", "Másodfokú 2", "Má&sodfokú 2", "Másodfokú függvény 2. fajtájának kiválasztása",
       QKeySequence("Ctrl+3")},
      {"abszolutertekes", "Függvény", "Abszolútértékes", "&Abszolútértékes",
       "Abszolútértékes függvény kiválasztása", QKeySequence("Ctrl+4")},
      {"Abrazol", "Függvény", "Ábrázol", "Á&brázol", "Függvény(ek) ábrázolása", QKeySequence("F5")},
      {"Torol2", "Függvény", "Töröl", "&Töröl", "Az összes függvény törlése", QKeySequence("F6")},
      {"Utfvtorles", "Függvény", "Utolsó fv törlése", "&Utolsó fv törlése", "Kitörli az utolsó függvényt",
       QKeySequence("F7")},
      {"Mindtor", "Függvény", "Mindent töröl", "&Mindent töröl", "Törli a beviteli mezőket és a függvényt is",
       QKeySequence("F8")},
      {"Konfig", "Beállítások", "P&rogram konfigurálása", "P&rogram konfigurálása", "A program személyre szabása",
       QKeySequence("F2")},
      {"Fvmutat", "Beállítások", "Függvényablak mutatása", "&Függvényablak mutatása", "", QKeySequence("Ctrl+F")},
      {"Sugo", "Súgó", "Súgó", "Súgó", "A Grafolin Súgójának megnyitása", QKeySequence("F1")},
      {"Nevjegy", "Súgó", "Névjegy", "Névjegy", "", QKeySequence()},
  };
  // The menu, in order, with the access keys of the items.
  QStringList menu;
  for (QAction* top : menuBar()->actions()) {
    menu << top->text();
    for (QAction* item : top->menu()->actions()) {
      menu << "  " + item->text();
      if (item->menu())
        for (QAction* sub : item->menu()->actions()) menu << "    " + sub->text();
    }
  }
  EXPECT_EQ(menu, QStringList({"&Fájl", "  Függvény(ek) ké&pének mentése", "  &Függvény(ek) mentése/töltése",
                               "  &Kilép", "Fü&ggvény", "  &Függvény kiválasztása", "    &Elsőfokú",
                               "    &Másodfokú", "    Má&sodfokú 2", "    &Abszolútértékes", "  Á&brázol",
                               "  &Töröl", "  &Utolsó fv törlése", "  &Mindent töröl", "&Beállítások",
                               "  P&rogram konfigurálása", "  &Függvényablak mutatása", "&Súgó", "  Súgó",
                               "  Névjegy"}));
  for (const Action& a : actions) {
    SCOPED_TRACE(a.name);
    QAction* action = w->action(QString::fromLatin1(a.name));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->property("category").toString(), QString::fromUtf8(a.category));
    EXPECT_EQ(action->property("caption").toString(), QString::fromUtf8(a.caption));
    EXPECT_EQ(action->text(), QString::fromUtf8(a.item));
    EXPECT_EQ(action->statusTip(), QString::fromUtf8(a.hint));
    EXPECT_EQ(action->shortcut(), a.shortcut);
  }
  EXPECT_TRUE(w->action("Fvmutat")->isCheckable());
}

TEST_F(MainWindow, HintsOfControlsAndMenuItemsGoToTheFirstPanel) {
  QTest::mouseMove(button("Button1"));
  EXPECT_EQ(panel(0), "Megmutatja a függvényt");
  QTest::mouseMove(edit("Edit1"));
  EXPECT_EQ(panel(0), "");
  QTest::mouseMove(button("Button11"));
  EXPECT_EQ(panel(0), "Tengelyek számozása");
  QTest::mouseMove(picture(), QPoint(100, 100));
  EXPECT_EQ(panel(0), "");

  // A menu item under the mouse.
  QMenu* function = nullptr;
  for (QAction* top : menuBar()->actions())
    if (top->text() == "Fü&ggvény") function = top->menu();
  ASSERT_NE(function, nullptr);
  menuBar()->setActiveAction(function->menuAction());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(function));
  function->setActiveAction(w->action("Abrazol"));
  EXPECT_EQ(panel(0), "Függvény(ek) ábrázolása");
  function->setActiveAction(w->action("Mindtor"));
  EXPECT_EQ(panel(0), "Törli a beviteli mezőket és a függvényt is");
  function->close();
}

TEST_F(MainWindow, TheDesktopKnowsTheWindowsByTheirMenuEntry) {
  // The name of the installed menu entry, without ".desktop".
  EXPECT_EQ(QGuiApplication::desktopFileName(), "hu.velmora.grafolin");
}

TEST_F(MainWindow, TheStatusBarIsOneForScreenReadersWithItsThreePanelsInPlace) {
  QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(control<QStatusBar>("StatusBar1"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->role(), QAccessible::StatusBar);
  plot("1", "0");
  // The panels side by side: the hint panel, 266 pixels where the clock note
  // leaves it the room, the count panel of 120, and the clock note to the
  // right edge of the bar, as wide as its whole text needs (in any font).
  const QString texts[] = {panel(0), "Függvények száma: 1", "Optimalizálás (2400 MHz)"};
  ASSERT_EQ(bar->childCount(), 3);
  QLabel* labels[3] = {};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    QAccessibleInterface* child = bar->child(i);
    ASSERT_NE(child, nullptr);
    labels[i] = qobject_cast<QLabel*>(child->object());
    ASSERT_NE(labels[i], nullptr);
    EXPECT_EQ(labels[i]->geometry().top(), 2);
    EXPECT_EQ(labels[i]->height(), 17);
    EXPECT_EQ(panel(i), texts[i]);
    EXPECT_EQ(child->text(QAccessible::Name), texts[i]);
  }
  auto* statusBar = control<QStatusBar>("StatusBar1");
  const auto inPlace = [&](int barWidth) {
    SCOPED_TRACE(barWidth);
    const int noteWidth = std::max(barWidth - 266 - 120, labels[2]->sizeHint().width());
    EXPECT_EQ(labels[0]->geometry(), QRect(0, 2, barWidth - 120 - noteWidth, 17));
    EXPECT_EQ(labels[1]->geometry(), QRect(labels[0]->width(), 2, 120, 17));
    EXPECT_EQ(labels[2]->geometry(), QRect(labels[1]->geometry().right() + 1, 2, noteWidth, 17));
    EXPECT_EQ(labels[2]->geometry().right(), statusBar->rect().right());
  };
  inPlace(513);
  // The last panel runs to the right edge of the bar, however wide it is.
  statusBar->resize(600, statusBar->height());
  inPlace(600);
  statusBar->resize(513, statusBar->height());
  inPlace(513);
  // A screen reader reads the hint of the moment from the first panel.
  QTest::mouseMove(button("Button1"));
  EXPECT_EQ(bar->child(0)->text(QAccessible::Name), "Megmutatja a függvényt");
}

TEST_F(MainWindow, TypedFieldsArePlottedByF5AndByButton1) {
  plot("2", "3");
  EXPECT_EQ(st().table.FunctionCount, 1);
  EXPECT_EQ(st().table.CoefA[1], 2.0);
  EXPECT_EQ(st().table.CoefB[1], 3.0);
  EXPECT_EQ(w->windowTitle(), "Íme a függvény");
  EXPECT_EQ(panel(1), "Függvények száma: 1");
  EXPECT_TRUE(button("Button9")->isEnabled());
  EXPECT_TRUE(w->action("Utfvtorles")->isEnabled());
  EXPECT_EQ(app->functionListWindow().rowCount(), 1);

  QTest::mouseClick(option("RadioButton2"), Qt::LeftButton);
  typeFields("-1.5", "", "0.25");
  QTest::mouseClick(button("Button1"), Qt::LeftButton);
  EXPECT_EQ(st().table.FunctionCount, 2);
  EXPECT_EQ(st().table.FunctionKind[2], Kind::Quadratic);
  EXPECT_EQ(st().table.CoefA[2], -1.5);
  EXPECT_EQ(st().table.CoefC[2], 0.25);
  EXPECT_EQ(panel(1), "Függvények száma: 2");
  EXPECT_EQ(app->functionListWindow().rowCount(), 2);
}

TEST_F(MainWindow, KindShortcutsAndClicksSwitchTheCField) {
  const auto cEnabled = [this] { return edit("Edit3")->isEnabled() && label("Label3")->isEnabled(); };
  const auto cDisabled = [this] { return !edit("Edit3")->isEnabled() && !label("Label3")->isEnabled(); };
  key(Qt::Key_2, Qt::ControlModifier);
  EXPECT_TRUE(option("RadioButton2")->isChecked());
  EXPECT_TRUE(cEnabled());
  QTest::keyClicks(edit("Edit3"), "7");
  key(Qt::Key_3, Qt::ControlModifier);
  EXPECT_TRUE(option("RadioButton3")->isChecked());
  EXPECT_TRUE(cEnabled());
  key(Qt::Key_1, Qt::ControlModifier);
  EXPECT_TRUE(option("RadioButton1")->isChecked());
  EXPECT_TRUE(cDisabled());
  EXPECT_EQ(edit("Edit3")->text(), "7");  // kept while disabled
  key(Qt::Key_1, Qt::ControlModifier);  // already selected: nothing changes
  EXPECT_TRUE(cDisabled());
  EXPECT_TRUE(st().flags.LinearSelected);
  key(Qt::Key_4, Qt::ControlModifier);
  EXPECT_TRUE(option("RadioButton4")->isChecked());
  EXPECT_TRUE(cEnabled());
  QTest::mouseClick(option("RadioButton1"), Qt::LeftButton);
  EXPECT_TRUE(cDisabled());
  EXPECT_EQ(w->selectedKind(), Kind::Linear);
}

TEST_F(MainWindow, DeletingTheLastFunctionSelectsItsKindAndRefillsTheFields) {
  key(Qt::Key_2, Qt::ControlModifier);
  plot("1", "2", "3");
  key(Qt::Key_1, Qt::ControlModifier);
  plot("4", "5");
  EXPECT_FALSE(edit("Edit3")->isEnabled());

  key(Qt::Key_F7);
  EXPECT_EQ(st().table.FunctionCount, 1);
  EXPECT_TRUE(option("RadioButton2")->isChecked());
  EXPECT_TRUE(edit("Edit3")->isEnabled());
  EXPECT_TRUE(label("Label3")->isEnabled());
  EXPECT_FALSE(st().flags.LinearSelected);
  EXPECT_EQ(edit("Edit1")->text(), "1.00");
  EXPECT_EQ(edit("Edit2")->text(), "2.00");
  EXPECT_EQ(edit("Edit3")->text(), "3.00");
  EXPECT_EQ(panel(1), "Függvények száma: 1");
  EXPECT_EQ(app->functionListWindow().rowCount(), 1);
}

TEST_F(MainWindow, RefusalsAndTheZoomButtonAnswerWithTheirMessageBoxes) {
  struct Case {
    const char* name;
    std::function<void(MainWindow*)> act;
    SeenBox expected;
  };
  const Case cases[] = {
      {"letters", [](MainWindow* t) { t->plot("1,5", "2"); },
       box("Warning", "Betűkből nem lehet függvényt ábrázolni!", QMessageBox::Warning)},
      {"nothing", [](MainWindow* t) { t->plot("", ""); },
       box("Warning", "A semmiből nem lehet függvényt ábrázolni!", QMessageBox::Warning)},
      {"range", [](MainWindow* t) { t->plot("100.01", "1"); },
       box("Information", "Ezt még át kéne egyszer gondolni!", QMessageBox::Information)},
      {"zoom without a plot", [](MainWindow* t) { QTest::mouseClick(t->button("BitBtn2"), Qt::LeftButton); },
       box("Confirm", "Mit nagyítsak?", QMessageBox::Question)},
      {"about", [](MainWindow* t) { t->w->action("Nevjegy")->trigger(); },
       box("Information", "Grafolin\n5.2-es verzió\nKészült: 2006. július - november", QMessageBox::Information)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.act(this);
    EXPECT_EQ(boxes.take(), std::vector<SeenBox>{c.expected});
    EXPECT_TRUE(w->isVisible());
  }
  // A refusal of the first function ends as clear all.
  EXPECT_EQ(st().table.FunctionCount, 0);
  EXPECT_EQ(edit("Edit1")->text(), "");
  EXPECT_EQ(panel(1), "Függvények száma: 0");
}

// A refused function is taken back and the fields refilled with the last
// one: they show their texts from the start, minus sign included, and the
// keyboard is where it was before the message box.
TEST_F(MainWindow, RefilledFieldsShowTheirSignAndTheFocusComesBack) {
  plot("-20", "-100");
  typeFields("500", "1");
  edit("Edit2")->setFocus(Qt::OtherFocusReason);
  key(Qt::Key_F5);
  EXPECT_EQ(boxes.take(), std::vector<SeenBox>{box("Information", "Ezt még át kéne egyszer gondolni!",
                                                   QMessageBox::Information)});
  EXPECT_EQ(edit("Edit1")->text(), "-20.00");
  EXPECT_EQ(edit("Edit2")->text(), "-100.00");
  EXPECT_EQ(edit("Edit1")->cursorPosition(), 0);
  EXPECT_EQ(edit("Edit2")->cursorPosition(), 0);
  EXPECT_TRUE(QTest::qWaitForWindowActive(w));
  EXPECT_EQ(QApplication::focusWidget(), edit("Edit2"));
}

TEST_F(MainWindow, WithSoundOnTheBeepComesBeforeTheRefusal) {
  std::vector<std::size_t> boxesOpenAtBeep;
  app->notifier().setBeeper([&] { boxesOpenAtBeep.push_back(boxes.pending().size()); });
  st().settings.SoundOn = true;
  plot("2", "x");
  EXPECT_EQ(boxesOpenAtBeep, std::vector<std::size_t>{0});
  EXPECT_EQ(boxes.take(), std::vector<SeenBox>{box("Warning", "Betűkből nem lehet függvényt ábrázolni!",
                                                   QMessageBox::Warning)});
}

TEST_F(MainWindow, ClearingKeysAndButtonsClearWhatTheyShould) {
  struct Case {
    const char* name;
    std::function<void(MainWindow*)> act;
    bool fieldsKept;
  };
  const Case cases[] = {
      {"F6", [](MainWindow* t) { t->key(Qt::Key_F6); }, true},
      {"Button4", [](MainWindow* t) { QTest::mouseClick(t->button("Button4"), Qt::LeftButton); }, true},
      {"F8", [](MainWindow* t) { t->key(Qt::Key_F8); }, false},
      {"Button3", [](MainWindow* t) { QTest::mouseClick(t->button("Button3"), Qt::LeftButton); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    plot("2", "3");
    plot("1", "1");
    ASSERT_EQ(st().table.FunctionCount, 2);
    c.act(this);
    EXPECT_EQ(st().table.FunctionCount, 0);
    EXPECT_EQ(panel(1), "Függvények száma: 0");
    EXPECT_EQ(w->windowTitle(), "Függvényválasztás");
    EXPECT_FALSE(button("Button9")->isEnabled());
    EXPECT_FALSE(w->action("Utfvtorles")->isEnabled());
    EXPECT_EQ(app->functionListWindow().rowCount(), 0);
    EXPECT_EQ(edit("Edit1")->text(), c.fieldsKept ? "1" : "");
    EXPECT_EQ(clientPixel(120 + 205, 24 + 160), faceColour());
  }
}

TEST_F(MainWindow, F7IsDisabledAtStartAndFollowsButton9) {
  typeFields("2", "3");
  key(Qt::Key_F7);
  EXPECT_EQ(st().table.FunctionCount, 0);
  EXPECT_EQ(edit("Edit1")->text(), "2");  // nothing ran

  key(Qt::Key_F5);
  key(Qt::Key_F7);  // the last function goes: clear all
  EXPECT_EQ(edit("Edit1")->text(), "");
  EXPECT_FALSE(w->action("Utfvtorles")->isEnabled());

  // The action clicks the button even while the button itself is disabled.
  plot("2", "3");
  button("Button9")->setEnabled(false);
  key(Qt::Key_F7);
  EXPECT_EQ(st().table.FunctionCount, 0);
}

TEST_F(MainWindow, MenuWindowsDisableTheMainWindowUntilTheyClose) {
  struct Case {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QWidget* window;
  };
  const Case cases[] = {
      {"F2 settings", Qt::Key_F2, Qt::NoModifier, &app->settingsWindow()},
      {"F1 help", Qt::Key_F1, Qt::NoModifier, &app->helpWindow()},
      {"Ctrl+M save/load", Qt::Key_M, Qt::ControlModifier, &app->saveLoadWindow()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(w->isEnabled());
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    key(c.key, c.modifiers);
    EXPECT_TRUE(c.window->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(c.window));
    // That window alone opens.
    for (QWidget* other : app->windows()) {
      if (other == w || other == c.window) continue;
      EXPECT_FALSE(other->isVisible()) << other->windowTitle().toStdString();
    }
    EXPECT_FALSE(w->isEnabled());
    c.window->close();
    EXPECT_TRUE(w->isEnabled());
  }
}

TEST_F(MainWindow, CtrlFShowsTheFunctionListAndTheActionFollowsIt) {
  Tfuggvenyablak& list = app->functionListWindow();
  key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(list.isVisible());
  EXPECT_TRUE(w->action("Fvmutat")->isChecked());
  EXPECT_TRUE(w->isEnabled());
  // The list alone opens.
  for (QWidget* other : app->windows()) {
    if (other == w || other == &list) continue;
    EXPECT_FALSE(other->isVisible()) << other->windowTitle().toStdString();
  }
  key(Qt::Key_F, Qt::ControlModifier);  // shown already: stays shown
  EXPECT_TRUE(list.isVisible());
  EXPECT_TRUE(w->action("Fvmutat")->isChecked());
  list.close();
  EXPECT_FALSE(w->action("Fvmutat")->isChecked());
}

TEST_F(MainWindow, ContextMenuAsksForTheHelpTopicOfTheMoment) {
  QSignalSpy topics(w, &Tfoablak::helpRequested);
  const auto openAndChoose = [this] {
    const QPoint at(60, 220);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &event);
    ASSERT_TRUE(control<QMenu>("PopupMenu1")->isVisible());
    ASSERT_EQ(control<QMenu>("PopupMenu1")->actions().size(), 1);
    EXPECT_EQ(control<QMenu>("PopupMenu1")->actions()[0]->text(), "Súgó");
    control<QMenu>("PopupMenu1")->actions()[0]->trigger();
    control<QMenu>("PopupMenu1")->close();
  };
  openAndChoose();
  plot("2", "3");
  openAndChoose();
  ASSERT_EQ(topics.size(), 2);
  EXPECT_EQ(topics[0][0].toString(), "Függvény ábrázolása");
  EXPECT_EQ(topics[1][0].toString(), "Függvény törlése");
}

// "&Bezár" and "&Beállítások" share the access key B; the menu's comes first.
TEST_F(MainWindow, AltBOpensTheSettingsMenu) {
  key(Qt::Key_B, Qt::AltModifier);
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(popup, nullptr) << "no menu opened";
  EXPECT_EQ(popup->title(), "&Beállítások");
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(button("BitBtn1")->text(), "&Bezár");
  popup->close();
  EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindow, ClosingTheMainWindowEndsTheProgramWhateverElseIsOpen) {
  const std::pair<const char*, std::function<void(MainWindow*)>> ways[] = {
      {"Bezár", [](MainWindow* t) { QTest::mouseClick(t->button("BitBtn1"), Qt::LeftButton); }},
      {"Alt+F4", [](MainWindow* t) { t->key(Qt::Key_F4, Qt::AltModifier); }},
      {"Kilép", [](MainWindow* t) { t->w->action("Kilep")->trigger(); }},
  };
  for (const auto& [name, close] : ways) {
    SCOPED_TRACE(name);
    if (!app) SetUp();
    key(Qt::Key_F, Qt::ControlModifier);  // a second window stays open
    ASSERT_TRUE(app->functionListWindow().isVisible());
    QTimer::singleShot(0, w, [this, close = close] { close(this); });
    // A program that did not end would be stopped with a failure code.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(30000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(w->isVisible());
    app.reset();
  }
}

}  // namespace
}  // namespace graf::testing
