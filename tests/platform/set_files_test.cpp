// SPDX-License-Identifier: MIT
// Set files whose names are not UTF-8: read and written under the bytes the
// system has, found again when a dialog or the command line shows them with
// U+FFFD, and named in messages with those bytes escaped, never as missing.
#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <string>
#include <vector>

#include "platform/set_files.h"

namespace graf::testing {
namespace {

class SetFilesWithForeignNames : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = "idegen-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_EQ(::mkdir(folder_.c_str(), 0755), 0);
  }
  std::string in(const std::string& name) const { return folder_ + "/" + name; }
  static void put(const std::string& path, const std::string& data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::write(fd, data.data(), data.size()), static_cast<ssize_t>(data.size()));
    ::close(fd);
  }
  static std::string contents(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    std::string reason;
    platform::SetFileSystem files;
    if (!files.read(path, 100, bytes, reason)) return "(" + reason + ")";
    return std::string(bytes.begin(), bytes.end());
  }
  // The folder's entries as the system has them (Qt cannot list such names).
  std::vector<std::string> entries() const {
    std::vector<std::string> out;
    DIR* dir = ::opendir(folder_.c_str());
    while (const dirent* e = dir ? ::readdir(dir) : nullptr)
      if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") out.emplace_back(e->d_name);
    if (dir) ::closedir(dir);
    return out;
  }
  std::string folder_;
  platform::SetFileSystem files;
};

const std::string kRaw = "k\xE9p \xFF.fv";                      // Latin-1 bytes, as an old program left them
const std::string kShown = "k\xEF\xBF\xBDp \xEF\xBF\xBD.fv";  // how a dialog hands that name over

TEST_F(SetFilesWithForeignNames, AreReadAndReplacedUnderTheirOwnBytes) {
  put(in(kRaw), "regi");
  for (const std::string& given : {in(kRaw), in(kShown)}) {
    SCOPED_TRACE(platform::escapedFileName(given));
    EXPECT_TRUE(files.exists(given));
    EXPECT_EQ(contents(given), "regi");
  }
  std::string reason;
  ASSERT_TRUE(files.replace(in(kShown), {'u', 'j'}, reason)) << reason;
  EXPECT_EQ(contents(in(kRaw)), "uj");
  EXPECT_EQ(entries(), std::vector<std::string>{kRaw}) << "no second file appeared";
  EXPECT_EQ(files.displayPath(in(kShown)),
            QDir::currentPath().toStdString() + "/" + folder_ + "/k\\xE9p \\xFF.fv");
}

TEST_F(SetFilesWithForeignNames, TwoNamesThatReadAlikeAreRefusedWithTheReason) {
  put(in("a\xE9.fv"), "elso");
  put(in("a\xE1.fv"), "masodik");
  const std::string shown = in("a\xEF\xBF\xBD.fv");
  std::vector<std::uint8_t> bytes;
  std::string reason;
  EXPECT_FALSE(files.read(shown, 100, bytes, reason));
  EXPECT_NE(reason.find("UTF-8"), std::string::npos) << reason;
  EXPECT_EQ(reason.find("nem létezik"), std::string::npos) << reason;
  EXPECT_FALSE(files.replace(shown, {'x'}, reason));
  EXPECT_EQ(contents(in("a\xE9.fv")), "elso");
  EXPECT_EQ(contents(in("a\xE1.fv")), "masodik");
}

TEST(EscapedFileName, KeepsUtf8AndEscapesEveryOtherByte) {
  const struct {
    std::string name, shown;
  } cases[] = {
      {"függvények.fv", "függvények.fv"},
      {"k\xE9p \xFF.fv", "k\\xE9p \\xFF.fv"},
      {"\xC3", "\\xC3"},                  // a sequence cut short
      {"\xC0\xAF", "\\xC0\\xAF"},         // an overlong slash
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::escapedFileName(c.name), c.shown);
}

}  // namespace
}  // namespace graf::testing
