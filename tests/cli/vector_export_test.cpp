// SPDX-License-Identifier: MIT
// "grafolin --export lap.svg" and "lap.pdf" as a user runs them over SSH:
// the SVG read back as XML holds one polyline per curve piece through the
// sampled points and the axis numbers as texts; the PDF is one page; a target
// that cannot be written, a full disk or a pipe keep what was there; a
// mistaken line writes nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "export/set_export.h"
#include "tests/support/file_limits.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

class VectorExport : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir here = QDir::current();
    const QString name = QString::fromStdString(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(here.mkpath(name));
    ASSERT_TRUE(QDir::setCurrent(here.filePath(name)));
    set = setRecord(fourKinds());
    ASSERT_TRUE(writeFile("parabola.fv", set));
  }
  void TearDown() override { QDir::setCurrent(QDir::current().absoluteFilePath("..")); }

  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  std::vector<std::uint8_t> set;
};

// Text that sets a pixel at its corner, so that the numbers can be seen on a
// picture without any font.
class CornerText : public TextRenderer {
 public:
  void drawText(Raster& raster, int x, int y, const std::string&, Color, bool, Color) override {
    raster.setPixel(x, y, 0x0000FF);
  }
};

struct SvgContent {
  QString viewBox;
  std::vector<std::vector<PicturePoint>> polylines;
  std::vector<QString> strokes;  // of each polyline, from it or the group around it
  struct Text {
    double x, y;
    QString text;
  };
  std::vector<Text> texts;
  QString error;
};

SvgContent readSvg(const QByteArray& bytes) {
  SvgContent svg;
  QXmlStreamReader xml(bytes);
  std::vector<QString> strokeStack;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement()) strokeStack.pop_back();
    if (!xml.isStartElement()) continue;
    const QXmlStreamAttributes a = xml.attributes();
    const QString stroke = a.hasAttribute("stroke") ? a.value("stroke").toString()
                                                    : (strokeStack.empty() ? QString() : strokeStack.back());
    strokeStack.push_back(stroke);
    if (xml.name() == QLatin1String("svg")) svg.viewBox = a.value("viewBox").toString();
    if (xml.name() == QLatin1String("polyline")) {
      std::vector<PicturePoint> points;
      for (const QString& pair : a.value("points").toString().split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(',');
        if (xy.size() != 2)
          svg.error = "a point that is not x,y: " + pair;
        else
          points.push_back({xy[0].toDouble(), xy[1].toDouble()});
      }
      svg.polylines.push_back(points);
      svg.strokes.push_back(stroke);
    }
    if (xml.name() == QLatin1String("text")) {
      const double x = a.value("x").toDouble(), y = a.value("y").toDouble();
      svg.texts.push_back({x, y, xml.readElementText()});
      strokeStack.pop_back();  // readElementText consumed the end
    }
  }
  if (xml.hasError()) svg.error = xml.errorString();
  return svg;
}

// Numbers as SVG writes them keep six digits: points far outside the picture
// come back to within that much.
bool samePoint(const PicturePoint& svg, const PicturePoint& drawn) {
  const auto same = [](double a, double b) { return a == b || std::fabs(a - b) <= 1e-5 * std::fabs(b); };
  return same(svg.column, drawn.column) && same(svg.row, drawn.row);
}

