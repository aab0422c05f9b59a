// SPDX-License-Identifier: MIT
// The program used from the keyboard alone, without a window manager to hand
// the focus around (as the offscreen platform runs): Return and Enter press
// the focused button of every window, and whenever a window or a message box
// closes, the keys go to the window beneath it.
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <functional>

#include "common/ui/window_lock.h"
#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "help/ui/textraablak.h"
#include "help/ui/tsugoablak.h"
#include "picture/ui/picture_dialog.h"
#include "settings/ui/tbeallitasablak.h"
#include "settings/ui/tegyezoszinekablak.h"
#include "startup/clock.h"
#include "startup/ui/telsofuttatasablak.h"
#include "startup/ui/tfelulbiralasablak.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

QString describe(const QWidget* widget) {
  if (!widget) return QStringLiteral("nothing");
  return widget->window()->objectName() + "/" + widget->objectName() + " (" + widget->metaObject()->className() + ")";
}

class Keyboard : public GuiTest {
 protected:
  // Whether `window` is the active window and one of its controls has the
  // keyboard focus, once the events pending now have been handled.
  ::testing::AssertionResult hasKeyboard(QWidget* window) {
    const auto holds = [window] {
      const QWidget* focus = QApplication::focusWidget();
      return QApplication::activeWindow() == window && focus && focus->window() == window;
    };
    if (QTest::qWaitFor(holds)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the active window is "
                                         << describe(QApplication::activeWindow()).toStdString() << ", the focus is on "
                                         << describe(QApplication::focusWidget()).toStdString() << ", not in "
                                         << window->objectName().toStdString();
  }
  // Gives `button` the focus, as Tab would, and presses the key on whatever
  // has the focus then.
  void pressOnFocused(QPushButton* button, Qt::Key key) {
    ASSERT_TRUE(hasKeyboard(button->window()));
    button->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), button) << describe(button).toStdString();
    QTest::keyClick(QApplication::focusWidget(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
  }
  void openHelp() {
    key(Qt::Key_F1);
    ASSERT_TRUE(hasKeyboard(&app->helpWindow()));
  }
  void openNotes() {
    openHelp();
    QLabel* dot = app->helpWindow().Label17;
    QTest::mouseClick(dot, Qt::LeftButton, Qt::NoModifier, dot->rect().center());
    ASSERT_TRUE(hasKeyboard(&app->notesWindow()));
  }
  void openSettings() {
    key(Qt::Key_F2);
    ASSERT_TRUE(hasKeyboard(&app->settingsWindow()));
  }
  void openClockOverride() {
    openSettings();
    app->openClockOverride();
    ASSERT_TRUE(hasKeyboard(&app->clockOverrideWindow()));
  }
  // A white grid chosen in the settings window, and OK: the matching-colours
  // warning comes up over the settings window.
  void openMatchingColours() {
    openSettings();
    Tbeallitasablak& settings = app->settingsWindow();
    settings.askColor = [](Setting, const QColor&) -> std::optional<QColor> { return QColor(255, 255, 255); };
    settings.PageControl1->setCurrentIndex(1);
    QTest::mouseClick(settings.customButton(Setting::Grid), Qt::LeftButton);
    QTest::mouseClick(settings.SpeedButton1, Qt::LeftButton);
    ASSERT_TRUE(hasKeyboard(&app->matchingColoursWindow()));
  }
  void openSaveLoad() {
    key(Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(hasKeyboard(&app->saveLoadWindow()));
  }
  void openFunctionList() {
    key(Qt::Key_F, Qt::ControlModifier);
    app->functionListWindow().activateWindow();
    ASSERT_TRUE(hasKeyboard(&app->functionListWindow()));
  }
  QPushButton* buttonOf(QWidget& window, const char* name) {
    auto* found = window.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
};

TEST_F(Keyboard, ReturnAndEnterPressTheFocusedButtonInEveryWindow) {
  int openDialogs = 0;
  app->saveLoadWindow().openDialog = [&openDialogs] {
    ++openDialogs;
    return QString();
  };
  const struct {
    const char* name;
    std::function<void()> open;
    std::function<QPushButton*()> button;
    std::function<bool()> pressed;
  } cases[] = {
      {"main window, M&utasd a függvényt!", [&] { typeFields("1", "2"); }, [&] { return button("Button1"); },
       [&] { return st().table.FunctionCount == 1; }},
      {"help, OK", [&] { openHelp(); }, [&] { return app->helpWindow().Button1; },
       [&] { return !app->helpWindow().isVisible(); }},
      {"notes, OKÉ", [&] { openNotes(); }, [&] { return app->notesWindow().Button1; },
       [&] { return !app->notesWindow().isVisible() && app->helpWindow().isVisible(); }},
      {"settings, Mégse", [&] { openSettings(); }, [&] { return app->settingsWindow().SpeedButton2; },
       [&] { return !app->settingsWindow().isVisible() && !app->settingsState().SettingsChanged; }},
      {"settings, OK", [&] { openSettings(); }, [&] { return app->settingsWindow().SpeedButton1; },
       [&] { return !app->settingsWindow().isVisible(); }},
      {"clock override, Felülbírálás",
       [&] {
         openClockOverride();
         app->clockOverrideWindow().Edit1->setText(QStringLiteral("1800"));
       },
       [&] { return app->clockOverrideWindow().Button1; },
       [&] { return !app->clockOverrideWindow().isVisible() && clockStore.values[kClockValueName] == "1800"; }},
      {"save/load, Tölt", [&] { openSaveLoad(); }, [&] { return buttonOf(app->saveLoadWindow(), "Button2"); },
       [&] { return openDialogs == 1 && app->saveLoadWindow().isVisible(); }},
      {"save/load, Bezár", [&] { openSaveLoad(); }, [&] { return buttonOf(app->saveLoadWindow(), "Button3"); },
       [&] { return !app->saveLoadWindow().isVisible(); }},
      {"first run, OK", [&] { ui::showInFront(&app->firstRunWindow()); }, [&] { return app->firstRunWindow().Button1; },
       [&] { return !app->firstRunWindow().isVisible() && clockMeter.measurements == 1; }},
      {"matching colours, Átállít", [&] { openMatchingColours(); },
       [&] { return app->matchingColoursWindow().Button2; },
       [&] { return !app->matchingColoursWindow().isVisible() && app->settingsWindow().isVisible(); }},
      {"function list, Összegük", [&] { openFunctionList(); },
       [&] { return buttonOf(app->functionListWindow(), "Button1"); },
       [&] {
         return boxes.take() == std::vector{box("Information", "Sajnos csak 2 függvény összegét tudom kiszámolni!",
                                                QMessageBox::Information)};
       }},
  };
  for (const auto& c : cases) {
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter}) {
      SCOPED_TRACE(std::string(c.name) + (k == Qt::Key_Return ? ", Return" : ", Enter"));
      // Each case starts from the main window, with nothing done yet.
      key(Qt::Key_F8);
      ASSERT_TRUE(hasKeyboard(w));
      openDialogs = 0;
      clockMeter.measurements = 0;
      clockStore.values[kClockValueName] = "2400";
      c.open();
      QPushButton* pressedButton = c.button();
      ASSERT_NE(pressedButton, nullptr);
      pressOnFocused(pressedButton, k);
      EXPECT_TRUE(c.pressed());
      // What is still open goes, for the next case.
      for (QWidget* window : app->windows())
        if (window != w && window->isVisible() && window != &app->functionListWindow()) window->close();
    }
  }
}

TEST_F(Keyboard, TheWindowBeneathGetsTheKeysBackWhenAWindowOrBoxCloses) {
  const struct {
    const char* name;
    std::function<void()> openAndClose;
    std::function<QWidget*()> beneath;
  } cases[] = {
      {"help, OK",
       [&] {
         openHelp();
         QTest::mouseClick(app->helpWindow().Button1, Qt::LeftButton);
       },
       [&] { return w; }},
      {"help, Escape",
       [&] {
         openHelp();
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
       },
       [&] { return w; }},
      {"notes, OKÉ",
       [&] {
         openNotes();
         QTest::mouseClick(app->notesWindow().Button1, Qt::LeftButton);
       },
       [&] { return &app->helpWindow(); }},
      {"settings, Mégse",
       [&] {
         openSettings();
         QTest::mouseClick(app->settingsWindow().SpeedButton2, Qt::LeftButton);
       },
       [&] { return w; }},
      {"clock override, closed by the window manager",
       [&] {
         openClockOverride();
         QCloseEvent close;
         QCoreApplication::sendEvent(app->clockOverrideWindow().windowHandle(), &close);
       },
       [&] { return &app->settingsWindow(); }},
      {"matching colours, Átállít",
       [&] {
         openMatchingColours();
         QTest::mouseClick(app->matchingColoursWindow().Button2, Qt::LeftButton);
       },
       [&] { return &app->settingsWindow(); }},
      {"save/load, Bezár",
       [&] {
         openSaveLoad();
         QTest::mouseClick(buttonOf(app->saveLoadWindow(), "Button3"), Qt::LeftButton);
       },
       [&] { return w; }},
      {"function list, closed",
       [&] {
         openFunctionList();
         app->functionListWindow().close();
       },
       [&] { return w; }},
      {"the about box",
       [&] {
         w->action(QStringLiteral("Nevjegy"))->trigger();
         EXPECT_EQ(boxes.take().size(), 1u);
       },
       [&] { return w; }},
      {"a refusal's box",
       [&] {
         plot("200", "0");
         EXPECT_EQ(boxes.take().size(), 1u);
       },
       [&] { return w; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(hasKeyboard(w));
    c.openAndClose();
    EXPECT_TRUE(hasKeyboard(c.beneath()));
    for (QWidget* window : {static_cast<QWidget*>(&app->settingsWindow()), static_cast<QWidget*>(&app->helpWindow())})
      window->close();
    EXPECT_TRUE(hasKeyboard(w));
  }
}

class KeyboardAfterFullLoad : public Keyboard {
 protected:
  void SetUp() override {
    Keyboard::SetUp();
    ASSERT_TRUE(writeFile(QStringLiteral("otven.fv"), setRecord(fiftyFunctions())));
    w->askPictureFileName = [this] {
      ++pictureDialogs;
      return ui::PictureChoice{};
    };
  }
  // Ctrl+S on whatever has the keyboard now asks for the picture's file.
  void expectCtrlSAsksForThePicture() {
    ASSERT_TRUE(hasKeyboard(w));
    pictureDialogs = 0;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(pictureDialogs, 1);
  }
  void expectMaximumBox() {
    EXPECT_EQ(st().table.FunctionCount, 50);
    EXPECT_EQ(boxes.take(),
              std::vector{box("Information", "Függvényábrázolási maximum elérve!", QMessageBox::Information)});
  }
  int pictureDialogs = 0;
};

TEST_F(KeyboardAfterFullLoad, CtrlSWorksAfterTheMaximumBoxOfALoadInTheSaveLoadWindow) {
  openSaveLoad();
  Ttoltmentablak& window = app->saveLoadWindow();
  window.openDialog = [] { return QDir::current().absoluteFilePath(QStringLiteral("otven.fv")); };
  pressOnFocused(buttonOf(window, "Button2"), Qt::Key_Return);  // "Tölt"
  expectMaximumBox();
  // The progress window and the box have gone: the save/load window has the keys.
  EXPECT_FALSE(app->progressWindow().isVisible());
  EXPECT_TRUE(hasKeyboard(&window));
  pressOnFocused(buttonOf(window, "Button4"), Qt::Key_Return);  // "Betöltés OK"
  EXPECT_FALSE(window.isVisible());
  expectCtrlSAsksForThePicture();
}

TEST_F(KeyboardAfterFullLoad, CtrlSWorksAfterTheMaximumBoxOfTheSetNamedOnTheCommandLine) {
  app->setStartFile(QStringLiteral("otven.fv"));
  app->mainWindowHandedOver();
  expectMaximumBox();
  EXPECT_FALSE(app->progressWindow().isVisible());
  expectCtrlSAsksForThePicture();
}

}  // namespace
}  // namespace graf::testing
