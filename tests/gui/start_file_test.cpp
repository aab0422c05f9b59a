// SPDX-License-Identifier: MIT
// Starting the program with a set file (grafolin FILE.fv, or a double click
// on the file): the set is loaded once the main window is the user's, as
// "Tölt" loads it, with the same refusals; and the folders a start works in.
#include <QDir>
#include <QFile>
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "app/ui/command_line.h"
#include "platform/user_folder.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

TEST(StartRequest, TheLineNamesTheSetFileAndTheFolderToWorkIn) {
  const QString here = QDir::currentPath();
  const struct {
    QStringList arguments;
    QString setFile;
    bool userFolder;
  } cases[] = {
      {{"grafolin"}, "", false},
      {{"grafolin", "halmaz.fv"}, here + "/halmaz.fv", false},
      {{"grafolin", "al/../masik.FV"}, here + "/masik.FV", false},
      {{"grafolin", "--user-folder", "/tmp/a b/c.fv"}, "/tmp/a b/c.fv", true},
      {{"grafolin", "--user-folder"}, "", true},
      // Qt's own options keep their values; the set file stays the set file.
      {{"grafolin", "-platform", "offscreen", "-style", "fusion", "-reverse", "k.fv"}, here + "/k.fv", false},
      {{"grafolin", "--", "-furcsa.fv"}, here + "/-furcsa.fv", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    ui::StartRequest start;
    EXPECT_EQ(ui::runCommandLine(c.arguments, start), std::nullopt);
    EXPECT_EQ(start.setFile, c.setFile);
    EXPECT_EQ(start.userFolder, c.userFolder);
  }
}

TEST(StartRequest, TheUserFolderIsMadeOnceAndEnteredAtEveryStart) {
  const QString home = QDir::currentPath();
  const QString expected =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Velmora/Grafolin";
  ASSERT_TRUE(expected.startsWith(QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")))) << "isolated";
  EXPECT_EQ(graf::platform::userFolder(), expected);
  for (int start = 1; start <= 2; ++start) {
    SCOPED_TRACE(start);
    ASSERT_TRUE(QDir::setCurrent(home));
    QString error;
    ASSERT_TRUE(graf::platform::enterUserFolder(&error)) << error.toStdString();
    EXPECT_EQ(QDir::currentPath(), expected);
    EXPECT_TRUE(error.isEmpty());
    // What the first start left there is there for the second.
    QFile kept("beallit.ini");
    if (start == 1) {
      ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
      kept.write("kept");
    } else {
      EXPECT_TRUE(kept.exists());
    }
  }
  ASSERT_TRUE(QDir::setCurrent(home));
}

TEST(StartRequest, AFolderThatCannotBeMadeIsNamedAndTheCurrentFolderStays) {
  const QString home = QDir::currentPath();
  const QByteArray oldData = qgetenv("XDG_DATA_HOME");
  // A file stands where the folder "Velmora" should be made.
  ASSERT_TRUE(QDir().mkpath("adatok"));
  QFile blocker("adatok/Velmora");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  qputenv("XDG_DATA_HOME", (home + "/adatok").toLocal8Bit());
  QString error;
  EXPECT_FALSE(graf::platform::enterUserFolder(&error));
  EXPECT_TRUE(error.contains(home + "/adatok/Velmora/Grafolin")) << error.toStdString();
  EXPECT_EQ(QDir::currentPath(), home);
  qputenv("XDG_DATA_HOME", oldData);
}

// A program started with a set file named on its command line: the start
// as the program makes it, up to the splash's tick that completes it.
class StartWithSetFile : public GuiTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(writeFile("negy.fv", setRecord(fourKinds())));
    auto damaged = setRecord(oneFunction());
    damaged.pop_back();
    ASSERT_TRUE(writeFile("rovid.fv", damaged));
    clockStore.values[kClockValueName] = "2400";
    app = std::make_unique<ui::GrafolinApp>(ui::ClockPlatform{&clockStore, &clockMeter});
    w = &app->mainWindow();
    app->setStartFile(QDir::current().absoluteFilePath(QString::fromLatin1(startFile())));
    ASSERT_TRUE(QTest::qWaitFor([this] { return w->isVisible(); }));
    // While the splash is up nothing is loaded.
    QCoreApplication::processEvents();
    EXPECT_EQ(st().table.FunctionCount, 0);
    EXPECT_TRUE(boxes.pending().empty());
    app->splashWindow().Timer1Timer();
    ASSERT_TRUE(app->startup().completed());
  }
  virtual const char* startFile() const = 0;
};

class StartWithAGoodSet : public StartWithSetFile {
  const char* startFile() const override { return "negy.fv"; }
};

TEST_F(StartWithAGoodSet, ItIsLoadedAsToltLoadsItAndNothingElseChanges) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return st().table.FunctionCount == 4; }));
  EXPECT_EQ(app->functionListWindow().rowCount(), 4);
  EXPECT_EQ(panel(1), "Függvények száma: 4");
  EXPECT_TRUE(option("RadioButton4")->isChecked()) << "the kind of the last function";
  EXPECT_EQ(edit("Edit1")->text(), "1.50");
  EXPECT_EQ(app->saveLoadWindow().loadStatus(), "Betöltött függvények: 4");
  EXPECT_FALSE(app->saveLoadWindow().isVisible());
  EXPECT_FALSE(app->progressWindow().isVisible());
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(pictureDifferences(), 0);
}

