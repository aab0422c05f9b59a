// SPDX-License-Identifier: MIT
// The command line's pictures against the running program's: sets loaded
// into the real main window and saved with Ctrl+S give the same pixels as
// "grafolin --export" and "grafolin --export-dir" on the same files, run
// without any display. Both start in a folder whose settings file has colours
// of its own, and find a stored clock of 800 MHz, which chooses the sampling
// step 0.5.
#include <QDir>
#include <QImage>
#include <cstdlib>
#include <QFileInfo>
#include <QPushButton>

#include "functionsets/ui/ttoltmentablak.h"
#include "platform/clock_store.h"
#include "settings/settings_record.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

class CommandLineExport : public GuiTest {
 protected:
  CommandLineExport() { clockStore.values[kClockValueName] = "800"; }
  void SetUp() override {
    // A folder of its own, with a settings file, before the program starts.
    const QString folder = QStringLiteral("parancssor");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir::setCurrent(folder));
    PlotState stored;
    stored.settings.ColorLinear = 0x123456;
    stored.settings.ColorQuadratic = 0x00FFFF;
    stored.settings.ColorQuadratic2 = 0x800080;
    stored.settings.ColorAbsolute = 0x000000;
    stored.settings.ColorGrid = 0xFFC0C0;
    stored.settings.SampleStep = 1.0;  // the clock's step replaces it
    SettingsRecord record{};
    fillRecord(stored, record);
    ASSERT_TRUE(writeFile(QStringLiteral("beallit.ini"), {record.begin(), record.end()}));

    GuiTest::SetUp();
    // The same clock in the per-user store, where the command line reads it.
    ASSERT_EQ(platform::SettingsClockStore().writeText(kClockValueName, "800"), "");
    ASSERT_EQ(st().settings.SampleStep, 0.5);
    ASSERT_EQ(st().settings.ColorLinear, 0x123456u);
  }
  void TearDown() override {
    GuiTest::TearDown();
    QDir::setCurrent(QStringLiteral(".."));
  }
  // Loads a set file through the save/load window and acknowledges it.
  void loadInWindow(const QString& name) {
    key(Qt::Key_M, Qt::ControlModifier);
    Ttoltmentablak& window = app->saveLoadWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.openDialog = [name] { return QDir::current().absoluteFilePath(name); };
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Button4")), Qt::LeftButton);
    ASSERT_FALSE(window.isVisible());
  }
  // Saves the main window's picture with Ctrl+S.
  void saveWindowPicture(const QString& name) {
    w->askPictureFileName = [name] { return QDir::current().absoluteFilePath(name); };
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFileInfo::exists(name));
  }
};

TEST_F(CommandLineExport, TheCommandLineWritesThePixelsOfTheProgramsOwnExport) {
  const std::vector<std::pair<QString, std::vector<SampleFunction>>> sets = {
      {QStringLiteral("egy.fv"), oneFunction()},
      {QStringLiteral("negyfele.fv"), fourKinds()},
      {QStringLiteral("otven.fv"), fiftyFunctions()},
  };
  QStringList all;
  for (const auto& [name, fns] : sets) {
    SCOPED_TRACE(name.toStdString());
    ASSERT_TRUE(writeFile(name, setRecord(fns)));
    all << name;
    const QString base = QFileInfo(name).completeBaseName();

    loadInWindow(name);
    ASSERT_EQ(st().table.FunctionCount, fns.size());
    if (fns.size() == 50) {
      const auto seen = boxes.take();
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_EQ(seen[0].text, "Függvényábrázolási maximum elérve!");
    }
    saveWindowPicture(base + "-ablak.bmp");
    saveWindowPicture(base + "-ablak.png");
    const QImage fromWindow = pictureFile(base + "-ablak.bmp");
    ASSERT_EQ(fromWindow.size(), QSize(393, 321));
    EXPECT_EQ(pixelDifferences(pictureFile(base + "-ablak.png"), fromWindow), 0);

    for (const QString& picture : {base + "-parancs.bmp", base + "-parancs.PNG"}) {
      const ProgramRun run = runGrafolin({QStringLiteral("--export"), picture, name});
      ASSERT_TRUE(run.finished) << picture.toStdString();
      EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
      EXPECT_EQ(pixelDifferences(pictureFile(picture), fromWindow), 0) << picture.toStdString();
    }
    // The bitmap is the same file, byte for byte.
    QFile a(base + "-ablak.bmp"), b(base + "-parancs.bmp");
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_TRUE(a.readAll() == b.readAll()) << "the two bitmaps differ";
  }

  const ProgramRun run = runGrafolin(QStringList{QStringLiteral("--export-dir"), QStringLiteral("kepek")} + all);
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  for (const auto& [name, fns] : sets) {
    const QString base = QFileInfo(name).completeBaseName();
    EXPECT_EQ(pixelDifferences(pictureFile("kepek/" + base + ".png"), pictureFile(base + "-ablak.bmp")), 0)
        << base.toStdString();
  }
}

