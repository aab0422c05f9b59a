// SPDX-License-Identifier: MIT
#pragma once
// Gives the test process its own temporary current directory and its own
// per-user settings location, removed again when the process ends.
#include <string>

namespace graf::testing {
// The temporary directory the process runs in.
const std::string& isolateProcess();

// A fresh folder inside the current one becomes the current folder for the
// life of this object, so that tests run in one process keep their files
// apart.
class OwnFolder {
 public:
  OwnFolder();
  ~OwnFolder();
  OwnFolder(const OwnFolder&) = delete;
  OwnFolder& operator=(const OwnFolder&) = delete;

 private:
  std::string previous_;
};
}