class StartWithADamagedSet : public StartWithSetFile {
  const char* startFile() const override { return "rovid.fv"; }
};

TEST_F(StartWithADamagedSet, ItIsRefusedWithTheLoadsOwnMessage) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.pending().empty(); }));
  const auto seen = boxes.take();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "A függvényeket tartalmazó fájl hibás!");
  EXPECT_EQ(st().table.FunctionCount, 0);
  EXPECT_EQ(app->saveLoadWindow().loadStatus(), "Nincs betöltve semmi");
  EXPECT_TRUE(w->isEnabled());
}

class StartWithAMissingSet : public StartWithSetFile {
  const char* startFile() const override { return "nincs.fv"; }
};

TEST_F(StartWithAMissingSet, ItIsNamedWithTheReason) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.pending().empty(); }));
  const auto seen = boxes.take();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(seen[0].text.contains(QDir::current().absoluteFilePath("nincs.fv"))) << seen[0].text.toStdString();
  EXPECT_TRUE(seen[0].text.contains("a fájl nem létezik")) << seen[0].text.toStdString();
  EXPECT_EQ(st().table.FunctionCount, 0);
}

// Starts from the desktop menu, each from another current folder: the
// program works in its own folder, where what one start stores the next finds.
class MenuStarts : public GuiTest {
 protected:
  void SetUp() override { startFromMenu("terminal1"); }
  void startFromMenu(const char* currentFolder) {
    app.reset();
    ASSERT_TRUE(QDir::setCurrent(home_));
    ASSERT_TRUE(QDir().mkpath(QString::fromLatin1(currentFolder)));
    ASSERT_TRUE(QDir::setCurrent(QString::fromLatin1(currentFolder)));
    QString error;
    ASSERT_TRUE(graf::platform::enterUserFolder(&error)) << error.toStdString();
    GuiTest::SetUp();
  }
  void saveSetAutomatically() {
    key(Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app->saveLoadWindow()));
    auto* save = app->saveLoadWindow().findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(save, nullptr);
    QTest::mouseClick(save, Qt::LeftButton);
  }
  static QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
  }
  const QString home_ = QDir::currentPath();
};

TEST_F(MenuStarts, SettingsAndSetsStayInTheProgramsFolderFromOneStartToTheNext) {
  // The first start: a colour accepted in the settings is stored at the main
  // window's next activation, and a set is saved under an automatic name.
  st().settings.ColorQuadratic = 0x808080;
  app->settingsState().SettingsChanged = true;
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(w, &activate);
  plot("1", "2");
  saveSetAutomatically();

  startFromMenu("terminal2");
  EXPECT_EQ(st().settings.ColorQuadratic, 0x808080u);
  EXPECT_EQ(w->swatchColor(Kind::Quadratic), 0x808080u);
  plot("3", "4");
  saveSetAutomatically();  // the automatic names go on where the first start left them

  EXPECT_EQ(entries(graf::platform::userFolder()), (QStringList{"beallit.ini", "fuggvenyek1.fv", "fuggvenyek2.fv"}));
  EXPECT_EQ(entries(home_ + "/terminal1"), QStringList());
  EXPECT_EQ(entries(home_ + "/terminal2"), QStringList());
}

}  // namespace
}  // namespace graf::testing
