// SPDX-License-Identifier: MIT
#include "tests/support/file_limits.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

namespace graf::testing {

FileSizeLimit::FileSizeLimit(long long bytes) {
  oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  oldSoft_ = limit.rlim_cur;
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0) << std::strerror(errno);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(oldSoft_);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  ::signal(SIGXFSZ, oldHandler_);
}

void makeNamedPipe(const std::string& path) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << path << ": " << std::strerror(errno);
}

void makeSocketFile(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0) << std::strerror(errno);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  const int error = errno;
  ::close(fd);  // the file stays behind
  ASSERT_EQ(bound, 0) << path << ": " << std::strerror(error);
}

std::string folderListing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  std::string out;
  for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
  return out;
}

}  // namespace graf::testing
