// SPDX-License-Identifier: MIT
// The start-up as the user meets it: the splash over a disabled main window,
// the first run with its window, the clock windows, and the per-user store
// and the measurement underneath. The splash's timer is never waited for:
// each test runs its ticks itself.
#include <sched.h>
#include <pthread.h>
#include <sys/resource.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>
#include <cerrno>

#include "functionlist/ui/tfuggvenyablak.h"
#include "platform/clock_store.h"
#include "platform/cpu_clock.h"
#include "settings/ui/tbeallitasablak.h"
#include "startup/ui/telsofuttatasablak.h"
#include "startup/ui/tfelulbiralasablak.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/isolation.h"

namespace graf::testing {
namespace {

// The window manager's close (the title bar's button, Alt+F4), as it reaches
// the window.
void closeByWindowManager(QWidget* window) {
  ASSERT_NE(window->windowHandle(), nullptr);
  QCloseEvent event;
  QCoreApplication::sendEvent(window->windowHandle(), &event);
}

// Centred on the screen, to the pixel that halving an odd size leaves.
bool centred(const QWidget* window) {
  return (window->frameGeometry().center() - window->screen()->availableGeometry().center()).manhattanLength() <= 1;
}

bool hasCloseButton(const QWidget* window) { return window->windowFlags().testFlag(Qt::WindowCloseButtonHint); }

// A program started over a store of the test's own, with the splash's ticks
// run by the test.
class StartupWindows : public ::testing::Test {
 protected:
  void start() {
    app = std::make_unique<ui::GrafolinApp>(ui::ClockPlatform{&store, &meter});
    w = &app->mainWindow();
    splash = &app->splashWindow();
    firstRun = &app->firstRunWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return w->isVisible(); }));
  }
  void TearDown() override {
    EXPECT_TRUE(boxes.pending().empty()) << "a message box that no test expected";
    app.reset();
  }

  FakeClockStore store;
  FakeClockMeter meter;
  MessageBoxAnswerer boxes;
  std::unique_ptr<ui::GrafolinApp> app;
  Tfoablak* w = nullptr;
  Tinduloablak* splash = nullptr;
  Telsofuttatasablak* firstRun = nullptr;
};

