// SPDX-License-Identifier: MIT
// Saving the picture (Ctrl+S): the bitmap and the PNG file read back, the
// name's extension, the dialog's file types, a folder that cannot be written,
// and nothing before a picture.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "picture/ui/picture_dialog.h"
#include "picture/ui/picture_file.h"
#include <QBuffer>
#include <QImageWriter>
#include "tests/gui/gui_fixture.h"
#include "tests/support/file_limits.h"
#include "tests/support/program_run.h"

namespace graf::testing {
namespace {

class PictureExport : public GuiTest {
 protected:
  // Presses Ctrl+S and answers the save dialog with `name` (empty: cancel).
  void saveAs(const QString& name) {
    int asked = 0;
    w->askPictureFileName = [&] {
      ++asked;
      return name.isEmpty() ? QString() : QDir::current().absoluteFilePath(name);
    };
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked, 1);
  }
  static QByteArray read(const QString& name) {
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static quint32 u32(const QByteArray& b, int at) {
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24;
  }
};

TEST_F(PictureExport, NothingIsWrittenBeforeThePictureExists) {
  saveAs("ures.bmp");
  EXPECT_FALSE(QFileInfo::exists("ures.bmp"));
}

TEST_F(PictureExport, TheFileHoldsThePictureAsItShows) {
  plot("1", "0");
  QTest::mouseClick(button("Button11"), Qt::LeftButton);  // axis numbers belong to what is shown
  saveAs("kep.gif");  // any name but ".png": the data is a bitmap all the same
  const QByteArray b = read("kep.gif");
  ASSERT_EQ(b.size(), 54 + 1180 * 321);
  EXPECT_EQ(b.left(2), QByteArray("BM"));
  EXPECT_EQ(u32(b, 18), 393u);
  EXPECT_EQ(u32(b, 22), 321u);
  EXPECT_EQ(quint8(b[28]), 24);
  // Every pixel equals the raster's (rows bottom-up, blue-green-red).
  const Raster& pic = app->picture();
  int differences = 0;
  for (int y = 0; y < Raster::Height; ++y)
    for (int x = 0; x < Raster::Width; ++x) {
      const int at = 54 + (Raster::Height - 1 - y) * 1180 + 3 * x;
      const Color c = quint8(b[at]) << 16 | quint8(b[at + 1]) << 8 | quint8(b[at + 2]);
      if (c != pic.pixel(x, y)) ++differences;
    }
  EXPECT_EQ(differences, 0);
  // The numbers are part of it: "8" stands right of the y axis from (211, 122).
  bool numberShown = false;
  for (int y = 122; y < 134; ++y)
    for (int x = 211; x < 220; ++x) numberShown |= pic.pixel(x, y) == 0;
  EXPECT_TRUE(numberShown);
}

TEST_F(PictureExport, ANameEndingInPngGetsAPngOfTheSamePixels) {
  plot("0.5", "-2");
  key(Qt::Key_3, Qt::ControlModifier);
  plot("-1", "2", "3");
  QTest::mouseClick(button("Button11"), Qt::LeftButton);  // the axis numbers too
  for (const char* name : {"kep.png", "KEP2.PNG"}) {
    SCOPED_TRACE(name);
    saveAs(QString::fromLatin1(name));
    const QByteArray b = read(QString::fromLatin1(name));
    ASSERT_TRUE(b.startsWith("\x89PNG\r\n\x1a\n"));
    QImage image;
    ASSERT_TRUE(image.loadFromData(b, "png"));
    ASSERT_EQ(image.size(), QSize(Raster::Width, Raster::Height));
    int differences = 0;
    for (int y = 0; y < Raster::Height; ++y)
      for (int x = 0; x < Raster::Width; ++x) differences += image.pixel(x, y) != rasterPixel(x, y);
    EXPECT_EQ(differences, 0);
  }
  // Replacing a file keeps nothing of the old one.
  QFile old("regi.png");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(200000, 'x'));
  old.close();
  saveAs("regi.png");
  EXPECT_EQ(read("regi.png"), read("kep.png"));
}

TEST_F(PictureExport, TheDialogOffersBitmapFirstAndPngAndNamesTheTypeTyped) {
  std::unique_ptr<QFileDialog> dialog(ui::makePictureDialog(w));
  EXPECT_EQ(dialog->windowTitle(), "Függvény(ek) mentése képként");
  EXPECT_EQ(dialog->nameFilters(),
            (QStringList{"Bitkép (*.bmp)", "PNG-kép (*.png)", "SVG-rajz (*.svg)", "PDF-dokumentum (*.pdf)"}));
  EXPECT_EQ(dialog->defaultSuffix(), "BMP");
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  // The user picks a type in the dialog: a bare name gets its extension.
  emit dialog->filterSelected("PNG-kép (*.png)");
  EXPECT_EQ(dialog->defaultSuffix(), "png");
  emit dialog->filterSelected("SVG-rajz (*.svg)");
  EXPECT_EQ(dialog->defaultSuffix(), "svg");
  emit dialog->filterSelected("PDF-dokumentum (*.pdf)");
  EXPECT_EQ(dialog->defaultSuffix(), "pdf");
  emit dialog->filterSelected("Bitkép (*.bmp)");
  EXPECT_EQ(dialog->defaultSuffix(), "BMP");
  // The size: the picture's own pixels unless the user picks another.
  auto* scale = dialog->findChild<QComboBox*>("PictureScale");
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->count(), 8);
  EXPECT_EQ(ui::pictureDialogScale(dialog.get()), 1);
  scale->setCurrentIndex(3);
  EXPECT_EQ(ui::pictureDialogScale(dialog.get()), 4);
  // A drawing has no pixels to enlarge: the size waits for a bitmap or a PNG.
  for (const auto& [filter, enabled] : std::vector<std::pair<QString, bool>>{
           {"SVG-rajz (*.svg)", false}, {"PNG-kép (*.png)", true}, {"PDF-dokumentum (*.pdf)", false},
           {"Bitkép (*.bmp)", true}}) {
    emit dialog->filterSelected(filter);
    EXPECT_EQ(scale->isEnabled(), enabled) << filter.toStdString();
  }
}

