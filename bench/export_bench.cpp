// SPDX-License-Identifier: MIT
// Writing the picture of a 50-function set as the command line does it, into
// memory (the disk left out): load, view (4x with the axis numbers, sampling
// every 0.1), then a PNG at scale 1 and 4, an SVG and a PDF. The SVG and the
// PDF include finding the drawing (painted once more and compared with the
// picture).
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QGuiApplication>

#include "export/set_export.h"
#include "picture/ui/picture_file.h"
#include "picture/ui/raster_text.h"
#include "picture/ui/vector_picture.h"
#include "tests/support/sample_sets.h"

namespace {

using namespace graf;

struct Worksheet {
  std::vector<std::uint8_t> set = testing::setRecord(testing::fiftyFunctions());
  ui::RasterTextRenderer text;
  ExportView view;
  Worksheet() {
    view.zoom = 4;
    view.numbers = true;
    view.text = &text;
  }
};

bool needsApplication(benchmark::State& state) {
  if (QGuiApplication::instance()) return false;
  state.SkipWithError("the picture's texts need a QGuiApplication");
  return true;
}

// The load and the view alone, the part every format shares.
void BM_ExportLoadOnly(benchmark::State& state) {
  if (needsApplication(state)) return;
  Worksheet w;
  for (auto _ : state) {
    Raster picture;
    if (!pictureOfSet(PlotState{}, w.set, picture, w.view).loaded) state.SkipWithError("set refused");
    benchmark::DoNotOptimize(picture.data());
  }
}
BENCHMARK(BM_ExportLoadOnly)->Unit(benchmark::kMillisecond);

void BM_ExportPng(benchmark::State& state) {
  if (needsApplication(state)) return;
  Worksheet w;
  const int scale = static_cast<int>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    Raster picture;
    if (!pictureOfSet(PlotState{}, w.set, picture, w.view).loaded) state.SkipWithError("set refused");
    const QByteArray png = ui::encodePicture(picture, PictureFormat::Png, scale);
    bytes = static_cast<std::size_t>(png.size());
    benchmark::DoNotOptimize(png.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportPng)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

void drawingExport(benchmark::State& state, PictureFormat format) {
  if (needsApplication(state)) return;
  Worksheet w;
  std::size_t bytes = 0;
  for (auto _ : state) {
    Raster picture;
    PictureDrawing drawing;
    const SetPicture shown = pictureOfSet(PlotState{}, w.set, picture, w.view, &drawing);
    if (!shown.loaded || !shown.drawn) state.SkipWithError("no drawing");
    const QByteArray file = ui::encodeDrawing(drawing, format);
    bytes = static_cast<std::size_t>(file.size());
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ExportSvg(benchmark::State& state) { drawingExport(state, PictureFormat::Svg); }
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);

void BM_ExportPdf(benchmark::State& state) { drawingExport(state, PictureFormat::Pdf); }
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);

}  // namespace
