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
  EXPECT_TRUE(reason.startsWith(QStringLiteral("a fájl túl nagy"))) << reason.toStdString();
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
  EXPECT_TRUE(reason.startsWith(QStringLiteral("nincs hozzá jogosultság"))) << reason.toStdString();
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

// The temporary name never grows with the target's, so a name as long as the
// file system allows is saved, replaced and created; nothing else is left.
TEST_F(Files, NamesOfEveryAllowedLengthAreSavedWithNothingLeftBeside) {
  for (const int length : {200, 240, 250, 255}) {
    SCOPED_TRACE(length);
    const QByteArray name = QByteArray(length - 3, 'n') + ".fv";
    const QByteArray path = QFile::encodeName(folder_) + "/" + name;
    QString reason;
    EXPECT_TRUE(platform::writeWholeFileNative(path, "elso", &reason)) << reason.toStdString();
    EXPECT_TRUE(platform::writeWholeFileNative(path, "masodik", &reason)) << reason.toStdString();
    EXPECT_EQ(contents(QFile::decodeName(path)), "masodik");
    const QByteArray created = QFile::encodeName(folder_) + "/" + QByteArray(length - 3, 'u') + ".fv";
    EXPECT_EQ(platform::createWholeFileNative(created, "uj", &reason), platform::NewFile::Created)
        << reason.toStdString();
    EXPECT_EQ(listing(), name.toStdString() + " " + QByteArray(length - 3, 'u').toStdString() + ".fv");
    QDir(folder_).removeRecursively();
    QDir().mkpath(folder_);
  }
}

// Many files replaced with one sync: each target is the new file after the
// commit, a full disk keeps the old one byte for byte with the reason, and a
// batch dropped before its commit leaves every old file and nothing else.
TEST_F(Files, ABatchReplacesEachFileWholeOrKeepsTheOld) {
  const QByteArray base = QFile::encodeName(folder_) + "/";
  for (const char* name : {"a.png", "b.png", "c.png"}) put(in(name), "regi");
  {
    platform::FileBatch dropped;
    QString reason;
    ASSERT_TRUE(dropped.add(0, base + "a.png", "eldobott", &reason)) << reason.toStdString();
    EXPECT_EQ(dropped.size(), 1u);
  }
  EXPECT_EQ(contents(in("a.png")), "regi");
  EXPECT_EQ(listing(), "a.png b.png c.png");

  platform::FileBatch batch;
  QString reason;
  ASSERT_TRUE(batch.add(7, base + "a.png", "uj a", &reason)) << reason.toStdString();
  ASSERT_TRUE(batch.add(8, base + "uj.png", "uj", &reason)) << reason.toStdString();
  {
    FileSizeLimit limit(1000);
    EXPECT_FALSE(batch.add(9, base + "b.png", QByteArray(5000, 'n'), &reason));
  }
  EXPECT_TRUE(reason.startsWith(QStringLiteral("a fájl túl nagy"))) << reason.toStdString();
  ASSERT_TRUE(batch.add(10, base + "c.png", "uj c", &reason)) << reason.toStdString();
  EXPECT_EQ(contents(in("a.png")), "regi") << "nothing takes its name before the commit";
  const auto results = batch.commit();
  ASSERT_EQ(results.size(), 3u);
  for (const auto& [ticket, why] : results) EXPECT_TRUE(why.isEmpty()) << ticket << ": " << why.toStdString();
  EXPECT_EQ(results[0].first, 7u);
  EXPECT_EQ(results[2].first, 10u);
  EXPECT_EQ(contents(in("a.png")), "uj a");
  EXPECT_EQ(contents(in("b.png")), "regi");
  EXPECT_EQ(contents(in("c.png")), "uj c");
  EXPECT_EQ(contents(in("uj.png")), "uj");
  EXPECT_EQ(listing(), "a.png b.png c.png uj.png");
  EXPECT_TRUE(batch.commit().empty());
}

// A file the user made read-only is kept, whoever runs the program.
TEST_F(Files, AReadOnlyFileIsNotReplaced) {
  put(in("vedett.fv"), "regi");
  ASSERT_TRUE(QFile::setPermissions(in("vedett.fv"), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
  QString reason;
  EXPECT_FALSE(platform::writeWholeFile(in("vedett.fv"), "uj", &reason));
  EXPECT_EQ(reason, QStringLiteral("a fájl csak olvasható"));
  platform::FileBatch batch;
  EXPECT_FALSE(batch.add(0, QFile::encodeName(in("vedett.fv")), "uj", &reason));
  EXPECT_EQ(reason, QStringLiteral("a fájl csak olvasható"));
  EXPECT_EQ(contents(in("vedett.fv")), "regi");
  EXPECT_EQ(listing(), "vedett.fv");
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
  EXPECT_TRUE(reason.startsWith(QStringLiteral("a fájl túl nagy"))) << reason.toStdString();
  EXPECT_EQ(listing(), "uj.fv");
}

}  // namespace
}  // namespace graf::testing
