// SPDX-License-Identifier: MIT
// The settings window, the matching-colours warning and the quick view in the
// running program, with "beallit.ini" in a folder of each test's own.
#include <QAbstractItemView>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QTimer>
#include <QKeyEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QWindow>
#include <memory>

#include "functionlist/ui/tfuggvenyablak.h"
#include "settings/settings_record.h"
#include "settings/ui/tbeallitasablak.h"
#include "settings/ui/tegyezoszinekablak.h"
#include "settings/ui/tform9.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/isolation.h"

namespace graf::testing {
namespace {

QByteArray settingsFileBytes() {
  QFile f(SettingsFileName);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray recordBytes(const PlotState& values) {
  SettingsRecord r{};
  fillRecord(values, r);
  return QByteArray(reinterpret_cast<const char*>(r.data()), static_cast<qsizetype>(r.size()));
}

class SettingsWindowTest : public GuiTest {
 public:
  void SetUp() override {
    beforeStart();
    GuiTest::SetUp();
    s = &app->settingsWindow();
  }
  virtual void beforeStart() {}

  // F2, and the settings window is the active window.
  void open() {
    key(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(s));
  }
  // Types a text into a picker as the user does.
  void type(Setting setting, const QString& text) {
    QComboBox* c = s->picker(setting);
    c->lineEdit()->selectAll();
    // Key by key, with the characters that no key of QTest's table gives.
    for (const QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(c->lineEdit(), &press);
      QApplication::sendEvent(c->lineEdit(), &release);
    }
    ASSERT_EQ(c->currentText(), text);
  }
  // Picks an item from a picker's list.
  void choose(Setting setting, const QString& text) {
    QComboBox* c = s->picker(setting);
    const int at = c->findText(text);
    ASSERT_GE(at, 0) << text.toStdString();
    c->showPopup();
    c->view()->setCurrentIndex(c->model()->index(at, 0));
    QTest::keyClick(c->view(), Qt::Key_Return);
    ASSERT_EQ(c->currentText(), text);
  }
  void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  // The user turns to another program. A window that is none of the
  // program's widgets stands for it: while it has the focus, the program has
  // no active window.
  void leaveProgram() {
    elsewhere_ = std::make_unique<QWindow>();
    elsewhere_->show();
    elsewhere_->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(elsewhere_.get()));
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
  }
  // The user brings one of the program's windows to the front.
  void turnTo(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    ASSERT_EQ(QApplication::activeWindow(), window);
  }
  // After the settings window closed: the main window takes over and stores.
  void expectStoredAndBack() {
    EXPECT_FALSE(s->isVisible());
    EXPECT_TRUE(w->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !app->settingsState().SettingsChanged; }));
  }
  QString label(StateLabel l) const { return s->stateLabel(l)->text(); }

  OwnFolder folder_;  // made before SetUp, gone after TearDown
  std::unique_ptr<QWindow> elsewhere_;
  Tbeallitasablak* s = nullptr;
};