TEST_F(StartupWindows, SplashIsUpOverADisabledMainWindowUntilItsTimerTicks) {
  store.values[kClockValueName] = "2400";
  start();
  EXPECT_EQ(splash->windowTitle(), QString(48, ' ') + "Indulás");
  EXPECT_TRUE(splash->isVisible());
  EXPECT_FALSE(hasCloseButton(splash));
  EXPECT_FALSE(splash->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_EQ(splash->size(), QSize(330, 145));
  EXPECT_EQ(splash->Image1->geometry(), QRect(0, 0, 330, 145));
  EXPECT_EQ(splash->Image1->pixmap().size(), QSize(330, 145));
  EXPECT_EQ(splash->windowOpacity(), 1.0);
  EXPECT_TRUE(centred(splash));
  EXPECT_TRUE(splash->Timer1->isActive());
  EXPECT_EQ(splash->Timer1->interval(), 1500);
  EXPECT_FALSE(w->isEnabled());
  EXPECT_EQ(w->statusPanelText(2), "");

  // The window manager cannot close it.
  closeByWindowManager(splash);
  EXPECT_TRUE(splash->isVisible());

  splash->Timer1Timer();
  EXPECT_TRUE(app->startup().completed());
  EXPECT_FALSE(splash->isVisible());
  EXPECT_FALSE(splash->Timer1->isActive());
  EXPECT_EQ(splash->windowOpacity(), 0.0);  // 2400 MHz: faded out
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(w->statusPanelText(2), "Optimalizálás (2400 MHz)");
  EXPECT_EQ(app->state().settings.SampleStep, 0.1);
  EXPECT_FALSE(firstRun->isVisible());
  EXPECT_FALSE(app->functionListWindow().isVisible());
  EXPECT_TRUE(QTest::qWaitForWindowActive(w));
}

TEST_F(StartupWindows, FirstRunMeasuresOnOkAndTheNextTickStartsTheProgram) {
  meter.clocks = {1234};
  start();
  splash->Timer1Timer();
  EXPECT_FALSE(app->startup().completed());
  EXPECT_TRUE(firstRun->isVisible());
  EXPECT_TRUE(splash->isVisible());
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(w->isEnabled());
  EXPECT_TRUE(QTest::qWaitForWindowActive(firstRun));

  // Only OK closes the first-run window; ticks bring it back to the front.
  EXPECT_FALSE(hasCloseButton(firstRun));
  closeByWindowManager(firstRun);
  EXPECT_TRUE(firstRun->isVisible());
  splash->Timer1Timer();
  EXPECT_TRUE(firstRun->isVisible());
  EXPECT_FALSE(w->isEnabled());
  EXPECT_EQ(meter.measurements, 0);

  // OK has the focus: the space bar presses it.
  ASSERT_TRUE(firstRun->Button1->hasFocus());
  QTest::keyClick(firstRun->Button1, Qt::Key_Space);
  EXPECT_EQ(meter.measurements, 1);
  EXPECT_FALSE(firstRun->isVisible());
  EXPECT_EQ(store.values[kClockValueName], "1234");
  EXPECT_EQ(store.values[kInfoValueName], kInfoText);
  EXPECT_FALSE(w->isEnabled());  // until the next tick

  splash->Timer1Timer();
  EXPECT_TRUE(app->startup().completed());
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(w->statusPanelText(2), "Optimalizálás (1234 MHz)");
  EXPECT_EQ(app->state().settings.SampleStep, 0.5);
  EXPECT_FALSE(splash->isVisible());
  EXPECT_EQ(splash->windowOpacity(), 1.0);  // below 1500 MHz: no fade

  // The next start goes straight through.
  app.reset();
  start();
  splash->Timer1Timer();
  EXPECT_TRUE(app->startup().completed());
  EXPECT_FALSE(firstRun->isVisible());
  EXPECT_EQ(app->clock().CpuMhz, 1234);
  EXPECT_EQ(meter.measurements, 1);
}

TEST_F(StartupWindows, FirstRunWindowShowsItsTexts) {
  start();
  splash->Timer1Timer();
  ASSERT_TRUE(firstRun->isVisible());
  EXPECT_EQ(firstRun->windowTitle(), "Első indítás");
  const std::vector<std::pair<QLabel*, const char*>> lines = {
      {firstRun->Label1, "Üdvözöllek!"},
      {firstRun->Label2, "Ezen a rendszeren most fut először a Grafolin,"},
      {firstRun->Label3, "ezért kérlek kattints az OK gombra, hogy a számítógépedhez"},
      {firstRun->Label4, "legyen beállítva a program, így nyújtson maximális teljesítményt."},
      {firstRun->Label5, "Ajánlatos, de nem szükséges minden futó alkalmazást bezárni a mérés idejére"},
  };
  int previousBottom = -1;
  for (const auto& [label, text] : lines) {
    EXPECT_EQ(label->text(), QString::fromUtf8(text));
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_GT(label->y(), previousBottom) << text;  // top to bottom
    previousBottom = label->y();
  }
  EXPECT_GT(firstRun->Label1->font().pointSizeF(), firstRun->Label2->font().pointSizeF());
  EXPECT_EQ(firstRun->Button1->text(), "OK");
  EXPECT_GT(firstRun->Button1->y(), previousBottom);
  EXPECT_GT(firstRun->Button1->width(), firstRun->width() / 2);
  EXPECT_TRUE(centred(firstRun));
}

TEST_F(StartupWindows, UnwritableStoreIsReportedAndThisRunStartsWithTheMeasuredClock) {
  meter.clocks = {1600};
  store.failure = "„/x/Grafolin.conf”: a fájl írásvédett.";
  start();
  splash->Timer1Timer();
  QTest::mouseClick(firstRun->Button1, Qt::LeftButton);
  EXPECT_EQ(boxes.take(), std::vector<SeenBox>({box("Error",
                                                    "A(z) „Proci sebessége (MHz)” érték nem menthető.\n"
                                                    "„/x/Grafolin.conf”: a fájl írásvédett.\n"
                                                    "A program most a mért órajellel (1600 MHz) indul, a "
                                                    "következő indításkor újra mér.",
                                                    QMessageBox::Critical)}));
  EXPECT_TRUE(firstRun->isVisible());
  splash->Timer1Timer();
  EXPECT_TRUE(app->startup().completed());
  EXPECT_FALSE(firstRun->isVisible());
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(w->statusPanelText(2), "Optimalizálás (1600 MHz)");
}

TEST_F(StartupWindows, TickWaitsWhileAMessageBoxIsOpen) {
  store.values[kClockValueName] = "2400";
  start();
  QMessageBox open(QMessageBox::Information, "Information", "x");
  open.setModal(true);
  open.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &open);
  splash->Timer1Timer();
  EXPECT_FALSE(app->startup().completed());
  open.close();
  boxes.take();
  splash->Timer1Timer();
  EXPECT_TRUE(app->startup().completed());
}

