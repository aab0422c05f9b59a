// SPDX-License-Identifier: MIT
// The program's files against kills and starts: exports killed at any
// moment leave each picture old or new and no temporary file, and a start of
// the windows never removes a file of the user's, whatever its name.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <map>
#include <random>

#include "tests/support/file_limits.h"
#include "tests/support/program_run.h"
#include "tests/support/sample_sets.h"

extern char** environ;

namespace graf::testing {
namespace {

class KilledAndStarted : public ::testing::Test {
 protected:
  void SetUp() override {
    const QString name = QString::fromStdString(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(QDir::current().mkpath(name));
    ASSERT_TRUE(QDir::setCurrent(QDir::current().filePath(name)));
  }
  void TearDown() override { QDir::setCurrent(QDir::current().absoluteFilePath("..")); }
  static QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
  }
};

// Each kill lands somewhere in a run: before, during or after the pictures.
TEST_F(KilledAndStarted, ExportsKilledAtAnyMomentLeaveOldOrNewPicturesOnly) {
  std::vector<std::string> arguments = {"--export-dir", "kepek"};
  for (int i = 0; i < 12; ++i) {
    const QString name = QStringLiteral("h%1.fv").arg(i);
    ASSERT_TRUE(writeFile(name, setRecord(i % 2 ? fourKinds() : oneFunction())));
    arguments.push_back(name.toStdString());
  }
  // The pictures as a whole run writes them.
  ASSERT_EQ(runGrafolinBytes(arguments).exitCode, 0);
  ASSERT_EQ(runGrafolinBytes({"--export", "egy.png", "h1.fv"}).exitCode, 0);
  std::map<QString, QByteArray> finished;
  for (const QString& name : QDir("kepek").entryList(QDir::Files)) finished[name] = read("kepek/" + name);
  finished["egy.png"] = read("egy.png");
  ASSERT_EQ(finished.size(), 13u);
  const auto pathOf = [](const QString& name) { return name == "egy.png" ? name : "kepek/" + name; };
  const auto putOldPictures = [&] {
    for (const auto& entry : finished) {
      QFile::remove(pathOf(entry.first));
      ASSERT_TRUE(writeFile(pathOf(entry.first), {'o', 'l', 'd'}));
    }
  };
  putOldPictures();

  std::mt19937 random(28);
  std::uniform_int_distribution<int> wait(0, 400000);  // microseconds
  for (int kill = 0; kill < 100; ++kill) {
    std::vector<std::string> line = {grafolinProgram()};
    if (kill % 3 == 2)
      line.insert(line.end(), {"--export", "egy.png", "h1.fv"});
    else
      line.insert(line.end(), arguments.begin(), arguments.end());
    std::vector<char*> args;
    for (std::string& a : line) args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    ASSERT_EQ(::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::usleep(static_cast<useconds_t>(wait(random)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    for (const auto& [name, bytes] : finished) {
      const QByteArray got = read(pathOf(name));
      EXPECT_TRUE(got == "old" || got == bytes) << "kill " << kill << ": " << name.toStdString() << " is torn";
    }
    // The content is never seen under a temporary name while it is written;
    // a replace links the finished file to a short name and renames that
    // over the picture, so a kill between those two calls leaves a second
    // name of a finished picture, never a part of one. Nothing else appears.
    for (const QString& folder : {QStringLiteral("kepek"), QStringLiteral(".")})
      for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QString path = folder + "/" + name;
        const bool known = folder == QStringLiteral(".")
                               ? name == QStringLiteral("egy.png") || name.endsWith(QStringLiteral(".fv"))
                               : name != QStringLiteral("egy.png") && finished.count(name) != 0;
        if (known) continue;
        EXPECT_TRUE(name.startsWith('.')) << "kill " << kill << ": a stray file " << path.toStdString();
        const QByteArray got = read(path);
        bool whole = false;
        for (const auto& entry : finished) whole = whole || got == entry.second;
        EXPECT_TRUE(whole) << "kill " << kill << ": " << path.toStdString() << " holds a part of a picture";
        QFile::remove(path);
      }
    if (HasFailure()) return;
    if (kill % 10 == 9) putOldPictures();
  }
}

// Names a user may well choose beside the settings file and the pictures,
// some of them like a temporary name of an earlier version, all of them old.
TEST_F(KilledAndStarted, TenStartsOfTheWindowsKeepEveryFileOfTheUsers) {
  const char* const names[] = {"beallit.ini.backup", "beallit.ini.masolt", "kep.png.grafolin-Ab12Cd",
                               "halmaz.fv.grafolin-xY9zQ1", ".grafolin-Ab12Cd"};
  const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
  for (const char* name : names) {
    ASSERT_TRUE(writeFile(name, {'m', 'i', 'e', 'n', 'k'}));
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
  }
  for (int start = 0; start < 10; ++start) {
    SCOPED_TRACE(start);
    // A writable settings file: the start has gone past its clean-up of old
    // when it has read the file and taken its write permission.
    QFile::remove("beallit.ini");
    ASSERT_TRUE(writeFile("beallit.ini", std::vector<std::uint8_t>(91, 0)));
    ASSERT_EQ(::chmod("beallit.ini", 0644), 0);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(QString::fromStdString(grafolinProgram()), {});
    ASSERT_TRUE(program.waitForStarted());
    QElapsedTimer bound;
    bound.start();
    struct stat st {};
    // A generous bound, only so that a start that never reads fails.
    while (::stat("beallit.ini", &st) == 0 && (st.st_mode & 0200) && bound.elapsed() < 60000) QThread::msleep(20);
    program.kill();
    program.waitForFinished();
    EXPECT_EQ(st.st_mode & 0200, 0u) << "the start did not read its settings";
    for (const char* name : names) EXPECT_EQ(read(name), "mienk") << name;
  }
}

}  // namespace
}  // namespace graf::testing
