// SPDX-License-Identifier: MIT
// "grafolin --export" and "--export-dir" as a user runs them over SSH: no
// display, no window, real files, pipes and folders; refused sets write
// nothing and are named with their reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/clock_store.h"
#include "platform/user_folder.h"
#include "settings/settings_record.h"
#include "startup/clock.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each test works in a folder of its own inside the process's own.
    QDir here = QDir::current();
    const QString name = QString::fromStdString(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(here.mkpath(name));
    ASSERT_TRUE(QDir::setCurrent(here.filePath(name)));
    ASSERT_TRUE(writeFile("jo.fv", setRecord(fourKinds())));
    auto shortRecord = setRecord(oneFunction());
    shortRecord.pop_back();
    ASSERT_TRUE(writeFile("rovid.fv", shortRecord));
    ASSERT_EQ(mkfifo("cso.fv", 0600), 0);
    ASSERT_TRUE(QDir().mkdir("mappa.fv"));
  }
  void TearDown() override { QDir::setCurrent(QDir::current().absoluteFilePath("..")); }

  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static QStringList files(const QString& folder = QStringLiteral(".")) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
  }
};

TEST_F(CommandLine, WritesABitmapAndAPngWithoutAnyDisplay) {
  const ProgramRun bmp = runGrafolin({"--export", "kep.bmp", "jo.fv"});
  const ProgramRun png = runGrafolin({"--export", "kep.png", "jo.fv"});
  for (const ProgramRun* run : {&bmp, &png}) {
    ASSERT_TRUE(run->finished);
    EXPECT_EQ(run->exitCode, 0) << run->err.toStdString();
    EXPECT_EQ(run->out, "");
    EXPECT_EQ(run->err, "");
  }
  const QByteArray bitmap = read("kep.bmp");
  ASSERT_EQ(bitmap.size(), 54 + 1180 * 321);
  EXPECT_EQ(bitmap.left(2), "BM");
  EXPECT_EQ(quint8(bitmap[28]), 24) << "24 bits a pixel";
  EXPECT_EQ(read("kep.png").left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
  const QImage picture = pictureFile("kep.png");
  EXPECT_EQ(picture.size(), QSize(393, 321));
  EXPECT_EQ(pixelDifferences(pictureFile("kep.bmp"), picture), 0);
  // The picture as the program shows it after the load: white, black axes
  // through the origin at rest, and the first-degree line 2x − 1 in red.
  EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(picture.pixel(205, 300), qRgb(0, 0, 0));
  EXPECT_EQ(picture.pixel(225, 124), qRgb(255, 0, 0)) << "x = 5 gives y = 9: column 225, row 124";
}

TEST_F(CommandLine, TheStoredClockChoosesTheStepAndNoClockMeansPointOne) {
  // The process's own per-user store holds no measured clock: the step is 0.1.
  platform::SettingsClockStore store;
  ASSERT_EQ(clockFromStoredText(store.readText(kClockValueName)), 0);
  ASSERT_TRUE(runGrafolin({"--export", "nincs-orajel.png", "jo.fv"}).finished);
  const std::vector<std::pair<const char*, bool>> clocks = {{"2400", true}, {"1000", false}, {"400", false}};
  QImage previous;
  for (const auto& [clock, likeNoClock] : clocks) {
    ASSERT_EQ(store.writeText(kClockValueName, clock), "");
    const QString picture = QStringLiteral("orajel-%1.png").arg(clock);
    const ProgramRun run = runGrafolin({"--export", picture, "jo.fv"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const int differences = pixelDifferences(pictureFile(picture), pictureFile("nincs-orajel.png"));
    EXPECT_EQ(differences == 0, likeNoClock) << clock << " MHz: " << differences << " pixels differ";
    // 1000 MHz samples every 0.5, 400 MHz every 1.0: the two differ as well.
    if (!previous.isNull()) {
      EXPECT_GT(pixelDifferences(pictureFile(picture), previous), 0) << clock;
    }
    previous = pictureFile(picture);
  }
  EXPECT_EQ(store.writeText(kClockValueName, "0"), "");  // not measured, as before
}

TEST_F(CommandLine, TheSettingsFileOfTheStartingFolderGivesTheColours) {
  PlotState stored;
  stored.settings.ColorLinear = 0x123456;
  stored.settings.ColorGrid = 0x00FFFF;
  stored.settings.OptimizeOn = false;
  stored.settings.SampleStep = 1.0;
  SettingsRecord record{};
  fillRecord(stored, record);
  const std::vector<std::uint8_t> settings(record.begin(), record.end());
  // The program's own folder holds a settings file; the current folder none.
  ASSERT_TRUE(QDir().mkpath(graf::platform::userFolder()));
  ASSERT_TRUE(writeFile(QDir(graf::platform::userFolder()).filePath("beallit.ini"), settings));
  ASSERT_TRUE(runGrafolin({"--export", "itt.png", "jo.fv"}).finished);
  const ProgramRun own = runGrafolin({"--user-folder", "--export", "sajat.png", "jo.fv"});
  ASSERT_TRUE(own.finished);
  EXPECT_EQ(own.exitCode, 0) << own.err.toStdString();
  EXPECT_TRUE(QFileInfo::exists("sajat.png")) << "the picture lands where the command was given";
  // The same settings file in the current folder gives the same picture.
  ASSERT_TRUE(writeFile("beallit.ini", settings));
  ASSERT_TRUE(runGrafolin({"--export", "itt-is.png", "jo.fv"}).finished);
  QFile::setPermissions("beallit.ini", QFile::permissions("beallit.ini") | QFileDevice::WriteOwner);
  QFile::remove("beallit.ini");
  QFile::remove(QDir(graf::platform::userFolder()).filePath("beallit.ini"));

  EXPECT_EQ(pixelDifferences(pictureFile("sajat.png"), pictureFile("itt-is.png")), 0);
  EXPECT_GT(pixelDifferences(pictureFile("sajat.png"), pictureFile("itt.png")), 0);
  EXPECT_EQ(pictureFile("itt-is.png").pixel(225, 124), qRgb(0x56, 0x34, 0x12)) << "the line 2x − 1 in its colour";
}

TEST_F(CommandLine, HelpSaysWhereThePicturesStepComesFrom) {
  const ProgramRun run = runGrafolin({"--help"});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 0);
  // The help wraps its lines: read it as one text.
  const QString help = run.out.simplified();
  for (const char* part : {"beallit.ini", "tárolt processzor-órajel választja", "ha még nincs mért órajel, a lépés 0.1",
                           "Órajelmérés és nyitókép nincs"})
    EXPECT_TRUE(help.contains(QString::fromUtf8(part))) << part;
}

TEST_F(CommandLine, ARefusedSetWritesNothingAndKeepsTheOldPicture) {
  QFile old("regi.png");
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old picture");
  old.close();
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"rovid.fv", "grafolin: rovid.fv: A függvényeket tartalmazó fájl hibás!"},
      {"nincs.fv", "grafolin: nincs.fv: nem olvasható: a fájl nem létezik"},
      {"cso.fv", "grafolin: cso.fv: nem olvasható: nem közönséges fájl (például cső vagy eszköz)"},
      {"mappa.fv", "grafolin: mappa.fv: nem olvasható: ez egy mappa, nem fájl"},
  };
  const QStringList before = files();
  for (const auto& [set, message] : cases) {
    for (const char* picture : {"uj.bmp", "regi.png"}) {
      const ProgramRun run = runGrafolin({"--export", picture, set});
      ASSERT_TRUE(run.finished) << set;
      EXPECT_EQ(run.exitCode, 1) << set;
      EXPECT_EQ(run.err, QString::fromUtf8(message) + "\n");
      EXPECT_EQ(run.out, "");
    }
  }
  EXPECT_EQ(files(), before);
  EXPECT_EQ(read("regi.png"), "old picture");
}