TEST_F(StartupWindows, ClosingTheMainWindowDuringTheFirstRunEndsTheProgram) {
  start();
  splash->Timer1Timer();
  ASSERT_TRUE(firstRun->isVisible());
  ASSERT_FALSE(w->isEnabled());
  QSignalSpy closed(w, &Tfoablak::closed);
  closeByWindowManager(w);
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(StartupWindows, FunctionWindowOnOpensTheFunctionListWithItsActionChecked) {
  store.values[kClockValueName] = "900";
  start();
  app->state().settings.FunctionWindowOn = true;
  splash->Timer1Timer();
  EXPECT_TRUE(app->functionListWindow().isVisible());
  EXPECT_TRUE(w->action("Fvmutat")->isChecked());
  EXPECT_TRUE(QTest::qWaitForWindowActive(w));
}

// The clock-override window, opened over the settings window.
class ClockOverrideWindow : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    settings = &app->settingsWindow();
    window = &app->clockOverrideWindow();
    app->notifier().setBeeper([this] { ++beeps; });
  }
  void open() {
    w->action("Konfig")->trigger();
    app->openClockOverride();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void press(const QString& text) {
    window->Edit1->setText(text);
    QTest::mouseClick(window->Button1, Qt::LeftButton);
  }
  void expectSettingsWindowRestored() {
    EXPECT_EQ(settings->windowOpacity(), 1.0);
    EXPECT_TRUE(settings->isEnabled());
  }

  Tbeallitasablak* settings = nullptr;
  Tfelulbiralasablak* window = nullptr;
  int beeps = 0;
};

