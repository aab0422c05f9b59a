// SPDX-License-Identifier: MIT
#pragma once
// Ways to make a write fail without being root, and files that are not
// regular files, for the tests of bad input.
#include <string>

namespace graf::testing {

// While it lives, this process may write no file beyond `bytes` bytes: a
// longer write fails with EFBIG ("File too large") as on a full disk, and
// SIGXFSZ is ignored so that the process carries on.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(long long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long long oldSoft_ = 0;
  void (*oldHandler_)(int) = nullptr;
};

// A named pipe, a listening socket's file: fail the test when it cannot be made.
void makeNamedPipe(const std::string& path);
void makeSocketFile(const std::string& path);

// Every name in a folder, sorted, "." and ".." left out.
std::string folderListing(const std::string& folder);

}  // namespace graf::testing
