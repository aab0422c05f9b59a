// SPDX-License-Identifier: MIT
// The export commands and the files a user already has: names are written
// and found under their own bytes, a read-only file or a settings file that
// is a link is left as it was, a folder made for nothing goes again, the
// report escapes what could forge a line and a report that cannot be written
// fails the run; no Qt warning and no runtime folder of Qt's appear, and
// the system's words never stand in English inside a Hungarian sentence.
#include <gtest/gtest.h>
#include <locale.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstdio>
#include <string>

#include "tests/support/file_limits.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

const QString kHint = QStringLiteral("\nA kapcsolók leírása: grafolin --help\n");

class NamesAndFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString name = QString::fromStdString(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(QDir::current().mkpath(name));
    ASSERT_TRUE(QDir::setCurrent(QDir::current().filePath(name)));
    ASSERT_TRUE(writeFile("jo.fv", setRecord(fourKinds())));
  }
  void TearDown() override { QDir::setCurrent(QDir::current().absoluteFilePath("..")); }

  static std::string read(const std::string& path) {
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
      char buffer[4096];
      for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) out.append(buffer, n);
      std::fclose(f);
    }
    return out;
  }
  static void put(const std::string& path, const std::string& data) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fwrite(data.data(), 1, data.size(), f);
    std::fclose(f);
  }
  static bool isPng(const std::string& path) { return read(path).compare(0, 8, "\x89PNG\r\n\x1a\n") == 0; }
};

// A name that is not UTF-8 is written under exactly its bytes, and never
// under the name a text would make of it (U+FFFD, which may be another file).
TEST_F(NamesAndFiles, ForeignBytesNameTheFileWrittenAndTheFolderFound) {
  put("\xEF\xBF\xBD.png", "someone else's");
  ASSERT_EQ(::mkdir("sub\xFF", 0755), 0);
  const ProgramRun single = runGrafolinBytes({"--export", "\xFF.png", "jo.fv"});
  ASSERT_TRUE(single.finished);
  EXPECT_EQ(single.exitCode, 0) << single.err.toStdString();
  EXPECT_TRUE(isPng("\xFF.png"));
  EXPECT_EQ(read("\xEF\xBF\xBD.png"), "someone else's");

  const ProgramRun inFolder = runGrafolinBytes({"--export", "sub\xFF/k\xE9p.bmp", "jo.fv"});
  EXPECT_EQ(inFolder.exitCode, 0) << inFolder.err.toStdString();
  EXPECT_EQ(read("sub\xFF/k\xE9p.bmp").compare(0, 2, "BM"), 0);

  const ProgramRun folder = runGrafolinBytes({"--export-dir", "o\xFF", "jo.fv", "hi\xE1nyzik.fv"});
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_TRUE(isPng("o\xFF/jo.png"));
  EXPECT_EQ(folderListing("."), "jo.fv o\xFF sub\xFF \xEF\xBF\xBD.png \xFF.png");
  // Messages show such bytes escaped.
  EXPECT_EQ(folder.out, "jo.fv: kiírva: o\\xFF/jo.png\n");
  EXPECT_EQ(folder.err, "grafolin: hi\\xE1nyzik.fv: elutasítva: nem olvasható: a fájl nem létezik\n");
}

// A file the user made read-only is kept, with the reason, by both commands.
TEST_F(NamesAndFiles, AReadOnlyPictureIsKeptWithTheReason) {
  ASSERT_EQ(::mkdir("kepek", 0755), 0);
  for (const char* path : {"vedett.png", "kepek/jo.png"}) {
    put(path, "old picture");
    ASSERT_EQ(::chmod(path, 0444), 0);
  }
  const ProgramRun single = runGrafolinBytes({"--export", "vedett.png", "jo.fv"});
  EXPECT_EQ(single.exitCode, 1);
  EXPECT_EQ(single.err, "grafolin: vedett.png: a kép nem írható: a fájl csak olvasható\n");
  const ProgramRun folder = runGrafolinBytes({"--export-dir", "kepek", "jo.fv"});
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_EQ(folder.err, "grafolin: jo.fv: elutasítva: a(z) kepek/jo.png kép nem írható: a fájl csak olvasható\n");
  for (const char* path : {"vedett.png", "kepek/jo.png"}) EXPECT_EQ(read(path), "old picture") << path;
  EXPECT_EQ(folderListing("kepek"), "jo.png");
}