TEST_F(ClockOverrideWindow, ShowsItsTextsAndDimsTheSettingsWindow) {
  open();
  EXPECT_EQ(window->windowTitle(), "Processzor órajelének felülbírálása");
  EXPECT_TRUE(hasCloseButton(window));
  EXPECT_EQ(window->Label1->text(), "Órajel:");
  EXPECT_EQ(window->Label2->text(), "MHz");
  EXPECT_EQ(window->Label3->text(), "FIGYELEM!");
  EXPECT_EQ(window->Label3->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_GT(window->Label3->font().pointSizeF(), window->Label4->font().pointSizeF());
  EXPECT_EQ(window->Label4->text(), "A felülbírálás csak akkor javasolt, ha a felismerés teljesen rossz!");
  EXPECT_EQ(window->Label5->text(), "A megváltoztatott órajel befolyásolja a program működését!");
  EXPECT_EQ(window->Label6->text(), "Használat csak saját felelősségre!");
  EXPECT_EQ(window->Button1->text(), "Felülbírálás");
  EXPECT_LT(window->Image1->x(), window->Label1->x());
  EXPECT_GT(window->Image2->x(), window->Label2->x());
  EXPECT_EQ(window->Edit1->text(), "2400");
  EXPECT_EQ(qRound(settings->windowOpacity() * 255), 100);
  EXPECT_FALSE(settings->isEnabled());
  EXPECT_TRUE(centred(window));

  // Closed by the window manager, the settings window is itself again.
  closeByWindowManager(window);
  EXPECT_FALSE(window->isVisible());
  expectSettingsWindowRestored();
}

TEST_F(ClockOverrideWindow, StoresAcceptedTextAsTypedAndKeepsTheClockOfThisRun) {
  for (const char* text : {"9999", "1", " 800"}) {
    SCOPED_TRACE(std::string("\"") + text + "\"");
    open();
    press(text);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(clockStore.values[kClockValueName], text);
    EXPECT_EQ(app->clock().CpuMhz, 2400);
    expectSettingsWindowRestored();
  }
  EXPECT_EQ(beeps, 0);
}

TEST_F(ClockOverrideWindow, RefusesOtherTextsWithAnErrorBoxBeepingOnlyWithSound) {
  for (const std::uint8_t sound : {0, 1}) {
    st().settings.SoundOn = sound;
    for (const char* text : {"0", "-5", "10000", "abc", "", "800 "}) {
      SCOPED_TRACE(std::string("\"") + text + "\", SoundOn " + std::to_string(sound));
      beeps = 0;
      open();
      press(text);
      EXPECT_EQ(boxes.take(), std::vector<SeenBox>({box("Error", ("Érvénytelen érték: " + std::string(text) + "!").c_str(),
                                                        QMessageBox::Critical)}));
      EXPECT_EQ(beeps, sound);
      EXPECT_FALSE(window->isVisible());
      EXPECT_EQ(clockStore.values[kClockValueName], "2400");
      expectSettingsWindowRestored();
    }
  }
}

TEST_F(ClockOverrideWindow, StoreThatCannotBeWrittenKeepsTheWindowOpenWithTheText) {
  clockStore.failure = "„/x/Grafolin.conf”: a fájl írásvédett.";
  open();
  press("800");
  EXPECT_EQ(boxes.take(), std::vector<SeenBox>({box("Error",
                                                    "A(z) „Proci sebessége (MHz)” érték nem menthető.\n"
                                                    "„/x/Grafolin.conf”: a fájl írásvédett.",
                                                    QMessageBox::Critical)}));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Edit1->text(), "800");
  EXPECT_FALSE(settings->isEnabled());
  window->close();
  expectSettingsWindowRestored();
}

TEST_F(ClockOverrideWindow, NewProcessorStoresANewMeasurementForTheNextStart) {
  w->action("Konfig")->trigger();
  clockMeter.clocks = {3100};
  app->remeasureClock();
  EXPECT_EQ(clockMeter.measurements, 1);
  EXPECT_EQ(clockStore.values[kClockValueName], "3100");
  EXPECT_EQ(app->clock().CpuMhz, 2400);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(settings->isVisible());
  // The override window opened afterwards still offers the clock of this run.
  app->openClockOverride();
  EXPECT_EQ(window->Edit1->text(), "2400");
  window->close();
}

TEST_F(ClockOverrideWindow, SettingsWindowsClockControlsChangeOnlyTheStoredClock) {
  key(Qt::Key_F2);
  ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
  EXPECT_EQ(settings->Label48->text(), "2400 MHz");

  // "Új processzorom van" measures again for the next start.
  clockMeter.clocks = {3100};
  QTest::mouseClick(settings->Button8, Qt::LeftButton);
  EXPECT_EQ(clockStore.values[kClockValueName], "3100");
  EXPECT_EQ(settings->Label48->text(), "2400 MHz");

  // A double-click on the clock opens the override over the dimmed window.
  QTest::mouseDClick(settings->Label48, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(window->Edit1->text(), "2400");
  EXPECT_EQ(qRound(settings->windowOpacity() * 255), 100);
  EXPECT_FALSE(settings->isEnabled());
  window->Edit1->selectAll();
  QTest::keyClicks(window->Edit1, " 800");
  QTest::keyClick(window->Edit1, Qt::Key_Return);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(clockStore.values[kClockValueName], " 800");
  expectSettingsWindowRestored();
  settings->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
  EXPECT_EQ(settings->Label48->text(), "2400 MHz");
  EXPECT_EQ(app->clock().CpuMhz, 2400);
}

// The per-user store itself, in the test's own settings location.
class ClockStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Velmora", "Grafolin").clear();
  }
  QString file() const { return store.location(); }
  void writeFile(const QByteArray& content) {
    QDir().mkpath(QFileInfo(file()).absolutePath());
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
  }
  platform::SettingsClockStore store;
};

