// Saving the picture (Ctrl+S): the bitmap file read back, the name's
// extension, a folder that cannot be written, and nothing before a picture.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "tests/gui/gui_fixture.h"

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
  QTest::mouseClick(w->Button11, Qt::LeftButton);  // axis numbers belong to what is shown
  saveAs("kep.png");  // any extension: the data is a bitmap all the same
  const QByteArray b = read("kep.png");
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

TEST_F(PictureExport, AFolderThatCannotBeWrittenKeepsTheOldFileAndSaysSo) {
  plot("1", "0");
  QFile old("regi.bmp");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old contents");
  old.close();
  saveAs("nincs/ilyen/mappa/kep.bmp");
  const auto seen = boxes.take();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].title, "Error");
  EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(seen[0].text.contains("nincs/ilyen/mappa/kep.bmp")) << seen[0].text.toStdString();
  EXPECT_EQ(read("regi.bmp"), QByteArray("old contents"));
  EXPECT_EQ(st().FunctionCount, 1);

  saveAs("");  // cancelled
  EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"regi.bmp"});
}

}  // namespace
}  // namespace graf::testing