TEST_F(SettingsWindowTest, OpensOverADisabledMainWindowWithTheSettingsInForce) {
  open();
  EXPECT_EQ(s->windowTitle(), "Beállítások");
  EXPECT_FALSE(w->isEnabled());
  QStringList tabs;
  for (int k = 0; k < s->PageControl1->count(); ++k) tabs << s->PageControl1->tabText(k);
  EXPECT_EQ(tabs, (QStringList{"Általános", "Színek", "Kapcsolók", "Megjelenés"}));
  EXPECT_EQ(s->SpeedButton1->text(), "OK");
  EXPECT_EQ(s->SpeedButton2->text(), "Mégse");
  EXPECT_EQ(s->SpeedButton3->text(), "Alapbeállítások visszaállítása");

  // The pickers start with their own texts and lists.
  const struct {
    Setting setting;
    const char* text;
    QStringList items;
  } pickers[] = {
      {Setting::Step, "Pontos", {"Pontatlan", "Normál", "Pontos"}},
      {Setting::Linear, "Piros", {"Kék", "Piros", "Szürke", "Ezüst", "Zöld", "Sötétzöld", "Sárga"}},
      {Setting::Grid, "Ezüst", {"Kék", "Piros", "Szürke", "Ezüst", "Zöld", "Sötétzöld", "Sárga"}},
      {Setting::Sum, "Türkiz", {"Kék", "Piros", "Szürke", "Ezüst", "Zöld", "Sötétzöld", "Sárga", "Türkiz"}},
      {Setting::AuxColor, "Sárga", {"Kék", "Fekete", "Sárga"}},
      {Setting::Sound, "Ki", {"Be", "Ki"}},
      {Setting::FunctionWindow, "Ki", {"Ki", "Be"}},
      {Setting::Optimize, "Ki", {"Ki", "Be"}},
      {Setting::QuickView, "Soha", {"Mindig", "Soha", "Módosításkor"}},
  };
  for (const auto& p : pickers) {
    QComboBox* c = s->picker(p.setting);
    EXPECT_TRUE(c->isEditable());
    EXPECT_EQ(c->currentText(), QString::fromUtf8(p.text));
    QStringList items;
    for (int k = 0; k < c->count(); ++k) items << c->itemText(k);
    EXPECT_EQ(items, p.items);
  }

  // No settings file: the defaults, optimisation on, the clock of this run.
  EXPECT_EQ(label(StateLabel::Source), "Programból (alapértelmezett)");
  EXPECT_EQ(label(StateLabel::Precision), "Optimalizált");
  EXPECT_FALSE(s->picker(Setting::Step)->isEnabled());
  EXPECT_EQ(label(StateLabel::Clock), "2400 MHz");
  EXPECT_EQ(label(StateLabel::Sound), "Ki");
  EXPECT_EQ(label(StateLabel::Optimize), "Be");
  EXPECT_EQ(label(StateLabel::QuickView), "Soha");
  EXPECT_EQ(s->sample(Setting::AuxColor)->text(), "Inaktív");
  EXPECT_FALSE(!s->customButton(Setting::AuxColor)->isHidden());
  EXPECT_EQ(s->sample(Setting::Linear)->palette().color(QPalette::WindowText), QColor(255, 0, 0));

  // Switching optimisation off frees the precision; auxiliary lines on show
  // their custom button at once.
  choose(Setting::Optimize, "Ki");
  EXPECT_TRUE(s->picker(Setting::Step)->isEnabled());
  choose(Setting::AuxLines, "Be");
  EXPECT_TRUE(!s->customButton(Setting::AuxColor)->isHidden());
  EXPECT_EQ(s->sample(Setting::AuxColor)->text(), "I");
}

TEST_F(SettingsWindowTest, OkAppliesRedrawsAndStores) {
  plot("0", "10");  // a horizontal line on row 120
  ASSERT_EQ(app->picture().pixel(10, 120), DefaultColorLinear);
  open();
  type(Setting::Linear, QStringLiteral("Kék"));
  choose(Setting::Grid, QStringLiteral("Sárga"));
  choose(Setting::Optimize, QStringLiteral("Ki"));
  choose(Setting::Step, QStringLiteral("Normál"));
  type(Setting::Quadratic, QStringLiteral("piros"));  // not a name: ignored
  click(s->SpeedButton1);
  expectStoredAndBack();

  EXPECT_EQ(st().settings.ColorLinear, 0xFF0000u);
  EXPECT_EQ(st().settings.ColorQuadratic, DefaultColorQuadratic);
  EXPECT_EQ(st().settings.SampleStep, 0.5);
  EXPECT_EQ(w->swatchColor(Kind::Linear), 0xFF0000u);
  EXPECT_EQ(app->picture().pixel(10, 120), 0xFF0000u);  // replotted in the new colour
  EXPECT_EQ(app->picture().pixel(49, 0), 0x00FFFFu);    // the grid in yellow
  EXPECT_EQ(st().table.FunctionCount, 1);

  PlotState expected;
  expected.settings.ColorLinear = 0xFF0000;
  expected.settings.ColorGrid = 0x00FFFF;
  expected.settings.OptimizeOn = false;
  expected.settings.SampleStep = 0.5;
  EXPECT_EQ(settingsFileBytes(), recordBytes(expected));
  EXPECT_FALSE(QFileInfo(SettingsFileName).permissions() & QFileDevice::WriteOwner);

  // Opened again: the labels follow, the pickers keep the user's texts.
  open();
  EXPECT_EQ(label(StateLabel::Source), "Fájlból");
  EXPECT_EQ(label(StateLabel::Precision), "Normál");
  EXPECT_EQ(label(StateLabel::Optimize), "Ki");
  EXPECT_EQ(s->picker(Setting::Linear)->currentText(), "Kék");
  EXPECT_EQ(s->sample(Setting::Grid)->palette().color(QPalette::WindowText), QColor(255, 255, 0));

  // OK without touching anything still closes and rewrites the same record.
  QFile::remove(SettingsFileName);
  click(s->SpeedButton1);
  expectStoredAndBack();
  EXPECT_EQ(settingsFileBytes(), recordBytes(expected));
}

