// SPDX-License-Identifier: MIT
// Whole-file reading and replacing writes: a write that fails at any size
// keeps the old file byte for byte and names the system's reason; pipes,
// sockets and folders are refused without blocking and never replaced.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/files.h"
#include "tests/support/file_limits.h"

namespace graf::testing {
namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each test in a folder of its own inside the process's temporary folder.
    folder_ = QStringLiteral("files-%1").arg(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(QDir().mkpath(folder_));
  }
  QString in(const char* name) const { return folder_ + "/" + QString::fromUtf8(name); }
  std::string listing() const { return folderListing(folder_.toStdString()); }

  static QByteArray contents(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
  }
  static void put(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(data), data.size());
  }
  static QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

  QString folder_;
};

TEST_F(Files, AWriteThatRunsOutOfRoomKeepsTheOldFileAndNamesTheReason) {
  const struct {
    const char* name;
    qsizetype size;  // of the new data, with room for 1000 bytes
  } cases[] = {
      {"a set record, which fits into the write buffer", 1854},
      {"a picture, far beyond the buffer", 378 * 1024},
      {"one byte too many", 1001},
  };
  const QByteArray old(600, 'o');
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    put(in("regi.fv"), old);
    QString reason;
    bool written;
    {
      FileSizeLimit limit(1000);
      written = platform::writeWholeFile(in("regi.fv"), QByteArray(c.size, 'n'), &reason);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(in("regi.fv")), old);
    EXPECT_TRUE(reason.contains(systemText(EFBIG))) << reason.toStdString();
    EXPECT_TRUE(reason.startsWith(QStringLiteral("a fájl túl nagy"))) << reason.toStdString();
    EXPECT_EQ(listing(), "regi.fv") << "no temporary file is left behind";
  }
}

TEST_F(Files, AFailedWriteOfANewFileLeavesNoFile) {
  QString reason;
  {
    FileSizeLimit limit(100);
    EXPECT_FALSE(platform::writeWholeFile(in("uj.bmp"), QByteArray(5000, 'n'), &reason));
  }
  EXPECT_TRUE(reason.contains(systemText(EFBIG))) << reason.toStdString();
  EXPECT_EQ(listing(), "");
}

TEST_F(Files, AWriteWithinTheRoomReplacesTheOldFile) {
  put(in("regi.fv"), QByteArray(600, 'o'));
  QString reason;
  {
    FileSizeLimit limit(1854);
    EXPECT_TRUE(platform::writeWholeFile(in("regi.fv"), QByteArray(1854, 'n'), &reason)) << reason.toStdString();
  }
  EXPECT_EQ(contents(in("regi.fv")), QByteArray(1854, 'n'));
  EXPECT_EQ(listing(), "regi.fv");
}

