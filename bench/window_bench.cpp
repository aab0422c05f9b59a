// SPDX-License-Identifier: MIT
// What a user waits for in the windows, offscreen: F5 in the main window
// holding a table of 50 functions, from the command to the picture painted
// into the window's backing store (BM_WindowRedraw/<table>, partner
// BM_FullRedraw/<table>/1), and a load of a 49- and a 50-function set
// through the load window, from the chosen file to the picture painted
// (BM_LoadSet/<n>, partner BM_WindowRedraw/mixed). A message box (the
// maximum of 50) is answered at once, as by a user who needs no time.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QWindow>
#include <memory>
#include <string>

#include "app/ui/application.h"
#include "bench/bench_program.h"
#include "bench/bench_tables.h"
#include "functionsets/ui/tbetoltesablak.h"
#include "functionsets/ui/ttoltmentablak.h"
#include "main/ui/tfoablak.h"
#include "picture/ui/picture_widget.h"
#include "platform/files.h"
#include "common/ui/ui_support.h"
#include "startup/clock.h"
#include "startup/ui/tinduloablak.h"
#include "tests/support/fake_startup.h"
#include "tests/support/sample_sets.h"

namespace graf::bench {

namespace {

// Counts the paints of one widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

struct Program {
  testing::FakeClockStore store;
  testing::FakeClockMeter meter;
  std::unique_ptr<ui::GrafolinApp> app;
  ui::Tfoablak* main = nullptr;
  ui::PictureWidget* picture = nullptr;
  QAction* plot = nullptr;  // F5
  int messages = 0;
  std::string lastMessage;
  PaintCounter paints;

  // Empty when the program could not be started; then `failure` says why.
  std::string failure;

  Program() {
    store.values[kClockValueName] = "2400";
    app = std::make_unique<ui::GrafolinApp>(ui::ClockPlatform{&store, &meter});
    app->notifier().setAnswerer([this](MessageType, const std::string& text) {
      ++messages;
      lastMessage = text;
    });
    main = &app->mainWindow();
    // The main window appears when the event loop runs; the start-up then
    // completes at the splash's first tick.
    for (int i = 0; i < 1000 && !main->isVisible(); ++i) QApplication::processEvents();
    app->splashWindow().Timer1Timer();
    for (int i = 0; i < 1000 && !(main->windowHandle() && main->windowHandle()->isExposed()); ++i)
      QApplication::processEvents();
    if (!app->startup().completed() || !main->windowHandle() || !main->windowHandle()->isExposed()) {
      failure = "the main window did not start";
      return;
    }
    picture = main->findChild<ui::PictureWidget*>(QStringLiteral("Image1"));
    plot = main->findChild<QAction*>(QStringLiteral("Abrazol"));
    if (!picture || !plot) {
      failure = "no picture or no F5 command";
      return;
    }
    picture->installEventFilter(&paints);
  }

  // The picture as the window painted it, against the raster.
  bool showsThePicture() const {
    const QImage shown = picture->grab().toImage();
    for (int y = 0; y < Raster::Height; ++y)
      for (int x = 0; x < Raster::Width; ++x)
        if (shown.pixel(x, y) != ui::toQRgb(app->picture().pixel(x, y))) return false;
    return true;
  }
};

std::unique_ptr<Program> program;

Program* programFor(benchmark::State& state) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    state.SkipWithError("the windows need a QApplication");
    return nullptr;
  }
  if (!program) program = std::make_unique<Program>();
  if (!program->failure.empty()) {
    state.SkipWithError(program->failure.c_str());
    return nullptr;
  }
  return program.get();
}

// What a timed step left for the event loop (the other windows' paints) is
// done outside the timing, as the loop would do it between two key presses.
void settle(benchmark::State& state) {
  state.PauseTiming();
  QApplication::processEvents();
  state.ResumeTiming();
}

void windowRedraw(benchmark::State& state, Table table) {
  Program* p = programFor(state);
  if (!p) return;
  p->app->commands().clearAll();
  PlotState& st = p->app->state();
  const PlotState held = table.make(1);
  st.table = held.table;
  st.settings.SampleStep = held.settings.SampleStep;
  p->plot->trigger();  // lists the table's last function once
  QApplication::processEvents();
  p->messages = 0;
  p->paints.paints = 0;
  for (auto _ : state) {
    p->plot->trigger();
    p->picture->repaint();
    settle(state);
  }
  const auto n = static_cast<int>(state.iterations());
  if (p->messages != n || p->lastMessage != "Függvényábrázolási maximum elérve!")
    state.SkipWithError("F5 did not meet the maximum of 50 functions");
  else if (p->paints.paints < n)
    state.SkipWithError("the picture was not painted at every F5");
  else if (!p->showsThePicture())
    state.SkipWithError("the window does not show the picture");
  state.counters["paints"] = benchmark::Counter(p->paints.paints, benchmark::Counter::kAvgIterations);
}

void BM_LoadSet(benchmark::State& state) {
  Program* p = programFor(state);
  if (!p) return;
  const int count = static_cast<int>(state.range(0));
  std::vector<testing::SampleFunction> fns = testing::fiftyFunctions();
  fns.resize(static_cast<std::size_t>(count));
  const QString path = QStringLiteral("halmaz%1.fv").arg(count);
  const std::vector<std::uint8_t> record = testing::setRecord(fns);
  QString reason;
  if (!platform::writeWholeFile(path, QByteArray(reinterpret_cast<const char*>(record.data()),
                                                 static_cast<qsizetype>(record.size())),
                                &reason)) {
    state.SkipWithError("the set file cannot be written");
    return;
  }
  ui::Ttoltmentablak& window = p->app->saveLoadWindow();
  window.openDialog = [path] { return path; };
  window.open();
  auto* load = window.findChild<QPushButton*>(QStringLiteral("Button2"));
  if (!load) {
    state.SkipWithError("no button Tölt");
    return;
  }
  QApplication::processEvents();
  p->messages = 0;
  p->paints.paints = 0;
  for (auto _ : state) {
    load->click();
    p->picture->repaint();
    settle(state);
  }
  const auto n = static_cast<int>(state.iterations());
  const int boxes = count == MaxFunctions ? n : 0;
  if (p->messages != boxes)
    state.SkipWithError("unexpected message boxes");
  else if (p->app->state().table.FunctionCount != count)
    state.SkipWithError("the set was not loaded");
  else if (p->paints.paints < n)
    state.SkipWithError("the picture was not painted at every load");
  else if (!p->showsThePicture())
    state.SkipWithError("the window does not show the picture");
  window.close();
  QApplication::processEvents();
  state.counters["paints"] = benchmark::Counter(p->paints.paints, benchmark::Counter::kAvgIterations);
}

const bool registered = [] {
  for (const Table& t : Tables)
    benchmark::RegisterBenchmark((std::string("BM_WindowRedraw/") + t.name).c_str(), windowRedraw, t)
        ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_LoadSet", BM_LoadSet)->Arg(49)->Arg(50)->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace

void closeProgram() { program.reset(); }

}  // namespace graf::bench
