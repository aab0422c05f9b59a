// SPDX-License-Identifier: MIT
// Writes killed at any moment: a child process saves sets, replaces them and
// writes the settings file in a loop until it is killed; whatever the moment,
// each name holds its old content or its new one, whole, the settings file is
// never writable, and no temporary file is left.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <random>
#include <string>

#include "platform/set_files.h"
#include "platform/settings_store.h"
#include "settings/settings_record.h"
#include "tests/support/file_limits.h"

namespace graf::testing {
namespace {

std::string contents(const std::string& path) {
  QFile f(QString::fromStdString(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("(none)");
}

// The content of a new file is never seen under any name while it is
// written (an unnamed file). A replace links the finished file to a short
// name and renames that over the target: a kill between those two calls
// leaves a second name of a finished file, never a part of one. Such a name
// is checked to be whole, and taken away for the next kill.
bool leftoverIsWhole(const std::string& path, const std::vector<std::vector<std::uint8_t>>& finished) {
  const std::string got = contents(path);
  QFile::remove(QString::fromStdString(path));
  for (const auto& f : finished)
    if (got == std::string(f.begin(), f.end())) return true;
  return false;
}

// Runs `write` over and over in a child process and kills it after a random
// moment, `kills` times; `check` looks at the folder after each kill.
template <typename Write, typename Check>
void killWhileWriting(int kills, Write write, Check check) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> wait(0, 3000);  // microseconds
  for (int k = 0; k < kills; ++k) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (unsigned round = 0;; ++round) write(round);
    }
    ::usleep(static_cast<useconds_t>(wait(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself";
    check(k);
    if (::testing::Test::HasFailure()) return;
  }
}

class KilledWrites : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = "kill-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder_)));
  }
  std::string folder_;
};

TEST_F(KilledWrites, SetSavesLeaveOldOrNewAndNoTemporaryFile) {
  const std::vector<std::uint8_t> older(1854, 'o'), newer(1854, 'n');
  platform::SetFileSystem files;
  std::string reason;
  ASSERT_TRUE(files.replace(folder_ + "/halmaz.fv", older, reason)) << reason;
  killWhileWriting(
      100,
      [&](unsigned round) {
        std::string why;
        files.replace(folder_ + "/halmaz.fv", round % 2 ? older : newer, why);
        files.create(folder_ + "/uj" + std::to_string(round % 4) + ".fv", newer, why);
      },
      [&](int) {
        const std::string got = contents(folder_ + "/halmaz.fv");
        EXPECT_TRUE(got == std::string(older.begin(), older.end()) || got == std::string(newer.begin(), newer.end()));
        // Every other name is a new set, complete from its first moment, or
        // a second name of a finished file (see leftoverIsWhole).
        for (const QString& name : QDir(QString::fromStdString(folder_)).entryList(QDir::Files | QDir::Hidden)) {
          const std::string path = folder_ + "/" + name.toStdString();
          if (name == QStringLiteral("halmaz.fv")) continue;
          if (name.startsWith('.')) {
            EXPECT_TRUE(leftoverIsWhole(path, {older, newer})) << name.toStdString();
            continue;
          }
          EXPECT_TRUE(name.startsWith(QStringLiteral("uj"))) << name.toStdString();
          EXPECT_EQ(contents(path), std::string(newer.begin(), newer.end())) << name.toStdString();
        }
      });
}

TEST_F(KilledWrites, SettingsWritesLeaveAWholeReadOnlyFileAndNoTemporaryFile) {
  const QString here = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(folder_)));
  SettingsRecord first{}, second{};
  first.fill('1');
  second.fill('2');
  platform::SettingsFileStore store;
  std::string reason;
  ASSERT_TRUE(store.write(first, reason)) << reason;
  killWhileWriting(
      100, [&](unsigned round) { store.write(round % 2 ? first : second, reason); },
      [&](int) {
        const std::string got = contents(SettingsFileName);
        EXPECT_TRUE(got == std::string(first.begin(), first.end()) || got == std::string(second.begin(), second.end()));
        struct stat st {};
        ASSERT_EQ(::stat(SettingsFileName, &st), 0);
        EXPECT_EQ(st.st_mode & 0222, 0u) << "writable after a kill";
        for (const QString& name : QDir(".").entryList(QDir::Files | QDir::Hidden)) {
          if (name == QString::fromLatin1(SettingsFileName)) continue;
          EXPECT_TRUE(
              leftoverIsWhole(name.toStdString(), {{first.begin(), first.end()}, {second.begin(), second.end()}}))
              << name.toStdString();
        }
      });
  QDir::setCurrent(here);
}

}  // namespace
}  // namespace graf::testing