TEST_F(Files, AnUnwritableFolderIsNamedAsSuch) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  ASSERT_TRUE(QDir().mkpath(in("zart")));
  ASSERT_TRUE(QFile::setPermissions(in("zart"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  QString reason;
  EXPECT_FALSE(platform::writeWholeFile(in("zart/kep.bmp"), QByteArray(10, 'n'), &reason));
  EXPECT_TRUE(reason.contains(systemText(EACCES))) << reason.toStdString();
  QFile::setPermissions(in("zart"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A pipe would block the reader for good, and writing "over" a pipe, a socket
// or a folder would either block or replace it with a regular file.
TEST_F(Files, PipesSocketsAndFoldersAreRefusedWithoutWaiting) {
  makeNamedPipe(in("cso.fv").toStdString());
  makeSocketFile(in("foglalat.fv").toStdString());
  ASSERT_TRUE(QDir().mkpath(in("mappa.fv")));
  const struct {
    const char* name;
    const char* reason;
  } cases[] = {
      {"cso.fv", "nem közönséges fájl (például cső vagy eszköz)"},
      {"foglalat.fv", "nem közönséges fájl (például cső vagy eszköz)"},
      {"mappa.fv", "ez egy mappa, nem fájl"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QByteArray data = "unchanged";
    QString reason;
    EXPECT_FALSE(platform::readWholeFile(in(c.name), 1854, &data, &reason));
    EXPECT_EQ(reason, QString::fromUtf8(c.reason));
    EXPECT_EQ(data, "unchanged");

    reason.clear();
    EXPECT_FALSE(platform::writeWholeFile(in(c.name), QByteArray(1854, 'n'), &reason));
    EXPECT_EQ(reason, QString::fromUtf8(c.reason));
  }
  const std::filesystem::path dir = folder_.toStdString();
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "cso.fv"));
  EXPECT_TRUE(std::filesystem::is_socket(dir / "foglalat.fv"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "mappa.fv"));
  EXPECT_EQ(listing(), "cso.fv foglalat.fv mappa.fv");
}

TEST_F(Files, ADeviceIsNotRead) {
  QByteArray data;
  QString reason;
  EXPECT_FALSE(platform::readWholeFile(QStringLiteral("/dev/zero"), 1854, &data, &reason));
  EXPECT_EQ(reason, QStringLiteral("nem közönséges fájl (például cső vagy eszköz)"));
}

TEST_F(Files, ARegularFileIsReadUpToOneByteBeyondTheLimit) {
  put(in("hosszu.fv"), QByteArray(5000, 'h'));
  put(in("rovid.fv"), QByteArray(10, 'r'));
  QByteArray data;
  QString reason;
  ASSERT_TRUE(platform::readWholeFile(in("hosszu.fv"), 1854, &data, &reason)) << reason.toStdString();
  EXPECT_EQ(data, QByteArray(1855, 'h'));
  ASSERT_TRUE(platform::readWholeFile(in("rovid.fv"), 1854, &data, &reason)) << reason.toStdString();
  EXPECT_EQ(data, QByteArray(10, 'r'));
  EXPECT_FALSE(platform::readWholeFile(in("nincs.fv"), 1854, &data, &reason));
  EXPECT_EQ(reason, QStringLiteral("a fájl nem létezik"));
}

// A run killed between writing its temporary file and renaming it leaves the
// temporary file; the next start removes it once it is a minute old, and
// leaves every other file, and a temporary file being written now, alone.
TEST_F(Files, StrayTemporaryFilesOfAKilledRunAreRemovedWhenOld) {
  const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
  const struct {
    const char* name;
    bool old;
    bool removed;
  } cases[] = {
      {"beallit.ini.grafolin-Ab12Cd", true, true},
      {"fuggvenyek3.fv.grafolin-xY9zQ1", true, true},
      {"kep.png.grafolin-000000", true, true},
      {"beallit.ini.k7PqZ2", true, true},  // the settings file's temporary name in earlier versions
      {"halmaz.fv.grafolin-Fresh1", false, false},  // a running program writes it now
      {"halmaz.fv", true, false},
      {"jegyzet.fv.backup", true, false},
      {"beallit.ini", true, false},
      {"kep.png.grafolin-toolong7", true, false},
  };
  for (const auto& c : cases) {
    put(in(c.name), "x");
    if (c.old) {
      QFile f(in(c.name));
      ASSERT_TRUE(f.open(QIODevice::ReadWrite));
      ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
  }
  EXPECT_EQ(platform::removeStrayTemporaryFiles(folder_), 4);
  for (const auto& c : cases) EXPECT_EQ(QFileInfo::exists(in(c.name)), !c.removed) << c.name;
}

// A new name is taken only when nothing has it; the file is complete when it
// appears, and the old file under that name is never touched.
TEST_F(Files, ANewFileNeverReplacesOne) {
  QString reason;
  EXPECT_EQ(platform::createWholeFile(in("uj.fv"), "elso", &reason), platform::NewFile::Created);
  EXPECT_EQ(platform::createWholeFile(in("uj.fv"), "masodik", &reason), platform::NewFile::Exists);
  EXPECT_EQ(contents(in("uj.fv")), "elso");
  {
    FileSizeLimit limit(3);
    EXPECT_EQ(platform::createWholeFile(in("masik.fv"), "tul hosszu", &reason), platform::NewFile::Failed);
  }
  EXPECT_TRUE(reason.contains(systemText(EFBIG))) << reason.toStdString();
  EXPECT_EQ(listing(), "uj.fv");
}

}  // namespace
}  // namespace graf::testing
