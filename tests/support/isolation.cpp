// SPDX-License-Identifier: MIT
#include "tests/support/isolation.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace graf::testing {

namespace {
struct Sandbox {
  std::string dir;
  Sandbox() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "grafolin-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("cannot create a temporary directory");
    dir = tmpl;
    std::filesystem::create_directories(dir + "/home/.config");
    setenv("HOME", (dir + "/home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir + "/home/.config").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir + "/home/.local/share").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    // Tests never need a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::filesystem::create_directories(dir + "/work");
    if (chdir((dir + "/work").c_str()) != 0) throw std::runtime_error("cannot enter " + dir);
  }
  ~Sandbox() {
    std::error_code ec;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
    // Read-only files must be writable again before they can go.
    for (auto& e : std::filesystem::recursive_directory_iterator(dir, ec))
      std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir, ec);
  }
};
}  // namespace

OwnFolder::OwnFolder() : previous_(std::filesystem::current_path().string()) {
  static int n = 0;
  std::filesystem::path dir;
  do dir = std::filesystem::current_path() / ("own" + std::to_string(++n));
  while (std::filesystem::exists(dir));
  std::filesystem::create_directories(dir);
  std::filesystem::current_path(dir);
}

OwnFolder::~OwnFolder() {
  std::error_code ec;
  std::filesystem::current_path(previous_, ec);
}

const std::string& isolateProcess() {
  static Sandbox sandbox;
  return sandbox.dir;
}

}  // namespace graf::testing