TEST_F(CommandLine, AMistakenCommandLineSaysSoAndWritesNothing) {
  const std::vector<std::pair<QStringList, const char*>> cases = {
      {{"--export", "kep.png"}, "grafolin: nincs megadva függvényhalmaz-fájl"},
      {{"--export", "kep.png", "jo.fv", "jo.fv"}, "grafolin: az --export egyetlen függvényhalmaz-fájl képét írja ki"},
      {{"--export", "kep.png", "--export-dir", "kepek", "jo.fv"},
       "grafolin: az --export és az --export-dir együtt nem adható meg"},
      {{"--export", "kep.gif", "jo.fv"},
       "grafolin: kep.gif: a kép neve \".bmp\", \".png\", \".svg\" vagy \".pdf\" végű legyen"},
      {{"--export-dir"}, "grafolin: hiányzik az érték ez után: --export-dir"},
      {{"--export", "kep.png", "--zoom", "3", "jo.fv"}, "grafolin: a nagyítás 1, 2, 4 vagy 8 lehet, nem 3"},
      {{"--export", "kep.png", "--zoom", "ketto", "jo.fv"},
       "grafolin: --zoom: a nagyítás 1, 2, 4 vagy 8 lehet, nem „ketto”"},
      {{"--export-dir", "kepek", "--pan", "6,0", "jo.fv"},
       "grafolin: vízszintesen legfeljebb 5 lépés tolható el (-5…5), nem 6"},
      {{"--export", "kep.png", "--pan", "0,-10001", "jo.fv"},
       "grafolin: függőlegesen legfeljebb 10000 lépés tolható el, nem -10001"},
      {{"--export", "kep.png", "--pan", "2", "jo.fv"},
       "grafolin: --pan: JOBBRA,FEL alakú két egész kell (például 2,-1), nem „2”"},
      {{"--export", "kep.png", "--scale", "9", "jo.fv"}, "grafolin: a méretezés 1 és 8 közötti egész lehet, nem 9"},
      {{"--export", "kep.png", "--scale", "0", "jo.fv"}, "grafolin: a méretezés 1 és 8 közötti egész lehet, nem 0"},
      {{"--zoom", "2", "jo.fv"}, "grafolin: a --zoom csak az --export vagy az --export-dir mellett adható meg"},
      {{"--numbers"}, "grafolin: a --numbers csak az --export vagy az --export-dir mellett adható meg"},
      // An option given twice, an empty value, an unknown option: each named as typed.
      {{"--export", "a.png", "--export", "b.png", "jo.fv"}, "grafolin: a(z) --export kapcsoló többször szerepel"},
      {{"--export", "a.png", "--zoom", "2", "--zoom", "4", "jo.fv"},
       "grafolin: a(z) --zoom kapcsoló többször szerepel"},
      {{"--export-dir", "", "jo.fv"}, "grafolin: üres a(z) --export-dir értéke"},
      {{"--export", "", "jo.fv"}, "grafolin: üres a(z) --export értéke"},
      {{"--export", "kep.png", "--bogus", "jo.fv"}, "grafolin: ismeretlen kapcsoló: --bogus"},
      // Qt's own options have no place beside an export, which has no window.
      {{"--export", "kep.svg", "-platform", "xcb", "jo.fv"},
       "grafolin: a(z) -platform a Qt ablakos kapcsolója, képkiírás mellett nem adható meg"},
      {{"--export", "kep.pdf", "-display", ":99", "jo.fv"},
       "grafolin: a(z) -display a Qt ablakos kapcsolója, képkiírás mellett nem adható meg"},
      {{"--export", "kep.png", "--numbers", "--platform", "xcb", "jo.fv"},
       "grafolin: a(z) --platform a Qt ablakos kapcsolója, képkiírás mellett nem adható meg"},
      {{"--export-dir", "kepek", "-reverse", "jo.fv"},
       "grafolin: a(z) -reverse a Qt ablakos kapcsolója, képkiírás mellett nem adható meg"},
  };
  const QStringList before = files();
  for (const auto& [arguments, message] : cases) {
    const ProgramRun run = runGrafolin(arguments);
    ASSERT_TRUE(run.finished) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.err, QString::fromUtf8(message) + "\nA kapcsolók leírása: grafolin --help\n");
    EXPECT_EQ(run.out, "");
  }
  EXPECT_EQ(files(), before);
}