// A colour is named exactly as written: Return keeps the typed text, and a
// text that differs from a name only in case, or a name's beginning, names
// nothing.
TEST_F(SettingsWindowTest, ReturnKeepsTheTypedTextAndAnUnknownNameChangesNothing) {
  open();
  s->PageControl1->setCurrentIndex(1);
  const struct {
    Setting setting;
    const char* text;
  } typed[] = {
      {Setting::Quadratic, "piros"},
      {Setting::Grid, "sz"},
      {Setting::Absolute, "sárga"},
      {Setting::AuxColor, "kék"},
  };
  for (const auto& t : typed) {
    const QString text = QString::fromUtf8(t.text);
    type(t.setting, text);
    QTest::keyClick(s->picker(t.setting)->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(s->picker(t.setting)->currentText(), text);
  }
  EXPECT_TRUE(s->isVisible());  // Return is no OK
  click(s->SpeedButton1);
  expectStoredAndBack();
  EXPECT_EQ(st().settings.ColorQuadratic, DefaultColorQuadratic);
  EXPECT_EQ(st().settings.ColorGrid, DefaultColorGrid);
  EXPECT_EQ(st().settings.ColorAbsolute, DefaultColorAbsolute);
  EXPECT_EQ(st().settings.ColorAuxLines, DefaultColorAuxLines);
  EXPECT_EQ(settingsFileBytes(), recordBytes(PlotState{}));
}

// Coming back from another program keeps the choices made so far.
TEST_F(SettingsWindowTest, ChoicesSurviveAVisitToAnotherProgram) {
  open();
  choose(Setting::Grid, QStringLiteral("Sárga"));
  leaveProgram();
  turnTo(s);
  click(s->SpeedButton1);
  expectStoredAndBack();
  EXPECT_EQ(st().settings.ColorGrid, 0x00FFFFu);
  PlotState expected;
  expected.settings.ColorGrid = 0x00FFFF;
  EXPECT_EQ(settingsFileBytes(), recordBytes(expected));
}

// Becoming the program's active window again after another of its windows is
// a new activation: the labels show the settings in force and the choices
// start afresh, also when the program came back from another one through
// that other window.
TEST_F(SettingsWindowTest, SwitchingBetweenTheProgramsWindowsActivatesAnew) {
  Tfuggvenyablak& list = app->functionListWindow();
  list.show();
  open();
  choose(Setting::Grid, QStringLiteral("Sárga"));
  st().settings.SoundOn = true;
  leaveProgram();
  turnTo(s);
  EXPECT_EQ(label(StateLabel::Sound), "Ki");  // no activation
  leaveProgram();
  turnTo(&list);
  turnTo(s);
  EXPECT_EQ(label(StateLabel::Sound), "Be");
  click(s->SpeedButton1);
  expectStoredAndBack();
  EXPECT_EQ(st().settings.ColorGrid, DefaultColorGrid);
}

// Opened while another program has the focus, the window still starts with
// the settings in force.
TEST_F(SettingsWindowTest, OpenedWhileTheProgramHasNoFocusShowsTheSettingsInForce) {
  st().settings.SoundOn = true;
  leaveProgram();
  w->findChild<QAction*>(QStringLiteral("Konfig"))->trigger();
  ASSERT_TRUE(QTest::qWaitForWindowActive(s));
  EXPECT_EQ(label(StateLabel::Sound), "Be");
  EXPECT_EQ(label(StateLabel::Clock), "2400 MHz");
}

// A settings file that cannot be written is named with the reason; the
// settings stay marked for storing and go to the file once it can be written.
TEST_F(SettingsWindowTest, AFailedWriteIsReportedAndRetried) {
  ASSERT_TRUE(QDir().mkdir(SettingsFileName));  // a folder in the file's place
  open();
  choose(Setting::Linear, QStringLiteral("Kék"));
  click(s->SpeedButton1);
  ASSERT_TRUE(QTest::qWaitFor([this] { return !boxes.pending().empty(); }));
  const std::vector<SeenBox> seen = boxes.take();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(seen[0].text.contains(QDir::current().absoluteFilePath(SettingsFileName))) << seen[0].text.toStdString();
  EXPECT_TRUE(seen[0].text.contains("nem közönséges fájl")) << seen[0].text.toStdString();
  EXPECT_TRUE(app->settingsState().SettingsChanged);
  EXPECT_EQ(st().settings.ColorLinear, 0xFF0000u);  // in force all the same
  EXPECT_EQ(w->swatchColor(Kind::Linear), 0xFF0000u);

  ASSERT_TRUE(QDir().rmdir(SettingsFileName));
  open();
  click(s->SpeedButton1);
  expectStoredAndBack();
  PlotState expected;
  expected.settings.ColorLinear = 0xFF0000;
  EXPECT_EQ(settingsFileBytes(), recordBytes(expected));
}

TEST_F(SettingsWindowTest, CancelAndTheCloseButtonAssignAndStoreNothing) {
  open();
  choose(Setting::Linear, QStringLiteral("Szürke"));
  click(s->SpeedButton2);
  EXPECT_FALSE(s->isVisible());
  EXPECT_TRUE(w->isEnabled());
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  EXPECT_EQ(st().settings.ColorLinear, DefaultColorLinear);

  open();
  choose(Setting::Linear, QStringLiteral("Szürke"));
  s->close();
  EXPECT_TRUE(w->isEnabled());
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  EXPECT_EQ(st().settings.ColorLinear, DefaultColorLinear);
  EXPECT_FALSE(QFileInfo::exists(SettingsFileName));
}

TEST_F(SettingsWindowTest, DefaultsRestoreEverythingAndStore) {
  st().settings.ColorLinear = 0x808080;
  st().settings.ColorSum = 0;
  st().settings.SoundOn = true;
  st().settings.OptimizeOn = false;
  st().settings.QuickViewMode = 1;
  st().settings.SampleStep = 1.0;
  open();
  click(s->SpeedButton3);
  expectStoredAndBack();
  PlotState expected;
  expected.settings.SampleStep = 0.1;
  EXPECT_EQ(settingsFileBytes(), recordBytes(expected));
  EXPECT_EQ(st().settings.ColorLinear, DefaultColorLinear);
  EXPECT_EQ(st().settings.QuickViewMode, 0);
  EXPECT_EQ(s->picker(Setting::Optimize)->currentText(), "Be");
}

TEST_F(SettingsWindowTest, TheBottomButtonWithTheKeyboardFocusStandsRaised) {
  open();
  QPushButton* const buttons[] = {s->SpeedButton1, s->SpeedButton2, s->SpeedButton3};
  const auto raised = [&] {
    QList<QPushButton*> r;
    for (QPushButton* b : buttons)
      if (!b->isFlat()) r << b;
    return r;
  };
  EXPECT_EQ(raised(), QList<QPushButton*>{});
  // Tab from the pickers onto "OK".
  for (int k = 0; k < 40 && !s->SpeedButton1->hasFocus(); ++k)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_TRUE(s->SpeedButton1->hasFocus());
  EXPECT_EQ(raised(), QList<QPushButton*>{s->SpeedButton1});
  QTest::keyClick(s->SpeedButton1, Qt::Key_Tab);
  ASSERT_TRUE(s->SpeedButton2->hasFocus());
  EXPECT_EQ(raised(), QList<QPushButton*>{s->SpeedButton2});
  QTest::keyClick(s->SpeedButton2, Qt::Key_Tab);
  ASSERT_TRUE(s->SpeedButton3->hasFocus());
  EXPECT_EQ(raised(), QList<QPushButton*>{s->SpeedButton3});
  QTest::keyClick(s->SpeedButton3, Qt::Key_Backtab);
  QTest::keyClick(s->SpeedButton2, Qt::Key_Backtab);
  ASSERT_TRUE(s->SpeedButton1->hasFocus());
  EXPECT_EQ(raised(), QList<QPushButton*>{s->SpeedButton1});

  // Space presses the raised "OK"; the closed window leaves all three flat.
  QTest::keyClick(s->SpeedButton1, Qt::Key_Space);
  expectStoredAndBack();
  EXPECT_EQ(raised(), QList<QPushButton*>{});
}

TEST_F(SettingsWindowTest, AWhiteGridIsWarnedAbout) {
  s->askColor = [](Setting, const QColor& start) -> std::optional<QColor> {
    EXPECT_EQ(start, QColor(0, 0, 0));  // never confirmed before: black
    return QColor(255, 255, 255);
  };
  Tegyezoszinekablak& warning = app->matchingColoursWindow();
  open();
  s->PageControl1->setCurrentIndex(1);
  click(s->customButton(Setting::Grid));
  EXPECT_EQ(s->picker(Setting::Grid)->currentText(), "Egyéni");
  click(s->SpeedButton1);
  EXPECT_TRUE(warning.isVisible());
  EXPECT_EQ(warning.windowTitle(), "Egyező színek");
  EXPECT_EQ(warning.message(), "négyzetháló színe egyezik a háttér színével;");
  EXPECT_TRUE(s->isVisible());
  EXPECT_FALSE(w->isEnabled());
  EXPECT_EQ(st().settings.ColorGrid, 0xFFFFFFu);  // in force, not yet stored

  click(warning.Button2);  // "Átállít"
  EXPECT_FALSE(warning.isVisible());
  EXPECT_TRUE(s->isVisible());
  click(s->SpeedButton1);
  EXPECT_TRUE(warning.isVisible());

  click(warning.Button1);  // "Nem érdekel"
  EXPECT_FALSE(warning.isVisible());
  expectStoredAndBack();
  EXPECT_EQ(fieldText(app->settingsState().Record, Setting::Grid), "16777215");
  EXPECT_EQ(settingsFileBytes().size(), 91);
}

// "Egyéni" opens the row's own colour dialog, which starts from the colour
// last confirmed in it; cancelling changes nothing.
TEST_F(SettingsWindowTest, CustomColourThroughTheRowsOwnDialog) {
  open();
  s->PageControl1->setCurrentIndex(1);
  QStringList seen;
  const auto answer = [&](std::optional<QColor> pick) {
    QTimer::singleShot(0, [&seen, pick] {
      auto* d = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      seen << d->objectName() + " " + d->currentColor().name();
      if (pick) {
        d->setCurrentColor(*pick);
        d->accept();
      } else {
        d->reject();
      }
    });
  };
  answer(QColor(1, 2, 3));
  click(s->customButton(Setting::Linear));
  EXPECT_EQ(s->picker(Setting::Linear)->currentText(), "Egyéni");
  EXPECT_EQ(s->sample(Setting::Linear)->palette().color(QPalette::WindowText), QColor(1, 2, 3));
  answer(std::nullopt);
  click(s->customButton(Setting::Linear));
  answer(std::nullopt);
  click(s->customButton(Setting::Sum));
  EXPECT_EQ(seen, (QStringList{"ColorDialog1 #000000", "ColorDialog1 #010203", "ColorDialog7 #000000"}));
  EXPECT_EQ(s->picker(Setting::Sum)->currentText(), "Türkiz");
  click(s->SpeedButton1);
  expectStoredAndBack();
  EXPECT_EQ(st().settings.ColorLinear, 0x030201u);
  EXPECT_EQ(st().settings.ColorSum, DefaultColorSum);
}

TEST_F(SettingsWindowTest, QuickViewShowsTheChoiceWhenItsModeSaysSo) {
  TForm9& quick = app->quickViewWindow();
  open();
  choose(Setting::Grid, QStringLiteral("Sárga"));
  EXPECT_FALSE(quick.isVisible());  // "Soha"
  choose(Setting::QuickView, QStringLiteral("Módosításkor"));
  click(s->SpeedButton1);
  expectStoredAndBack();

  EXPECT_EQ(st().settings.ColorGrid, 0x00FFFFu);

  open();
  EXPECT_FALSE(quick.isVisible());
  choose(Setting::Grid, QStringLiteral("Kék"));
  ASSERT_TRUE(quick.isVisible());
  EXPECT_EQ(quick.windowTitle(), "Gyorsnézet");
  EXPECT_EQ(quick.size(), QSize(201, 201));
  const QImage picture = quick.picture();
  EXPECT_EQ(picture.pixel(4, 198), qRgb(0, 0, 255));
  EXPECT_EQ(picture.pixel(100, 198), qRgb(0, 0, 0));
  EXPECT_EQ(picture.pixel(20, 176), qRgb(255, 0, 0));  // the linear sample in red
  EXPECT_TRUE(QTest::qWaitForWindowActive(s));  // the settings window keeps the focus

  click(s->SpeedButton2);
  EXPECT_FALSE(quick.isVisible());
  EXPECT_EQ(st().settings.ColorGrid, 0x00FFFFu);
}

TEST_F(SettingsWindowTest, ContextMenuOpensItsHelpTopic) {
  QStringList topics;
  app->helpHook = [&](const QString& topic) { topics << topic; };
  open();
  ASSERT_EQ(s->contextMenu()->actions().size(), 1);
  EXPECT_EQ(s->contextMenu()->actions()[0]->text(), "Súgó");
  s->contextMenu()->actions()[0]->trigger();
  EXPECT_EQ(topics, QStringList{"Program beállítása"});
}

// After a restart the labels show the stored settings, the pickers their own
// texts.
class StoredSettingsTest : public SettingsWindowTest {
 public:
  void beforeStart() override {
    PlotState stored;
    stored.settings.SampleStep = 1.0;
    stored.settings.OptimizeOn = false;
    stored.settings.SoundOn = true;
    stored.settings.AuxLinesOn = true;
    stored.settings.ColorQuadratic = 0x808080;
    stored.settings.QuickViewMode = 2;
    QFile f(SettingsFileName);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(recordBytes(stored));
  }
};

TEST_F(StoredSettingsTest, LabelsShowTheFileAfterARestart) {
  EXPECT_EQ(st().settings.SampleStep, 1.0);  // optimisation off: the stored step
  EXPECT_EQ(w->swatchColor(Kind::Quadratic), 0x808080u);
  open();
  EXPECT_EQ(label(StateLabel::Source), "Fájlból");
  EXPECT_EQ(label(StateLabel::Precision), "Pontatlan");
  EXPECT_EQ(label(StateLabel::Sound), "Be");
  EXPECT_EQ(label(StateLabel::AuxLines), "Be");
  EXPECT_EQ(label(StateLabel::QuickView), "Mindig");
  EXPECT_TRUE(!s->customButton(Setting::AuxColor)->isHidden());
  EXPECT_EQ(s->picker(Setting::Step)->currentText(), "Pontos");
  EXPECT_EQ(s->picker(Setting::Quadratic)->currentText(), "Zöld");
  EXPECT_TRUE(app->quickViewWindow().isVisible());  // "Mindig"
  EXPECT_EQ(app->quickViewWindow().picture().pixel(100, 96), qRgb(128, 128, 128));
  click(s->SpeedButton2);
  EXPECT_FALSE(app->quickViewWindow().isVisible());
}

}  // namespace
}  // namespace graf::testing