// Hand-made sets with coefficients beyond −100..100, in the window and on the
// command line: an earlier function's steep line is drawn; a last function
// out of range is withdrawn with the message a typed one gets, and the
// others are shown and written. Neither is refused.
TEST_F(CommandLineExport, HandMadeSetsWithLargerCoefficientsLoadAlikeInTheWindowAndOnTheCommandLine) {
  const struct {
    const char* name;
    std::vector<SampleFunction> fns;
    std::size_t left;     // functions left after the load
    const char* message;  // of the load, or nothing
  } cases[] = {
      {"meredek.fv", {{Kind::Linear, 150, 2, 0}, {Kind::Quadratic, 1, 0, -20}}, 2, nullptr},
      {"tavoli.fv", {{Kind::Linear, 1, 2, 0}, {Kind::AbsoluteValue, -1, 300, 5}}, 1,
       "Ezt még át kéne egyszer gondolni!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString name = QString::fromLatin1(c.name);
    ASSERT_TRUE(writeFile(name, setRecord(c.fns)));
    loadInWindow(name);
    EXPECT_EQ(st().table.FunctionCount, c.left);
    const auto seen = boxes.take();
    if (c.message) {
      ASSERT_EQ(seen.size(), 1u);
      EXPECT_EQ(seen[0].text, c.message);
    } else {
      EXPECT_TRUE(seen.empty());
    }
    const QString base = QFileInfo(name).completeBaseName();
    saveWindowPicture(base + "-ablak.bmp");
    const QImage fromWindow = pictureFile(base + "-ablak.bmp");

    const ProgramRun run = runGrafolin({QStringLiteral("--export"), base + "-parancs.png", name});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, c.message ? "grafolin: " + name + ": " + QString::fromUtf8(c.message) + "\n" : QString());
    EXPECT_EQ(pixelDifferences(pictureFile(base + "-parancs.png"), fromWindow), 0);
    if (!c.message) {
      // y = 150x + 2 at x = 0 lies on row 152 of the y axis's column.
      EXPECT_EQ(fromWindow.pixel(205, 152) & 0xFFFFFF, 0x563412u) << "the steep line in its colour";
    }
  }
}