TEST_F(ClockStoreTest, LivesInTheTestsOwnLocationUnderVelmoraGrafolin) {
  EXPECT_TRUE(file().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/")) << file().toStdString();
  EXPECT_TRUE(file().startsWith(QDir(QString::fromStdString(isolateProcess())).absolutePath()));
  EXPECT_TRUE(file().endsWith("/Velmora/Grafolin.conf"));
}

TEST_F(ClockStoreTest, TextsComeBackAsStored) {
  EXPECT_EQ(store.readText(kClockValueName), std::nullopt);
  for (const char* text : {"2400", " 800", "", "abc"}) {
    SCOPED_TRACE(std::string("\"") + text + "\"");
    EXPECT_EQ(store.writeText(kClockValueName, text), "");
    EXPECT_EQ(store.readText(kClockValueName), std::string(text));
  }
  EXPECT_EQ(store.writeText(kInfoValueName, kInfoText), "");
  EXPECT_EQ(store.readText(kInfoValueName), std::string(kInfoText));
  // And they reach the file, for the next start.
  QSettings fresh(file(), QSettings::IniFormat);
  EXPECT_EQ(fresh.value(QString::fromUtf8(kInfoValueName)).toString(), QString::fromUtf8(kInfoText));
  EXPECT_EQ(fresh.value(QString::fromUtf8(kClockValueName)).toString(), "abc");
}

TEST_F(ClockStoreTest, ValuesWrittenByHandReadByTheSameRule) {
  // The key as the store writes it.
  ASSERT_EQ(store.writeText(kClockValueName, "1"), "");
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray written = f.readAll();
  f.close();
  const int eq = written.indexOf('=');
  const int lineStart = written.lastIndexOf('\n', eq) + 1;
  const QByteArray key = written.mid(lineStart, eq - lineStart);

  const struct {
    const char* value;  // as typed into the file
    std::int32_t clock;
  } cases[] = {
      {"2400", 2400},
      {"\" 800\"", 800},
      {"@ByteArray(1500)", 1500},   // another type, read by its text
      {"2400, 5", 0},               // a list
      {"true", 0},
      {"2400.5", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    writeFile("[General]\n" + key + "=" + c.value + "\n");
    EXPECT_EQ(clockFromStoredText(store.readText(kClockValueName)), c.clock);
  }
}

TEST_F(ClockStoreTest, StoreThatCannotBeWrittenNamesTheFileAndKeepsTheOldValue) {
  ASSERT_EQ(store.writeText(kClockValueName, "2400"), "");
  // Where the file should be, a folder is: nobody can replace it.
  ASSERT_TRUE(QFile::remove(file()));
  ASSERT_TRUE(QDir().mkpath(file()));
  const std::string reason = store.writeText(kClockValueName, "800");
  EXPECT_NE(reason.find(QDir::toNativeSeparators(file()).toStdString()), std::string::npos) << reason;
  EXPECT_NE(reason.find("nem közönséges fájl"), std::string::npos) << reason;
  EXPECT_NE(store.readText(kClockValueName), std::optional<std::string>("800"));
}

TEST(MeasureCpuClock, GivesAClockInRangeAndRestoresTheThreadsPriority) {
  int policyBefore = 0;
  sched_param paramBefore{};
  ASSERT_EQ(pthread_getschedparam(pthread_self(), &policyBefore, &paramBefore), 0);
  errno = 0;
  const int niceBefore = getpriority(PRIO_PROCESS, 0);
  ASSERT_EQ(errno, 0);

  const std::int32_t mhz = platform::MeasureCpuClock();
  EXPECT_GE(mhz, 0);
  EXPECT_LE(mhz, 8589);

  int policyAfter = 0;
  sched_param paramAfter{};
  ASSERT_EQ(pthread_getschedparam(pthread_self(), &policyAfter, &paramAfter), 0);
  EXPECT_EQ(policyAfter, policyBefore);
  EXPECT_EQ(paramAfter.sched_priority, paramBefore.sched_priority);
  EXPECT_EQ(getpriority(PRIO_PROCESS, 0), niceBefore);
}

}  // namespace
}  // namespace graf::testing
