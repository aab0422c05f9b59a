// SPDX-License-Identifier: MIT
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "functionlist/function_row.h"
#include "functionsets/function_set.h"
#include "tests/sets/windows_fixture.h"
#include "tests/support/file_limits.h"

namespace graf::testing {
namespace {

using SaveLoadWindow = WindowsTest;

const Dialog kDamaged = error("A függvényeket tartalmazó fájl hibás!");

QString text(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  return QString();
}

TEST_F(SaveLoadWindow, ControlsStartWithTheirCaptionsStatesAndHints) {
  struct Control {
    const char* name;
    const char* text;
    bool enabled;
    const char* hint;
  };
  const Control controls[] = {
      {"Button1", "Ment", false, ""},
      {"Label1", "Nincs mit menteni", true, ""},
      {"Label3", "Megjegyzés:", true, ""},
      {"Edit1", "Megjegyzés a függvény(ek) azonosításához", true, "Ide lehet írni a függvény(ek) megjegyzését"},
      {"CheckBox1", "Automatikus fájlnév", true, "Automatikusan elnevezi a fájlt"},
      {"Button2", "Tölt", true, ""},
      {"Label2", "Nincs betöltve semmi", true, ""},
      {"Edit2", "A függvény(ek)hez tartozó megjegyzés itt lesz kiírva", true,
       "Itt olvasható a függvény(ek)hez tartozó megjegyzés"},
      {"Button4", "Betöltés OK", false, "Betöltés nyugtázása"},
      {"Button5", "Töltés mégsem", false, "Törli a betöltött függvényeket"},
      {"Button3", "Bezár", true, ""},
  };
  for (const Control& c : controls) {
    QWidget* w = child<QWidget>(window, c.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(text(w), QString::fromUtf8(c.text)) << c.name;
    EXPECT_EQ(w->isEnabled(), c.enabled) << c.name;
    EXPECT_EQ(w->statusTip(), QString::fromUtf8(c.hint)) << c.name;
    EXPECT_TRUE(w->toolTip().isEmpty()) << c.name << ": hints go to the status bar, not into tips";
  }
  EXPECT_TRUE(child<QCheckBox>(window, "CheckBox1")->isChecked());
  EXPECT_TRUE(child<QLineEdit>(window, "Edit2")->isReadOnly());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Függvény(ek) mentése/töltése"));
  EXPECT_EQ(window.minimumSize(), QSize(305, 245));
  EXPECT_EQ(window.maximumSize(), QSize(305, 245));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

// Texts longer than their fields are shown from their start, and the window
// first opens in the middle of the screen, later where the user left it.
TEST_F(SaveLoadWindow, FieldsShowTheirTextsFromTheStartAndTheWindowOpensCentred) {
  EXPECT_EQ(child<QLineEdit>(window, "Edit1")->cursorPosition(), 0);
  plot(Kind::Linear, "2", "-1");
  window.open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QPoint centre = window.screen()->availableGeometry().center();
  EXPECT_LE((window.frameGeometry().center() - centre).manhattanLength(), 1);
  window.close();
  window.move(10, 20);
  window.open();
  EXPECT_EQ(window.pos(), QPoint(10, 20));

  auto* comment = child<QLineEdit>(window, "Edit1");
  QTest::mouseClick(comment, Qt::LeftButton);
  typeInto(comment, QStringLiteral("Egy hosszú megjegyzés, ami nem fér ki a mezőbe"));
  save(QStringLiteral("hosszu.fv"));
  window.open();
  load(QStringLiteral("hosszu.fv"));
  EXPECT_EQ(child<QLineEdit>(window, "Edit2")->text(), QStringLiteral("Egy hosszú megjegyzés, ami nem fér ki a mezőbe"));
  EXPECT_EQ(child<QLineEdit>(window, "Edit2")->cursorPosition(), 0);
}

TEST_F(SaveLoadWindow, TheRealFileDialogsCarryTitleFilterAndSuffix) {
  struct Case {
    std::unique_ptr<QFileDialog> dialog;
    const char* title;
    QFileDialog::AcceptMode mode;
  };
  Case cases[] = {{std::unique_ptr<QFileDialog>(Ttoltmentablak::makeSaveDialog(&window)),
                   "Függvény(ek) mentése", QFileDialog::AcceptSave},
                  {std::unique_ptr<QFileDialog>(Ttoltmentablak::makeOpenDialog(&window)),
                   "Függvény(ek) töltése", QFileDialog::AcceptOpen}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.dialog->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(c.dialog->acceptMode(), c.mode);
    EXPECT_EQ(c.dialog->nameFilters(), QStringList{QStringLiteral("Függvények (*.fv)")});
    EXPECT_EQ(c.dialog->defaultSuffix(), QStringLiteral("fv"));
    EXPECT_EQ(c.dialog->fileMode(), QFileDialog::AnyFile) << "a typed name need not exist";
  }
  EXPECT_TRUE(cases[0].dialog->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(SaveLoadWindow, ActivationShowsWhatThereIsToSave) {
  struct Case {
    int functions;
    const char* label;
    bool saveEnabled;
  };
  for (const Case& c : {Case{0, "Nincs mit menteni", false}, Case{2, "Mentendő függvények: 2", true}}) {
    cmd.clearAll();
    for (int i = 1; i <= c.functions; ++i) plot(Kind::Linear, std::to_string(i), "0");
    window.open();
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(child<QLabel>(window, "Label1")->text(), QString::fromUtf8(c.label));
    EXPECT_EQ(button("Button1")->isEnabled(), c.saveEnabled);
    EXPECT_EQ(window.setFileName(), QStringLiteral("fuggvenyek1.fv"));
    button("Button3")->click();
  }
}

TEST_F(SaveLoadWindow, ASavedSetLoadsBackIntoTableListPictureAndFields) {
  plot(Kind::Linear, "2", "-1");
  plot(Kind::Quadratic2, "0.5", "1", "3");
  plot(Kind::AbsoluteValue, "-1.25", "4", "7");
  window.open();
  auto* comment = child<QLineEdit>(window, "Edit1");
  QTest::mouseClick(comment, Qt::LeftButton);
  typeInto(comment, QStringLiteral("Három függvény"));
  save(QStringLiteral("sajat.fv"));

  EXPECT_EQ(fileBytes("sajat.fv").size(), 1854);
  EXPECT_FALSE(window.isVisible()) << "a completed save closes the window";
  EXPECT_TRUE(mainWindow.isEnabled());
  const auto tableBefore = table();
  const QStringList rowsBefore = rows();
  ASSERT_EQ(rowsBefore.size(), 3);
  const auto pictureBefore = pixels();

  cmd.zoomStep();
  plot(Kind::Linear, "9", "9");
  window.open();
  load(QStringLiteral("sajat.fv"));

  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_EQ(table(), tableBefore);
  EXPECT_EQ(rows(), rowsBefore);
  EXPECT_EQ(pixels(), pictureBefore);
  EXPECT_EQ(ui.kind, Kind::AbsoluteValue);
  EXPECT_EQ(ui.fields[0], "-1.25");
  EXPECT_EQ(ui.fields[1], "4.00");
  EXPECT_EQ(ui.fields[2], "7.00");
  EXPECT_EQ(child<QLineEdit>(window, "Edit2")->text(), QStringLiteral("Három függvény"));
  EXPECT_EQ(window.loadStatus(), QStringLiteral("Betöltött függvények: 3"));
  EXPECT_TRUE(button("Button1")->isEnabled());
  EXPECT_TRUE(button("Button4")->isEnabled());
  EXPECT_TRUE(button("Button5")->isEnabled());
  EXPECT_TRUE(window.isVisible()) << "the user acknowledges or discards the load";
  EXPECT_FALSE(progress.isVisible());
  // Reading fills the bar to 48, drawing goes on to 87 under the plot's caption.
  EXPECT_EQ(progress.progressPosition(), 87);
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Számolás..."));
  EXPECT_EQ(window.setFileName(), QStringLiteral("sajat.fv"));
}

TEST_F(SaveLoadWindow, DamagedFilesAreRefusedAndChangeNothing) {
  plot(Kind::Linear, "2", "-1");
  plot(Kind::Quadratic, "1", "0", "-3");
  window.open();
  save();  // fuggvenyek1.fv
  const QByteArray good = fileBytes("fuggvenyek1.fv");
  ASSERT_EQ(good.size(), 1854);
  QByteArray badCount = good;
  badCount[52] = 'x';
  const std::pair<const char*, QByteArray> files[] = {
      {"rovid.fv", good.left(1853)}, {"hosszu.fv", good + 'x'}, {"darab.fv", badCount}};

  st.settings.SoundOn = true;
  const auto tableBefore = table();
  const QStringList rowsBefore = rows();
  const auto pictureBefore = pixels();
  window.open();
  const QString commentBefore = child<QLineEdit>(window, "Edit2")->text();
  for (const auto& [name, bytes] : files) {
    writeFile(name, bytes);
    ui.dialogs.clear();
    load(name);
    EXPECT_EQ(ui.dialogs, (std::vector<Dialog>{kBeep, kDamaged})) << name;
    EXPECT_EQ(table(), tableBefore) << name;
    EXPECT_EQ(rows(), rowsBefore) << name;
    EXPECT_EQ(pixels(), pictureBefore) << name;
    EXPECT_EQ(window.loadStatus(), QStringLiteral("Nincs betöltve semmi")) << name;
    EXPECT_EQ(child<QLineEdit>(window, "Edit2")->text(), commentBefore) << name;
    EXPECT_FALSE(button("Button4")->isEnabled()) << name;
    EXPECT_TRUE(button("Button1")->isEnabled()) << name;
    EXPECT_FALSE(progress.isVisible()) << name;
  }
}

TEST_F(SaveLoadWindow, AFileThatCannotBeReadIsNamedAndChangesNothing) {
  plot(Kind::Linear, "2", "-1");
  ASSERT_TRUE(QDir().mkdir("mappa.fv"));
  window.open();
  const auto tableBefore = table();
  const QStringList rowsBefore = rows();
  for (const char* name : {"mappa.fv", "nincs-ilyen.fv"}) {
    ui.dialogs.clear();
    load(name);
    ASSERT_EQ(ui.dialogs.size(), 1u) << name;
    EXPECT_EQ(ui.dialogs[0].type, MessageType::Error);
    EXPECT_EQ(ui.dialogs[0].title, "Error");
    const QString message = QString::fromStdString(ui.dialogs[0].text);
    EXPECT_TRUE(message.contains(QFileInfo(name).absoluteFilePath())) << ui.dialogs[0].text;
    EXPECT_TRUE(message.contains("nem olvasható")) << ui.dialogs[0].text;
    EXPECT_EQ(table(), tableBefore) << name;
    EXPECT_EQ(rows(), rowsBefore) << name;
    EXPECT_EQ(window.loadStatus(), QStringLiteral("Nincs betöltve semmi")) << name;
    EXPECT_TRUE(window.isVisible()) << name;
  }
}

TEST_F(SaveLoadWindow, AFailedSaveNamesTheFileAndKeepsEverything) {
  plot(Kind::Linear, "2", "-1");
  const QByteArray procBefore = fileBytes("/proc/version");
  ASSERT_FALSE(procBefore.isEmpty());
  window.open();
  for (const QString& path : {QStringLiteral("/proc/version"), QStringLiteral("nincs-mappa/halmaz.fv")}) {
    ui.dialogs.clear();
    save(path);
    ASSERT_EQ(ui.dialogs.size(), 1u) << path.toStdString();
    EXPECT_EQ(ui.dialogs[0].type, MessageType::Error);
    EXPECT_EQ(ui.dialogs[0].title, "Error");
    const QString message = QString::fromStdString(ui.dialogs[0].text);
    EXPECT_TRUE(message.contains(QFileInfo(path).absoluteFilePath())) << ui.dialogs[0].text;
    EXPECT_TRUE(message.contains("nem menthető")) << ui.dialogs[0].text;
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(button("Button1")->isEnabled());
    EXPECT_EQ(st.table.FunctionCount, 1);
  }
  EXPECT_EQ(fileBytes("/proc/version"), procBefore);
  EXPECT_FALSE(QFileInfo::exists("nincs-mappa"));

  // A cancelled dialog after the failures writes nothing and keeps the window.
  ui.dialogs.clear();
  save(QStringLiteral(""));
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

// A pipe chosen in the open dialog would block the program for good, and a
// save over a pipe or a socket would block or put a regular file in its
// place: both are refused at once with a box that names the file.
TEST_F(SaveLoadWindow, PipesAndSocketsAreRefusedWithoutWaiting) {
  plot(Kind::Linear, "2", "-1");
  makeNamedPipe("cso.fv");
  makeSocketFile("foglalat.fv");
  window.open();
  const auto tableBefore = table();
  for (const char* name : {"cso.fv", "foglalat.fv"}) {
    SCOPED_TRACE(name);
    for (const bool saving : {false, true}) {
      ui.dialogs.clear();
      if (saving)
        save(QString::fromUtf8(name));
      else
        load(QString::fromUtf8(name));
      ASSERT_EQ(ui.dialogs.size(), 1u);
      EXPECT_EQ(ui.dialogs[0].type, MessageType::Error);
      EXPECT_EQ(ui.dialogs[0].title, "Error");
      const QString message = QString::fromStdString(ui.dialogs[0].text);
      EXPECT_TRUE(message.contains(QFileInfo(name).absoluteFilePath())) << ui.dialogs[0].text;
      EXPECT_TRUE(message.contains(saving ? "nem menthető" : "nem olvasható")) << ui.dialogs[0].text;
      EXPECT_TRUE(message.contains("nem közönséges fájl")) << ui.dialogs[0].text;
      EXPECT_EQ(table(), tableBefore);
      EXPECT_TRUE(window.isVisible());
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo("cso.fv"));
  EXPECT_TRUE(std::filesystem::is_socket("foglalat.fv"));
}

// A full disk: the set saved before stays whole, the window stays open, and
// the box names the file and the system's reason.
TEST_F(SaveLoadWindow, AFullDiskKeepsTheSavedSetAndNamesTheReason) {
  plot(Kind::Linear, "2", "-1");
  window.open();
  save(QStringLiteral("regi.fv"));
  const QByteArray saved = fileBytes("regi.fv");
  ASSERT_EQ(saved.size(), 1854);
  plot(Kind::Quadratic, "1", "2", "3");
  window.open();
  ui.dialogs.clear();
  {
    FileSizeLimit limit(1000);
    save(QStringLiteral("regi.fv"));  // over the old set
    child<QCheckBox>(window, "CheckBox1")->setChecked(true);
    save();  // under an automatic name
  }
  ASSERT_EQ(ui.dialogs.size(), 2u);
  for (const auto& [dialog, name] : {std::pair{ui.dialogs[0], "regi.fv"}, {ui.dialogs[1], "fuggvenyek1.fv"}}) {
    EXPECT_EQ(dialog.type, MessageType::Error);
    EXPECT_EQ(dialog.title, "Error");
    const QString message = QString::fromStdString(dialog.text);
    EXPECT_TRUE(message.contains(QFileInfo(name).absoluteFilePath())) << dialog.text;
    EXPECT_TRUE(message.contains(QStringLiteral("a fájl túl nagy"))) << dialog.text;
  }
  EXPECT_EQ(fileBytes("regi.fv"), saved);
  EXPECT_EQ(folderListing("."), "regi.fv");
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(st.table.FunctionCount, 2);
}

TEST_F(SaveLoadWindow, AutomaticNamesTakeTheFirstFreeNumber) {
  plot(Kind::Linear, "2", "-1");
  for (const char* expected : {"fuggvenyek1.fv", "fuggvenyek2.fv", "fuggvenyek3.fv"}) {
    window.open();
    save();
    EXPECT_EQ(fileBytes(expected).size(), 1854) << expected;
    EXPECT_EQ(window.setFileName(), QString::fromUtf8(expected));
    EXPECT_FALSE(window.isVisible());
  }
  EXPECT_EQ(QDir().entryList(QDir::Files).size(), 3);
  EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(SaveLoadWindow, FiftyFunctionsLoadWithOneMaximumMessage) {
  for (int i = 1; i <= 50; ++i) plot(i % 2 ? Kind::Linear : Kind::Quadratic, std::to_string(i), "1", "2");
  window.open();
  save();
  const auto tableBefore = table();
  const QStringList rowsBefore = rows();
  cmd.clearAll();
  ASSERT_EQ(list()->count(), 0);
  ui.dialogs.clear();
  window.open();
  load("fuggvenyek1.fv");
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{information("Függvényábrázolási maximum elérve!")});
  EXPECT_EQ(table(), tableBefore);
  EXPECT_EQ(rows(), rowsBefore);
  EXPECT_EQ(rows().value(49), QString::fromStdString(FunctionRow(50, Kind::Quadratic, 50, 1, 2)));
  EXPECT_EQ(window.loadStatus(), QStringLiteral("Betöltött függvények: 50"));
}

TEST_F(SaveLoadWindow, DiscardingALoadEmptiesTheSetAndKeepsTheWindowOpen) {
  plot(Kind::Linear, "2", "-1");
  plot(Kind::Quadratic, "1", "0", "-3");
  window.open();
  save();
  window.open();
  load("fuggvenyek1.fv");
  ASSERT_EQ(list()->count(), 2);
  button("Button5")->click();
  EXPECT_EQ(st.table.FunctionCount, 0);
  EXPECT_EQ(list()->count(), 0);
  EXPECT_EQ(ui.countPanel, "Függvények száma: 0");
  EXPECT_FALSE(button("Button1")->isEnabled());
  EXPECT_EQ(child<QLabel>(window, "Label1")->text(), QStringLiteral("Nincs mit menteni"));
  EXPECT_EQ(window.loadStatus(), QStringLiteral("Nincs betöltve semmi"));
  EXPECT_TRUE(button("Button4")->isEnabled());
  EXPECT_TRUE(button("Button5")->isEnabled());
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(mainWindow.isEnabled());
}

TEST_F(SaveLoadWindow, ACancelledLoadOnlySetsTheSaveButton) {
  window.open();
  ASSERT_FALSE(button("Button1")->isEnabled());
  plot(Kind::Linear, "2", "-1");  // stored while the window stayed open
  const auto pictureBefore = pixels();
  load(QString());
  EXPECT_TRUE(button("Button1")->isEnabled());
  EXPECT_EQ(pixels(), pictureBefore);
  EXPECT_EQ(st.table.FunctionCount, 1);
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_TRUE(window.isVisible());
}

TEST_F(SaveLoadWindow, EveryClickInTheCommentEmptiesIt) {
  window.open();
  auto* comment = child<QLineEdit>(window, "Edit1");
  for (const char* typed : {"", "első megjegyzés"}) {
    typeInto(comment, QString::fromUtf8(typed));
    ASSERT_FALSE(comment->text().isEmpty());
    QTest::mouseClick(comment, Qt::LeftButton);
    EXPECT_TRUE(comment->text().isEmpty()) << "after typing «" << typed << "»";
  }
}

TEST_F(SaveLoadWindow, TheCommentHoldsFiftyCharactersNotFiftyCodeUnits) {
  const QString smile = QString::fromUtf8("😀");
  struct Case {
    QString start;
    int cursor;
    QString inserted;
    QString result;
  };
  const Case cases[] = {
      {"", 0, QString(60, 'x'), QString(50, 'x')},
      {QString(48, 'a'), 48, smile + smile + smile, QString(48, 'a') + smile + smile},
      {QString(10, 'a') + QString(40, 'b'), 10, "ccc", QString(10, 'a') + QString(40, 'b')},
      {QString(10, 'a') + QString(38, 'b'), 10, "cde", QString(10, 'a') + "cd" + QString(38, 'b')},
  };
  auto* comment = child<QLineEdit>(window, "Edit1");
  for (const Case& c : cases) {
    comment->setText(c.start);
    comment->setCursorPosition(c.cursor);
    comment->insert(c.inserted);  // as a paste does
    EXPECT_EQ(comment->text(), c.result) << c.inserted.toStdString();
  }
}

TEST_F(SaveLoadWindow, CharactersWindows1250LacksAreReportedAndStoredAsQuestionMarks) {
  plot(Kind::Linear, "2", "-1");
  window.open();
  auto* comment = child<QLineEdit>(window, "Edit1");
  comment->clear();
  comment->insert(QString::fromUtf8("Ω és 😀, ő és ű"));
  save();
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].type, MessageType::Information);
  EXPECT_EQ(ui.dialogs[0].title, "Information");
  EXPECT_NE(ui.dialogs[0].text.find("Ω😀"), std::string::npos) << ui.dialogs[0].text;
  const QByteArray bytes = fileBytes("fuggvenyek1.fv");
  ASSERT_EQ(bytes.size(), 1854);
  EXPECT_EQ(bytes.left(15), QByteArray("\x0e? \xe9s ?, \xf5 \xe9s \xfb", 15));

  window.open();
  load("fuggvenyek1.fv");
  EXPECT_EQ(child<QLineEdit>(window, "Edit2")->text(), QString::fromUtf8("? és ?, ő és ű"));
}

TEST_F(SaveLoadWindow, EveryWayOfClosingEnablesTheMainWindowAndClosesTheProgressWindow) {
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"Bezár", [&] { button("Button3")->click(); }},
      {"Betöltés OK", [&] { button("Button4")->click(); }},
      {"title bar", [&] { window.close(); }},
  };
  window.setAckAndDiscardEnabled();
  for (const auto& [way, closeIt] : ways) {
    window.open();
    progress.show();
    ASSERT_FALSE(mainWindow.isEnabled());
    closeIt();
    EXPECT_FALSE(window.isVisible()) << way;
    EXPECT_TRUE(mainWindow.isEnabled()) << way;
    EXPECT_FALSE(progress.isVisible()) << way;
  }
}

TEST_F(SaveLoadWindow, AsAChildOfTheMainWindowItStaysUsableWhileTheMainWindowIsDisabled) {
  Ttoltmentablak child(cmd, session, files, progress, &mainWindow, &mainWindow);
  child.open();
  EXPECT_FALSE(mainWindow.isEnabled());
  EXPECT_TRUE(child.isEnabled());
  EXPECT_TRUE(child.isWindow());
  child.close();
  EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(SaveLoadWindow, ContextMenusAskForTheirHelpTopics) {
  // The right button on a part of the window without a menu of its own.
  const std::tuple<QWidget*, QWidget*, QMenu*, const char*> windows[] = {
      {&window, child<QLabel>(window, "Label2"), window.contextMenu(), "Függvény töltése és mentése"},
      {&listWindow, list()->viewport(), listWindow.contextMenu(), "Függvényablak"},
  };
  for (const auto& [w, target, menu, topic] : windows) {
    w->show();
    QSignalSpy spy(w, SIGNAL(helpRequested(QString)));
    requestContextMenu(*target);
    ASSERT_TRUE(menu->isVisible()) << topic;
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Súgó"));
    menu->actions()[0]->trigger();
    menu->hide();
    ASSERT_EQ(spy.size(), 1) << topic;
    EXPECT_EQ(spy[0][0].toString(), QString::fromUtf8(topic));
  }
}

TEST(ProgressWindow, IsABarFromZeroToHundredCentredWithoutTitleBarButtons) {
  Tbetoltesablak progress;
  auto* bar = progress.findChild<QProgressBar*>();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(progress.size(), QSize(344, 16));
  EXPECT_EQ(bar->geometry(), QRect(0, 0, 344, 16));
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Betöltés..."));
  EXPECT_FALSE(progress.windowFlags() &
               (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                Qt::WindowSystemMenuHint));
  progress.setProgressPosition(42);
  EXPECT_EQ(bar->value(), 42);
  progress.show();
  const QPoint centre = progress.screen()->availableGeometry().center();
  EXPECT_LE((progress.frameGeometry().center() - centre).manhattanLength(), 1);
}

}  // namespace
}  // namespace graf::testing