QString svgColour(Color c) {
  return QStringLiteral("#%1%2%3")
      .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
      .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
      .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

TEST_F(VectorExport, TheSvgHoldsEachCurvePieceThroughItsSamplesAndTheNumbersAsTexts) {
  struct Case {
    int zoom;
    QString pan;
    int right, up;
    bool numbers;
  };
  const Case cases[] = {{4, "0,0", 0, 0, true}, {1, "0,0", 0, 0, false}, {8, "-2,3", -2, 3, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(QStringLiteral("zoom %1 pan %2").arg(c.zoom).arg(c.pan).toStdString());
    QStringList line = {"--export", "lap.svg", "--zoom", QString::number(c.zoom), "--pan", c.pan};
    if (c.numbers) line << "--numbers";
    const ProgramRun run = runGrafolin(line << "parabola.fv");
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");

    // The same load and view in this process: the pieces and the texts.
    ExportView view;
    view.zoom = c.zoom;
    view.right = c.right;
    view.up = c.up;
    view.numbers = c.numbers;
    CornerText corner;
    view.text = &corner;
    Raster picture;
    PictureDrawing drawing;
    const SetPicture shown = pictureOfSet(PlotState{}, set, picture, view, &drawing);
    ASSERT_TRUE(shown.loaded && shown.drawn);

    const SvgContent svg = readSvg(read("lap.svg"));
    ASSERT_EQ(svg.error, "");
    EXPECT_EQ(svg.viewBox, "0 0 393 321");
    std::vector<CurvePiece> pieces;
    std::vector<Color> colours;
    for (const PictureCurve& curve : drawing.curves)
      for (const CurvePiece& piece : clippedToPicture(curve.pieces)) {
        pieces.push_back(piece);
        colours.push_back(curve.color);
      }
    ASSERT_EQ(drawing.curves.size(), 4u);
    ASSERT_EQ(svg.polylines.size(), pieces.size()) << "one polyline per piece within the picture";
    int fractional = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      ASSERT_EQ(svg.polylines[i].size(), pieces[i].size()) << "piece " << i;
      for (std::size_t k = 0; k < pieces[i].size(); ++k) {
        const PicturePoint& p = svg.polylines[i][k];
        ASSERT_TRUE(samePoint(p, pieces[i][k])) << "piece " << i << " point " << k;
        ASSERT_TRUE(p.column >= -1 && p.column <= Raster::Width && p.row >= -1 && p.row <= Raster::Height)
            << "piece " << i << " point " << k << " lies outside the picture";
        fractional += p.column != std::nearbyint(p.column) || p.row != std::nearbyint(p.row);
      }
      EXPECT_EQ(svg.strokes[i], svgColour(colours[i])) << "piece " << i;
    }
    EXPECT_GT(fractional, 10) << "the curves run through their samples, not through whole pixels";
    // Every number whose corner lies on the picture is written, in order;
    // what is left out lies off the picture.
    const std::vector<PictureText> texts = allTexts(drawing);
    EXPECT_EQ(svg.texts.empty(), !c.numbers);
    std::size_t next = 0;
    for (const PictureText& t : texts) {
      const bool onPicture = t.column >= 0 && t.column < Raster::Width && t.row >= 0 && t.row < Raster::Height;
      const bool written = next < svg.texts.size() && svg.texts[next].text.toStdString() == t.text &&
                           svg.texts[next].x == t.column && svg.texts[next].y > t.row &&
                           svg.texts[next].y < t.row + 40;  // the baseline, the font's ascent below the top
      if (written) ++next;
      EXPECT_TRUE(written || !onPicture) << t.text << " at " << t.column << "," << t.row << " is left out";
    }
    EXPECT_EQ(next, svg.texts.size()) << "every text written is a text of the picture, in order";
  }
}

// A far view writes the numbers that can be seen, not the thousands along
// the whole axis that the picture draws beyond its edges.
TEST_F(VectorExport, AFarViewWritesOnlyTheNumbersOnThePicture) {
  const ProgramRun run = runGrafolin({"--export", "messze.svg", "--pan", "0,10000", "--numbers", "parabola.fv"});
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  const SvgContent svg = readSvg(read("messze.svg"));
  ASSERT_EQ(svg.error, "");

  ExportView view;
  view.up = 10000;
  view.numbers = true;
  CornerText corner;
  view.text = &corner;
  Raster picture;
  PictureDrawing drawing;
  ASSERT_TRUE(pictureOfSet(PlotState{}, set, picture, view, &drawing).drawn);
  const std::vector<PictureText> texts = allTexts(drawing);
  int onPicture = 0;
  for (const PictureText& t : texts)
    onPicture += t.column >= 0 && t.column < Raster::Width && t.row >= 0 && t.row < Raster::Height;
  ASSERT_GT(texts.size(), 1000u) << "the numbers run along the whole axis";
  EXPECT_GE(static_cast<int>(svg.texts.size()), onPicture);
  EXPECT_LT(svg.texts.size(), static_cast<std::size_t>(onPicture) + 10);
  for (const SvgContent::Text& t : svg.texts)
    EXPECT_TRUE(t.x > -200 && t.x < Raster::Width && t.y > 0 && t.y < Raster::Height + 40) << t.text.toStdString();
}

TEST_F(VectorExport, ThePdfIsOnePageOfA4) {
  const ProgramRun run = runGrafolin({"--export", "lap.PDF", "--zoom", "4", "--numbers", "parabola.fv"});
  ASSERT_TRUE(run.finished);
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(read("lap.PDF").left(5), "%PDF-");
  const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
  if (pdfinfo.isEmpty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed: the page count is not read";
  QProcess info;
  info.start(pdfinfo, {"lap.PDF"});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString said = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
  EXPECT_TRUE(said.contains(QRegularExpression("Pages:\\s+1\\n"))) << said.toStdString();
  EXPECT_TRUE(said.contains("(A4)")) << said.toStdString();
}

// A folder that cannot be written, a full disk and a pipe: status 1, the file
// and the reason named, and what was there stays.
TEST_F(VectorExport, AFileThatCannotBeWrittenKeepsWhatWasThere) {
  for (const char* old : {"regi.svg", "regi.pdf"}) {
    QFile f(old);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old picture");
  }
  makeNamedPipe("cso.svg");
  makeNamedPipe("cso.pdf");
  const QString full = QStringLiteral("a fájl túl nagy");
  const struct {
    const char* name;
    QString reason;
    bool fullDisk;
  } cases[] = {
      {"nincs/ilyen/lap.svg", "", false},
      {"nincs/ilyen/lap.pdf", "", false},
      {"regi.svg", full, true},
      {"regi.pdf", full, true},
      {"cso.svg", "nem közönséges fájl", false},
      {"cso.pdf", "nem közönséges fájl", false},
  };
  const std::string before = folderListing(".");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramRun run;
    if (c.fullDisk) {
      FileSizeLimit limit(1000);  // the program started now inherits it
      run = runGrafolin({"--export", c.name, "--numbers", "parabola.fv"});
    } else {
      run = runGrafolin({"--export", c.name, "parabola.fv"});
    }
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith("grafolin: " + QString::fromLatin1(c.name) + ": a kép nem írható: "))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(c.reason)) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(folderListing("."), before);
  EXPECT_EQ(read("regi.svg"), "old picture");
  EXPECT_EQ(read("regi.pdf"), "old picture");
  EXPECT_TRUE(std::filesystem::is_fifo("cso.svg"));
}

