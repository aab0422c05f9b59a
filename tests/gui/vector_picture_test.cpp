// SPDX-License-Identifier: MIT
// Saving the picture as SVG or PDF with Ctrl+S: the drawing of what the
// window shows, a marked point's helper lines over it, and a full disk or a
// pipe keep what was there.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "tests/gui/gui_fixture.h"
#include "tests/support/file_limits.h"

namespace graf::testing {
namespace {

class VectorPicture : public GuiTest {
 protected:
  void saveAs(const QString& name) {
    w->askPictureFileName = [name] { return QDir::current().absoluteFilePath(name); };
    key(Qt::Key_S, Qt::ControlModifier);
  }
  static QByteArray read(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static int count(const QByteArray& svg, const QString& element) {
    QXmlStreamReader xml(svg);
    int n = 0;
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element) ++n;
    return xml.hasError() ? -1 : n;
  }
};

TEST_F(VectorPicture, ThePlotAndItsNumbersAsADrawing) {
  saveAs("semmi.svg");
  EXPECT_FALSE(QFileInfo::exists("semmi.svg")) << "no picture yet, nothing written";

  plot("1", "0");
  plot("-2", "5");
  saveAs("ket.svg");
  const QByteArray two = read("ket.svg");
  EXPECT_EQ(count(two, "polyline"), 2) << "two lines across the picture, one piece each";
  EXPECT_EQ(count(two, "text"), 0);

  QTest::mouseClick(button("Button11"), Qt::LeftButton);  // "123"
  saveAs("szamok.SVG");
  saveAs("szamok.pdf");
  const QByteArray numbered = read("szamok.SVG");
  EXPECT_EQ(count(numbered, "polyline"), 2);
  EXPECT_GT(count(numbered, "text"), 10);
  EXPECT_EQ(read("szamok.pdf").left(5), "%PDF-");
  EXPECT_TRUE(boxes.take().empty());

  // Cleared: the bare background.
  QTest::mouseClick(button("Button3"), Qt::LeftButton);
  ASSERT_EQ(st().table.FunctionCount, 0);
  saveAs("ures.svg");
  EXPECT_EQ(count(read("ures.svg"), "polyline"), 0);
  EXPECT_EQ(count(read("ures.svg"), "rect"), 1);
}

// The helper lines of a marked point: two pieces of two points each, in the
// helper lines' colour, and the point's coordinates as a text, over the plot.
TEST_F(VectorPicture, AMarkedPointIsWrittenOverThePlot) {
  st().settings.AuxLinesOn = true;
  st().settings.ColorAuxLines = 0x0000FF;  // red
  plot("1", "0");
  QTest::mouseMove(picture(), QPoint(245, 120));
  QTest::mouseClick(picture(), Qt::LeftButton, {}, QPoint(245, 120));
  saveAs("pont.svg");
  saveAs("pont.pdf");
  EXPECT_TRUE(boxes.take().empty());
  const QByteArray svg = read("pont.svg");
  EXPECT_EQ(count(svg, "polyline"), 3) << "the line, then the two helper lines";
  EXPECT_EQ(count(svg, "text"), 1);
  QXmlStreamReader xml(svg);
  int helperLines = 0;
  QString text;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    // The plotted line has a point for every sample, a helper line two.
    if (xml.name() == u"polyline" &&
        xml.attributes().value("points").trimmed().split(u' ', Qt::SkipEmptyParts).size() == 2)
      ++helperLines;
    if (xml.name() == u"text") text = xml.readElementText();
  }
  EXPECT_FALSE(xml.hasError());
  EXPECT_EQ(helperLines, 2);
  EXPECT_TRUE(svg.contains("stroke=\"#ff0000\"")) << "the helper lines' colour";
  EXPECT_TRUE(text.startsWith("(") && text.endsWith(")")) << text.toStdString();
  EXPECT_EQ(read("pont.pdf").left(5), "%PDF-");
  const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
  if (pdfinfo.isEmpty()) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed: the page count is not read";
  QProcess info;
  info.start(pdfinfo, {"pont.pdf"});
  ASSERT_TRUE(info.waitForFinished(30000));
  EXPECT_EQ(info.exitCode(), 0);
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));
}

TEST_F(VectorPicture, AFullDiskOrAPipeKeepsWhatWasThere) {
  plot("1", "0");
  saveAs("regi.svg");
  saveAs("regi.pdf");
  const QByteArray svg = read("regi.svg"), pdf = read("regi.pdf");
  ASSERT_GT(svg.size(), 1000);
  ASSERT_GT(pdf.size(), 1000);
  makeNamedPipe("cso.pdf");
  plot("2", "1");
  const struct {
    const char* name;
    QString reason;
  } cases[] = {
      {"regi.svg", QStringLiteral("a fájl túl nagy")},
      {"regi.pdf", QStringLiteral("a fájl túl nagy")},
      {"cso.pdf", QStringLiteral("nem közönséges fájl")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    {
      FileSizeLimit limit(1000);
      saveAs(QString::fromLatin1(c.name));
    }
    const auto seen = boxes.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(seen[0].text.contains(QString::fromLatin1(c.name))) << seen[0].text.toStdString();
    EXPECT_TRUE(seen[0].text.contains(c.reason)) << seen[0].text.toStdString();
  }
  EXPECT_EQ(read("regi.svg"), svg);
  EXPECT_EQ(read("regi.pdf"), pdf);
  EXPECT_EQ(folderListing("."), "cso.pdf regi.pdf regi.svg");
  EXPECT_TRUE(std::filesystem::is_fifo("cso.pdf"));
}

}  // namespace
}  // namespace graf::testing
