// SPDX-License-Identifier: MIT
// The settings file on disk: "beallit.ini" in the current folder of the test
// process, which is a temporary folder of its own.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/settings_store.h"
#include "settings/settings_record.h"
#include "tests/support/isolation.h"

namespace graf::testing {
namespace {

// Each test works in a fresh folder of its own.
class SettingsStore : public ::testing::Test {
 protected:
  OwnFolder folder_;
};

SettingsRecord recordWithLinear(Color c) {
  PlotState st;
  st.settings.ColorLinear = c;
  SettingsRecord r{};
  fillRecord(st, r);
  return r;
}

QByteArray bytesOf(const SettingsRecord& r) {
  return QByteArray(reinterpret_cast<const char*>(r.data()), static_cast<qsizetype>(r.size()));
}

void putFile(const QByteArray& bytes) {
  QFile::setPermissions("beallit.ini", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  QFile f("beallit.ini");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(f.write(bytes), bytes.size());
}

bool writable() { return QFileInfo("beallit.ini").permissions() & QFileDevice::WriteOwner; }

TEST_F(SettingsStore, TheLastWholeRecordWinsAndAWriteLeavesOne) {
  putFile(bytesOf(recordWithLinear(1)) + bytesOf(recordWithLinear(2)) + QByteArray(5, 'x'));
  QFile::setPermissions("beallit.ini", QFileDevice::ReadOwner);  // read-only is no obstacle
  platform::SettingsFileStore store;
  const SettingsFileContent c = store.read();
  ASSERT_EQ(c.outcome, SettingsFileContent::Outcome::Opened);
  EXPECT_EQ(c.size, 187u);
  ASSERT_TRUE(c.lastRecord.has_value());
  EXPECT_EQ(fieldText(*c.lastRecord, Setting::Linear), "2");
  EXPECT_FALSE(writable()) << "read-only again after reading";

  std::string reason;
  ASSERT_TRUE(store.write(recordWithLinear(3), reason)) << reason;
  QFile f("beallit.ini");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), bytesOf(recordWithLinear(3)));
  EXPECT_FALSE(writable()) << "read-only again after writing";
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"beallit.ini"}) << "no temporary file left";
}

TEST_F(SettingsStore, MissingAndShortFiles) {
  platform::SettingsFileStore store;
  EXPECT_EQ(store.read().outcome, SettingsFileContent::Outcome::Missing);
  EXPECT_NE(store.displayName().find("beallit.ini"), std::string::npos);

  putFile(QByteArray(90, '\3'));
  const SettingsFileContent c = store.read();
  EXPECT_EQ(c.outcome, SettingsFileContent::Outcome::Opened);
  EXPECT_EQ(c.size, 90u);
  EXPECT_FALSE(c.lastRecord.has_value());
}

// A pipe or a folder under the name is neither read (which would block) nor
// replaced by a file.
TEST_F(SettingsStore, PipesAndFoldersAreRefused) {
  for (const bool pipe : {true, false}) {
    SCOPED_TRACE(pipe ? "pipe" : "folder");
    ASSERT_EQ(pipe ? mkfifo("beallit.ini", 0600) : mkdir("beallit.ini", 0700), 0);
    platform::SettingsFileStore store;
    const SettingsFileContent c = store.read();
    EXPECT_EQ(c.outcome, SettingsFileContent::Outcome::Refused);
    EXPECT_NE(c.reason, "");
    std::string reason;
    EXPECT_FALSE(store.write(recordWithLinear(1), reason));
    EXPECT_NE(reason, "");
    const QFileInfo info("beallit.ini");
    EXPECT_FALSE(info.isFile());
    EXPECT_TRUE(pipe ? QFile::remove("beallit.ini") : QDir().rmdir("beallit.ini"));
  }
}

// A write that fails (here: the disk takes no more than 50 bytes, as when
// it is full) keeps the old file whole and names the reason.
TEST_F(SettingsStore, AFailedWriteKeepsTheOldFile) {
  putFile(bytesOf(recordWithLinear(7)));
  platform::SettingsFileStore store;
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = before;
  small.rlim_cur = 50;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string reason;
  const bool written = store.write(recordWithLinear(8), reason);
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_NE(reason, "");
  EXPECT_EQ(QFileInfo("beallit.ini").size(), 91);
  QFile f("beallit.ini");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), bytesOf(recordWithLinear(7)));
  EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"beallit.ini"}) << "no temporary file left";
}

// A folder that takes no files at all.
TEST_F(SettingsStore, AnUnwritableFolderIsNamedInTheReason) {
  const QString here = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent("/proc"));
  platform::SettingsFileStore store;
  std::string reason;
  const bool written = store.write(recordWithLinear(8), reason);
  const std::string name = store.displayName();
  QDir::setCurrent(here);
  EXPECT_FALSE(written);
  EXPECT_NE(reason, "");
  EXPECT_EQ(name, "/proc/beallit.ini");
}

}  // namespace
}  // namespace graf::testing