TEST_F(VectorExport, AMistakenLineIsAUsageErrorThatWritesNothing) {
  const std::vector<std::pair<QStringList, const char*>> cases = {
      {{"--export", "lap.svgz", "parabola.fv"},
       "grafolin: lap.svgz: a kép neve \".bmp\", \".png\", \".svg\" vagy \".pdf\" végű legyen"},
      {{"--export", "lap.svg", "--scale", "2", "parabola.fv"},
       "grafolin: a --scale csak bitképhez és PNG-képhez adható meg: az SVG és a PDF rajz mérete tetszőlegesen "
       "nagyítható"},
      {{"--export", "lap.pdf", "--zoom", "3", "parabola.fv"}, "grafolin: a nagyítás 1, 2, 4 vagy 8 lehet, nem 3"},
      {{"--export", "lap.svg", "--pan", "-6,0", "parabola.fv"},
       "grafolin: vízszintesen legfeljebb 5 lépés tolható el (-5…5), nem -6"},
      {{"--export", "lap.pdf", "--scale", "9", "parabola.fv"},
       "grafolin: a méretezés 1 és 8 közötti egész lehet, nem 9"},
  };
  const std::string before = folderListing(".");
  for (const auto& [arguments, message] : cases) {
    const ProgramRun run = runGrafolin(arguments);
    ASSERT_TRUE(run.finished) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.err, QString::fromUtf8(message) + "\nA kapcsolók leírása: grafolin --help\n");
  }
  EXPECT_EQ(folderListing("."), before);
}

}  // namespace
}  // namespace graf::testing