// Every export reads the settings file; one that is a link is read, and what
// it names keeps its permissions and its bytes.
TEST_F(NamesAndFiles, ASettingsFileThatIsALinkLeavesWhatItNamesAlone) {
  put("jegyzet.txt", std::string(91, '\0'));
  ASSERT_EQ(::chmod("jegyzet.txt", 0640), 0);
  ASSERT_EQ(::symlink("jegyzet.txt", "beallit.ini"), 0);
  for (int run = 0; run < 2; ++run) EXPECT_TRUE(runGrafolinBytes({"--export", "kep.png", "jo.fv"}).finished);
  struct stat st {};
  ASSERT_EQ(::stat("jegyzet.txt", &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(read("jegyzet.txt"), std::string(91, '\0'));
  ASSERT_EQ(::lstat("beallit.ini", &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

// A folder made for pictures that none could be put in is not left behind,
// and the system's reason is named.
TEST_F(NamesAndFiles, AFolderThatCouldNotBeFilledGoesAgain) {
  ProgramRun full;
  {
    FileSizeLimit limit(1000);  // the program started now inherits it
    full = runGrafolinBytes({"--export-dir", "uj/melyebb", "jo.fv"});
  }
  EXPECT_EQ(full.exitCode, 1);
  EXPECT_TRUE(
      full.err.startsWith("grafolin: jo.fv: elutasítva: a(z) uj/melyebb/jo.png kép nem írható: a fájl túl nagy"))
      << full.err.toStdString();
  EXPECT_EQ(folderListing("."), "jo.fv");

  const ProgramRun underAFile = runGrafolinBytes({"--export-dir", "jo.fv/kepek", "jo.fv"});
  EXPECT_EQ(underAFile.exitCode, 1);
  EXPECT_TRUE(underAFile.err.startsWith(
      "grafolin: jo.fv: elutasítva: a(z) jo.fv/kepek mappa nem használható: az útvonal egy része nem mappa"))
      << underAFile.err.toStdString();
}

// One line per set, whatever its name holds, and a report that cannot be
// written (a full disk, a closed output) fails the run; the pictures are
// written all the same. Progress is for a terminal only.
TEST_F(NamesAndFiles, TheReportCannotBeForgedOrLostUnnoticed) {
  const std::string forged = "a\nb.fv: kiírva: x\x1b[2K.fv";
  put(forged, read("jo.fv"));
  const ProgramRun run = runGrafolinBytes({"--export-dir", "kepek", forged, "jo.fv"});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out,
            "a\\x0Ab.fv: kiírva: x\\x1B[2K.fv: kiírva: kepek/a\\x0Ab.fv: kiírva: x\\x1B[2K.png\n"
            "jo.fv: kiírva: kepek/jo.png\n");
  EXPECT_EQ(run.err, "") << "no progress where no one watches";

  for (const StandardOutput output : {StandardOutput::FullDisk, StandardOutput::Closed}) {
    SCOPED_TRACE(output == StandardOutput::FullDisk ? "full" : "closed");
    const ProgramRun lost = runGrafolinBytes({"--export-dir", "lost", "jo.fv"}, {}, output);
    ASSERT_TRUE(lost.finished);
    EXPECT_EQ(lost.exitCode, 1);
    EXPECT_EQ(lost.err, "grafolin: a jelentés nem írható a szabványos kimenetre\n");
    EXPECT_TRUE(isPng("lost/jo.png"));
    EXPECT_EQ(folderListing("lost"), "jo.png");
  }
}

// On a terminal the error output shows how far the sets have come, on one
// line rewritten in place, and takes it away before the report's lines.
TEST_F(NamesAndFiles, ATerminalSeesTheProgress) {
  std::vector<std::string> line = {grafolinProgram(), "--export-dir", "kepek"};
  for (int i = 0; i < 3; ++i) {
    const std::string name = "h" + std::to_string(i) + ".fv";
    put(name, read("jo.fv"));
    line.push_back(name);
  }
  std::vector<char*> args;
  for (std::string& a : line) args.push_back(a.data());
  args.push_back(nullptr);
  int terminal = -1;
  const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::execv(args[0], args.data());
    ::_exit(127);
  }
  std::string seen;
  pollfd fd{terminal, POLLIN, 0};
  // A generous bound, only so that a program that hangs fails the test.
  while (::poll(&fd, 1, 120000) > 0) {
    char buffer[4096];
    const ssize_t n = ::read(terminal, buffer, sizeof buffer);
    if (n <= 0) break;
    seen.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(terminal);
  int status = -1;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << seen;
  EXPECT_NE(seen.find("/3 h"), std::string::npos) << seen;
  EXPECT_NE(seen.find("\r\x1b[K"), std::string::npos) << seen;
  // Each line of the report starts on a cleared line, and none is lost.
  for (int i = 0; i < 3; ++i)
    EXPECT_NE(seen.find("h" + std::to_string(i) + ".fv: kiírva: kepek/h" + std::to_string(i) + ".png"),
              std::string::npos)
        << seen;
  EXPECT_EQ(seen.substr(seen.size() - 4), "\r\x1b[K") << "the progress is taken away at the end";
}

// Drawings and axis numbers need Qt's graphics, which ask for a runtime
// folder: an export makes its own and takes it away, silently.
TEST_F(NamesAndFiles, NoRuntimeWarningAndNoRuntimeFolderAreLeft) {
  ASSERT_EQ(::mkdir("tmp", 0700), 0);
  const std::string tmp = QDir::current().absoluteFilePath("tmp").toStdString();
  const std::vector<std::vector<std::string>> lines = {
      {"--export", "lap.svg", "jo.fv"},
      {"--export", "lap.pdf", "--numbers", "jo.fv"},
      {"--export", "lap.png", "--numbers", "jo.fv"},
      {"--export-dir", "kepek", "--numbers", "jo.fv"},
  };
  for (const auto& line : lines) {
    SCOPED_TRACE(line[1]);
    const ProgramRun run = runGrafolinBytes(line, {"XDG_RUNTIME_DIR", "TMPDIR=" + tmp});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(folderListing("tmp"), "");
  }
}

// The system's words follow the user's language where it is Hungarian and
// the system has them; never an English fragment in a Hungarian sentence.
TEST_F(NamesAndFiles, TheSystemsWordsOnlyInHungarian) {
  const std::string sentence = "grafolin: nincs/kep.png: a kép nem írható: a fájl vagy a mappája nem létezik";
  const ProgramRun plain = runGrafolinBytes({"--export", "nincs/kep.png", "jo.fv"}, {"LC_ALL=C", "LANGUAGE"});
  EXPECT_EQ(plain.exitCode, 1);
  EXPECT_EQ(plain.err.toStdString(), sentence + "\n");
  const locale_t hungarian = ::newlocale(LC_ALL_MASK, "hu_HU.UTF-8", static_cast<locale_t>(nullptr));
  if (hungarian == static_cast<locale_t>(nullptr)) GTEST_SKIP() << "no hu_HU.UTF-8 locale here";
  const std::string own = ::strerror_l(ENOENT, hungarian);
  ::freelocale(hungarian);
  const ProgramRun hu = runGrafolinBytes({"--export", "nincs/kep.png", "jo.fv"}, {"LC_ALL=hu_HU.UTF-8", "LANGUAGE"});
  EXPECT_EQ(hu.exitCode, 1);
  if (own == "No such file or directory")
    EXPECT_EQ(hu.err.toStdString(), sentence + "\n") << "the system has no Hungarian words";
  else
    EXPECT_EQ(hu.err.toStdString(), sentence + " (" + own + ")\n");
}

}  // namespace
}  // namespace graf::testing