// The window after the zoom button, the pan buttons and "123", against the
// command line's --zoom, --pan and --numbers; --scale enlarges that picture
// without changing a pixel, and a PNG is an 8-bit palette image.
TEST_F(CommandLineExport, TheViewsOfTheButtonsAreTheViewsOfTheCommandLine) {
  ASSERT_TRUE(writeFile(QStringLiteral("negyfele.fv"), setRecord(fourKinds())));
  struct View {
    int zoom, right, up;
    bool numbers;
  };
  const View views[] = {{4, 0, 0, true}, {2, 2, -1, false}, {8, -5, 3, true}, {1, 5, 4, true}};
  ManualTicks onlyTheTestTicks(repeatTimer());
  const auto press = [&](const char* name, int times) {
    for (int i = 0; i < times; ++i) {
      QTest::mousePress(button(name), Qt::LeftButton);
      onlyTheTestTicks.tick();
      QTest::mouseRelease(button(name), Qt::LeftButton);
    }
  };
  int n = 0;
  for (const View& v : views) {
    const QString pan = QStringLiteral("%1,%2").arg(v.right).arg(v.up);
    SCOPED_TRACE(QStringLiteral("zoom %1, pan %2%3").arg(v.zoom).arg(pan, v.numbers ? ", numbers" : "").toStdString());
    // Back to the view of a fresh start, then the set and the buttons.
    while (st().view.ZoomFactor != 1) QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);
    QTest::mouseClick(button("Button8"), Qt::LeftButton);
    loadInWindow(QStringLiteral("negyfele.fv"));
    ASSERT_EQ(st().view.PanX, 0);
    while (st().view.ZoomFactor != v.zoom) QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);
    press(v.right > 0 ? "Button5" : "Button6", std::abs(v.right));
    press(v.up > 0 ? "Button2" : "Button7", std::abs(v.up));
    ASSERT_EQ(st().view.PanX, -32 * v.right);
    ASSERT_EQ(st().view.PanY, 32 * v.up);
    if (v.numbers) QTest::mouseClick(button("Button11"), Qt::LeftButton);
    const QString base = QStringLiteral("nezet%1").arg(++n);
    saveWindowPicture(base + "-ablak.bmp");
    saveWindowPicture(base + "-ablak.svg");
    const QImage fromWindow = pictureFile(base + "-ablak.bmp");

    QStringList options = {QStringLiteral("--zoom"), QString::number(v.zoom), QStringLiteral("--pan"), pan};
    if (v.numbers) options << QStringLiteral("--numbers");
    for (const QString& picture : {base + "-parancs.bmp", base + "-parancs.png"}) {
      const ProgramRun run = runGrafolin(QStringList{QStringLiteral("--export"), picture} + options +
                                         QStringList{QStringLiteral("negyfele.fv")});
      ASSERT_TRUE(run.finished);
      EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
      EXPECT_EQ(pixelDifferences(pictureFile(picture), fromWindow), 0) << picture.toStdString();
    }
    EXPECT_EQ(QImage(base + "-parancs.png").format(), QImage::Format_Indexed8);
    // The same view as a drawing: the window's SVG is the command line's, byte for byte.
    const ProgramRun svg = runGrafolin(QStringList{QStringLiteral("--export"), base + "-parancs.svg"} + options +
                                       QStringList{QStringLiteral("negyfele.fv")});
    ASSERT_TRUE(svg.finished);
    EXPECT_EQ(svg.exitCode, 0) << svg.err.toStdString();
    QFile windowSvg(base + "-ablak.svg"), lineSvg(base + "-parancs.svg");
    ASSERT_TRUE(windowSvg.open(QIODevice::ReadOnly) && lineSvg.open(QIODevice::ReadOnly));
    const QByteArray windowBytes = windowSvg.readAll();
    EXPECT_TRUE(windowBytes.contains("<polyline"));
    EXPECT_EQ(windowBytes.contains("<text"), v.numbers);
    const QList<QByteArray> a = windowBytes.split('\n'), b = lineSvg.readAll().split('\n');
    ASSERT_EQ(a.size(), b.size()) << "the two drawings differ";
    for (qsizetype i = 0; i < a.size(); ++i) ASSERT_EQ(a[i].toStdString(), b[i].toStdString()) << "line " << i;
    const ProgramRun folder = runGrafolin(QStringList{QStringLiteral("--export-dir"), base} + options +
                                          QStringList{QStringLiteral("negyfele.fv")});
    ASSERT_TRUE(folder.finished);
    EXPECT_EQ(folder.exitCode, 0) << folder.err.toStdString();
    EXPECT_EQ(pixelDifferences(pictureFile(base + "/negyfele.png"), fromWindow), 0);

    // Each pixel of the window's picture as a 3 × 3 block.
    const QString scaled = base + "-harom.png";
    const ProgramRun big = runGrafolin(QStringList{QStringLiteral("--export"), scaled, QStringLiteral("--scale"),
                                                   QStringLiteral("3")} +
                                       options + QStringList{QStringLiteral("negyfele.fv")});
    ASSERT_TRUE(big.finished);
    EXPECT_EQ(big.exitCode, 0) << big.err.toStdString();
    const QImage enlarged = pictureFile(scaled);
    ASSERT_EQ(enlarged.size(), QSize(3 * 393, 3 * 321));
    int wrong = 0;
    for (int y = 0; y < enlarged.height(); ++y)
      for (int x = 0; x < enlarged.width(); ++x)
        wrong += enlarged.pixel(x, y) != fromWindow.pixel(x / 3, y / 3);
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
}  // namespace graf::testing