// The view's whole numbers follow the grammar of every whole number the
// program reads: blanks may lead, a sign may come first, nothing may follow.
TEST_F(CommandLine, TheViewsWholeNumbersAreReadAsEveryWholeNumber) {
  ASSERT_TRUE(runGrafolin({"--export", "alap.bmp", "jo.fv"}).finished);
  struct Spelling {
    const char* option;
    const char* plain;
    const char* spelled;
  };
  const std::vector<Spelling> accepted = {
      {"--zoom", "2", " 2"},      {"--zoom", "2", "   +2"}, {"--zoom", "2", "0002"},
      {"--pan", "1,-1", " 1, -1"}, {"--pan", "0,2", "-0,+2"}, {"--scale", "2", " 2"},
  };
  for (const Spelling& c : accepted) {
    const ProgramRun plain = runGrafolin({"--export", "egyszeru.bmp", c.option, c.plain, "jo.fv"});
    const ProgramRun spelled = runGrafolin({"--export", "irott.bmp", c.option, c.spelled, "jo.fv"});
    ASSERT_TRUE(plain.finished && spelled.finished) << c.option << " " << c.spelled;
    EXPECT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_EQ(spelled.exitCode, 0) << c.option << " „" << c.spelled << "”: " << spelled.err.toStdString();
    EXPECT_EQ(read("irott.bmp"), read("egyszeru.bmp")) << c.option << " „" << c.spelled << "”";
    if (std::string(c.option) != "--scale") {
      EXPECT_NE(read("irott.bmp"), read("alap.bmp")) << c.option << " " << c.plain << " moves the picture";
    }
  }
  const std::vector<std::pair<QStringList, const char*>> refused = {
      {{"--zoom", "2 "}, "grafolin: --zoom: a nagyítás 1, 2, 4 vagy 8 lehet, nem „2 ”"},
      {{"--zoom", "\t2"}, "grafolin: --zoom: a nagyítás 1, 2, 4 vagy 8 lehet, nem „\t2”"},
      {{"--zoom", "+-2"}, "grafolin: --zoom: a nagyítás 1, 2, 4 vagy 8 lehet, nem „+-2”"},
      {{"--zoom", "+"}, "grafolin: --zoom: a nagyítás 1, 2, 4 vagy 8 lehet, nem „+”"},
      {{"--zoom", "4294967298"}, "grafolin: --zoom: a nagyítás 1, 2, 4 vagy 8 lehet, nem „4294967298”"},
      {{"--pan", "1 ,0"}, "grafolin: --pan: JOBBRA,FEL alakú két egész kell (például 2,-1), nem „1 ,0”"},
      {{"--scale", "2.0"}, "grafolin: --scale: a méretezés 1 és 8 közötti egész lehet, nem „2.0”"},
  };
  for (const auto& [view, message] : refused) {
    const ProgramRun run = runGrafolin(QStringList({"--export", "rossz.bmp"}) + view + QStringList({"jo.fv"}));
    ASSERT_TRUE(run.finished) << view.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, 2) << view.join(' ').toStdString();
    EXPECT_EQ(run.err, QString::fromUtf8(message) + "\nA kapcsolók leírása: grafolin --help\n");
    EXPECT_FALSE(QFileInfo::exists("rossz.bmp")) << view.join(' ').toStdString();
  }
}

