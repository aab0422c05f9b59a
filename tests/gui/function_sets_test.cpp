// SPDX-License-Identifier: MIT
// A function set saved and loaded back through the running program's own
// windows: the main window's table, fields, picture and the list all return.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "functionlist/ui/tfuggvenyablak.h"
#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

class FunctionSets : public GuiTest {
 protected:
  Ttoltmentablak& window() { return app->saveLoadWindow(); }
  void openWindow() {
    key(Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    EXPECT_FALSE(w->isEnabled()) << "the main window waits while the window is open";
  }
  void press(const char* name) {
    QPushButton* button = window().findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  std::vector<QString> rows() {
    std::vector<QString> out;
    for (int i = 0; i < app->functionListWindow().rowCount(); ++i) out.push_back(app->functionListWindow().rowText(i));
    return out;
  }
  std::vector<Color> pixels() { return {app->picture().data(), app->picture().data() + Raster::Width * Raster::Height}; }
};

TEST_F(FunctionSets, SavedSetComesBackIntoTheRunningProgram) {
  plot("2", "-1");
  key(Qt::Key_3, Qt::ControlModifier);
  plot("0.5", "1", "3");
  key(Qt::Key_1, Qt::ControlModifier);
  plot("-0.25", "4");
  const auto savedRows = rows();
  const auto savedPixels = pixels();
  ASSERT_EQ(savedRows.size(), 3u);

  openWindow();
  press("Button1");  // "Ment" with an automatic name
  EXPECT_TRUE(QFileInfo::exists("fuggvenyek1.fv"));
  EXPECT_FALSE(window().isVisible());
  EXPECT_TRUE(w->isEnabled());

  key(Qt::Key_F8);
  key(Qt::Key_2, Qt::ControlModifier);
  plot("9", "9", "9");
  ASSERT_EQ(st().table.FunctionCount, 1);

  openWindow();
  window().openDialog = [] { return QDir::current().absoluteFilePath("fuggvenyek1.fv"); };
  press("Button2");  // "Tölt"
  EXPECT_EQ(st().table.FunctionCount, 3);
  EXPECT_EQ(rows(), savedRows);
  EXPECT_EQ(pixels(), savedPixels);
  EXPECT_TRUE(option("RadioButton1")->isChecked());
  EXPECT_FALSE(edit("Edit3")->isEnabled());
  EXPECT_EQ(edit("Edit1")->text(), "-0.25");
  EXPECT_EQ(edit("Edit2")->text(), "4.00");
  EXPECT_EQ(panel(1), "Függvények száma: 3");
  press("Button4");  // "Betöltés OK"
  EXPECT_TRUE(w->isEnabled());
  EXPECT_EQ(pictureDifferences(), 0);
}


// The positions the progress bar was painted at, in order.
class BarPaints : public QObject {
 public:
  explicit BarPaints(QProgressBar* bar) : bar_(bar) { bar_->installEventFilter(this); }
  std::vector<int> positions;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) positions.push_back(bar_->value());
    return false;
  }

 private:
  QProgressBar* bar_;
};

// While a load draws, the bar is painted at most once a frame (16 ms),
// however many functions move it, and the window shows the bar's last
// position before it closes.
TEST_F(FunctionSets, TheProgressBarIsPaintedAtTheScreensPaceAndShowsItsLastPosition) {
  const struct {
    int count;
    int last;  // 50 div n per function read, then the rest divided by the functions counted, per function drawn
    bool maximum;
  } cases[] = {{49, 98, false}, {50, 100, true}, {7, 91, false}};
  openWindow();
  QProgressBar* bar = app->progressWindow().findChild<QProgressBar*>();
  ASSERT_NE(bar, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.count);
    std::vector<SampleFunction> fns = fiftyFunctions();
    fns.resize(static_cast<std::size_t>(c.count));
    const std::vector<std::uint8_t> record = setRecord(fns);
    QFile file(QStringLiteral("halmaz.fv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(record.data()), static_cast<qint64>(record.size()));
    file.close();
    window().openDialog = [] { return QDir::current().absoluteFilePath("halmaz.fv"); };
    // The progress window already on the screen, as on a slow load, so that
    // every paint of the load reaches it.
    app->progressWindow().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&app->progressWindow()));
    QCoreApplication::processEvents();
    BarPaints paints(bar);
    QElapsedTimer clock;
    clock.start();
    press("Button2");  // "Tölt"
    const qint64 ms = clock.elapsed();
    EXPECT_EQ(st().table.FunctionCount, c.count);
    EXPECT_EQ(app->progressWindow().progressPosition(), c.last);
    EXPECT_FALSE(app->progressWindow().isVisible());
    ASSERT_FALSE(paints.positions.empty());
    EXPECT_EQ(paints.positions.back(), c.last);
    // One paint a frame, one or two when a message box lets the event loop
    // run, and the last position.
    EXPECT_LE(static_cast<qint64>(paints.positions.size()), 3 + ms / ui::Tbetoltesablak::FrameMs)
        << "in " << ms << " ms";
    if (c.maximum) {
      EXPECT_EQ(boxes.take(), std::vector<SeenBox>{box("Information", "Függvényábrázolási maximum elérve!",
                                                         QMessageBox::Information)});
    }
  }
}

}  // namespace
}  // namespace graf::testing