// A scale chosen in the dialog writes each pixel as a block of that size, in
// both formats; the PNG is an 8-bit palette image of the same colours.
TEST_F(PictureExport, TheChosenScaleEnlargesEveryPixelExactly) {
  plot("1", "0");
  saveAs("egy.bmp");
  const QImage one = pictureFile("egy.bmp");
  for (const int n : {2, 4, 8}) {
    for (const char* type : {"bmp", "png"}) {
      const QString name = QStringLiteral("kep%1.%2").arg(n).arg(QLatin1String(type));
      w->askPictureFileName = [&] { return ui::PictureChoice(QDir::current().absoluteFilePath(name), n); };
      key(Qt::Key_S, Qt::ControlModifier);
      const QImage big = pictureFile(name);
      ASSERT_EQ(big.size(), QSize(393 * n, 321 * n)) << name.toStdString();
      int wrong = 0;
      for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) wrong += big.pixel(x, y) != one.pixel(x / n, y / n);
      EXPECT_EQ(wrong, 0) << name.toStdString();
    }
    EXPECT_EQ(QImage(QStringLiteral("kep%1.png").arg(n)).format(), QImage::Format_Indexed8);
  }
}

TEST_F(PictureExport, AFolderThatCannotBeWrittenKeepsTheOldFileAndSaysSo) {
  plot("1", "0");
  QFile old("regi.bmp");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old contents");
  old.close();
  for (const char* name : {"nincs/ilyen/mappa/kep.bmp", "nincs/ilyen/mappa/kep.png"}) {
    saveAs(QString::fromLatin1(name));
    const auto seen = boxes.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Error");
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(seen[0].text.contains(QString::fromLatin1(name))) << seen[0].text.toStdString();
  }
  EXPECT_EQ(read("regi.bmp"), QByteArray("old contents"));
  EXPECT_EQ(st().table.FunctionCount, 1);

  saveAs("");  // cancelled
  EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"regi.bmp"});
}