TEST_F(CommandLine, AFolderOfPicturesWithOneLinePerSet) {
  ASSERT_TRUE(writeFile("otven.fv", setRecord(fiftyFunctions())));
  const ProgramRun run = runGrafolin({"--export-dir", "kepek", "jo.fv", "rovid.fv", "cso.fv", "otven.fv"});
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 1) << "a set was refused";
  EXPECT_EQ(run.out,
            "jo.fv: kiírva: kepek/jo.png\n"
            "otven.fv: kiírva: kepek/otven.png (Függvényábrázolási maximum elérve!)\n");
  EXPECT_EQ(run.err,
            "grafolin: rovid.fv: elutasítva: A függvényeket tartalmazó fájl hibás!\n"
            "grafolin: cso.fv: elutasítva: nem olvasható: nem közönséges fájl (például cső vagy eszköz)\n");
  EXPECT_EQ(files("kepek"), QStringList({"jo.png", "otven.png"}));
  ASSERT_TRUE(runGrafolin({"--export", "jo.png", "jo.fv"}).finished);
  EXPECT_EQ(pixelDifferences(pictureFile("kepek/jo.png"), pictureFile("jo.png")), 0);
}

TEST_F(CommandLine, AFolderThatIsAFileRefusesEverySetAndNoFolderForRefusedSets) {
  QFile plain("kepek");
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  const ProgramRun intoFile = runGrafolin({"--export-dir", "kepek", "jo.fv"});
  ASSERT_TRUE(intoFile.finished);
  EXPECT_EQ(intoFile.exitCode, 1);
  EXPECT_EQ(intoFile.err, "grafolin: jo.fv: elutasítva: a(z) kepek mappa nem használható: nem mappa\n");

  const ProgramRun allRefused = runGrafolin({"--export-dir", "uj", "rovid.fv", "nincs.fv"});
  ASSERT_TRUE(allRefused.finished);
  EXPECT_EQ(allRefused.exitCode, 1);
  EXPECT_FALSE(QFileInfo::exists("uj")) << "nothing written, not even the folder";
}

}  // namespace
}  // namespace graf::testing
