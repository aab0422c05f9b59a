// SPDX-License-Identifier: MIT
// Two programs that press "Ment" with automatic names in one folder at the
// same moment: each set gets a name of its own, and no set is lost.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>
#include <vector>

#include "functionsets/function_set.h"
#include "functionsets/load_save.h"
#include "platform/files.h"
#include "platform/set_files.h"
#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

class AutomaticNameWindow : public SaveLoadPort {
 public:
  int closes = 0;
  std::string comment() const override { return "verseny"; }
  bool automaticFileName() const override { return true; }
  std::optional<std::string> askFileToSave() override { return std::nullopt; }
  std::optional<std::string> askFileToOpen() override { return std::nullopt; }
  void setSaveLabel(const std::string&) override {}
  void setSaveEnabled(bool) override {}
  void setLoadedComment(const std::string&) override {}
  void setAckAndDiscardEnabled() override {}
  void closeWindow() override { ++closes; }
};

// One program: its own state, picture and windows, the set files of the disk.
struct Program {
  PlotState st;
  Raster pic;
  FakeUi ui;
  LoadSession session{ui};
  Commands cmd{st, pic, Ports{ui, session}};
  AutomaticNameWindow window;
  platform::SetFileSystem files;
  SaveLoad saveLoad{cmd, session, window, files};

  explicit Program(const std::string& a) {
    ui.attach(cmd);
    cmd.selectKind(Kind::Linear);
    ui.type(a, "1", "");
    cmd.plotCommand();
  }
  std::vector<std::uint8_t> record() const { return encodeFunctionSet(st.table, "verseny"); }
};

std::vector<std::uint8_t> contents(const char* name) {
  QFile f(QString::fromUtf8(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = f.readAll();
  return {data.begin(), data.end()};
}

TEST(SaveRace, TwoProgramsSavingAtOnceKeepBothSets) {
  const QString home = QDir::currentPath();
  constexpr int kRounds = 150;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    const QString folder = home + QStringLiteral("/verseny-%1").arg(round);
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir::setCurrent(folder));
    // Every other round finds the first name already taken.
    if (round % 2) {
      QString error;
      ASSERT_EQ(platform::createWholeFile(QStringLiteral("fuggvenyek1.fv"), "regi", &error), platform::NewFile::Created);
    }
    Program first("2"), second("3");
    std::atomic<int> ready{0};
    const auto save = [&ready](Program& p) {
      ++ready;
      while (ready.load() < 2) std::this_thread::yield();
      p.saveLoad.save();
    };
    std::thread a(save, std::ref(first)), b(save, std::ref(second));
    a.join();
    b.join();

    EXPECT_EQ(first.window.closes, 1);
    EXPECT_EQ(second.window.closes, 1);
    const int base = round % 2 ? 2 : 1;
    const std::string one = "fuggvenyek" + std::to_string(base) + ".fv";
    const std::string two = "fuggvenyek" + std::to_string(base + 1) + ".fv";
    std::vector<std::vector<std::uint8_t>> stored = {contents(one.c_str()), contents(two.c_str())};
    std::vector<std::vector<std::uint8_t>> saved = {first.record(), second.record()};
    std::sort(stored.begin(), stored.end());
    std::sort(saved.begin(), saved.end());
    EXPECT_EQ(stored, saved) << "a set was lost or overwritten";
    if (round % 2) {
      EXPECT_EQ(contents("fuggvenyek1.fv"), std::vector<std::uint8_t>({'r', 'e', 'g', 'i'}));
    }
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left.size(), round % 2 ? 3 : 2) << left.join(' ').toStdString() << ": no temporary file stays";
    ASSERT_TRUE(QDir::setCurrent(home));
  }
}

}  // namespace
}  // namespace graf::testing