// A full disk, as bitmap and as PNG: the picture saved before stays whole,
// a pipe is never replaced, and each box names the file and the reason.
TEST_F(PictureExport, AFullDiskOrAPipeKeepsWhatWasThere) {
  plot("1", "0");
  saveAs("regi.bmp");
  const QByteArray saved = read("regi.bmp");
  ASSERT_FALSE(saved.isEmpty());
  makeNamedPipe("cso.bmp");
  plot("2", "1");
  const struct {
    const char* name;
    QString reason;
  } cases[] = {
      {"regi.bmp", QStringLiteral("a fájl túl nagy")},
      {"regi.png", QStringLiteral("a fájl túl nagy")},
      {"cso.bmp", QStringLiteral("nem közönséges fájl")},
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
  EXPECT_EQ(read("regi.bmp"), saved);
  EXPECT_EQ(folderListing("."), "cso.bmp regi.bmp");
  EXPECT_TRUE(std::filesystem::is_fifo("cso.bmp"));
}


// A PNG holds a palette of the picture's colours: 4 bits a pixel up to 16
// colours, 8 up to 256, true colour beyond. Whatever its bytes, it reads back
// as exactly the picture's pixels, each as a block of the scale, and as the
// pixels of the palette image Qt itself writes.
TEST(PngFile, ReadsBackAsThePicturesPixelsWithTheFewestBitsThatHoldItsColours) {
  const struct {
    int colours;
    int depth;  // the bits of a pixel in the file; 0 for true colour
  } cases[] = {{1, 4}, {3, 4}, {16, 4}, {17, 8}, {256, 8}, {257, 0}};
  for (const auto& c : cases) {
    // White, a line drawn as the program draws, and the other colours in
    // stripes, each also in its own pixel of the top row so that none is
    // drawn over.
    Raster picture;
    picture.create();
    const int others = c.colours - 2;
    for (int k = 0; k < others; ++k) {
      const auto colour = static_cast<Color>(k * 0x010101 % 0xFFFFFF + k / 255);
      for (int y = 1 + (k * 37) % 50; y < Raster::Height; y += 53)
        for (int x = k % 11; x < Raster::Width; x += 13 + k % 5) picture.setPixel(x, y, colour);
      picture.setPixel(k, 0, colour);
    }
    if (c.colours > 1) {
      picture.setPenColor(0xF04020);
      picture.moveTo(-5, 7);
      picture.lineTo(400, 300);
    }
    for (const int n : {1, 3}) {
      SCOPED_TRACE(::testing::Message() << c.colours << " colours, scale " << n);
      const QByteArray png = ui::encodePicture(picture, PictureFormat::Png, n);
      ASSERT_GT(png.size(), 33);
      EXPECT_EQ(static_cast<int>(png[24]), c.depth == 0 ? 8 : c.depth);  // IHDR: bits per sample
      EXPECT_EQ(static_cast<int>(png[25]), c.depth == 0 ? 2 : 3);        // colour type: true colour or palette
      const QImage read = QImage::fromData(png, "png");
      ASSERT_EQ(read.size(), QSize(Raster::Width * n, Raster::Height * n));
      if (c.depth) {
        EXPECT_EQ(read.format(), QImage::Format_Indexed8);
      }
      int wrong = 0;
      for (int y = 0; y < read.height(); ++y)
        for (int x = 0; x < read.width(); ++x) wrong += read.pixel(x, y) != ui::toQRgb(picture.pixel(x / n, y / n));
      EXPECT_EQ(wrong, 0);

      // Qt's own PNG of the palette image (or of the true-colour one).
      QByteArray qtPng;
      QBuffer buffer(&qtPng);
      buffer.open(QIODevice::WriteOnly);
      QImage source = ui::toIndexedImage(picture, n);
      if (source.isNull())
        source = ui::toQImage(picture).scaled(Raster::Width * n, Raster::Height * n);
      ASSERT_TRUE(QImageWriter(&buffer, "png").write(source));
      EXPECT_TRUE(QImage::fromData(qtPng, "png").convertToFormat(QImage::Format_RGB32) ==
                  read.convertToFormat(QImage::Format_RGB32));
    }
  }
}

}  // namespace
}  // namespace graf::testing
