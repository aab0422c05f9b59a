// SPDX-License-Identifier: MIT
#pragma once
// Function-set files in memory, for the tests and the fuzz targets: files
// that exist, files that cannot be read or written (with the reason the
// system would give), and every replacing write counted.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "functionsets/load_save.h"

namespace graf::testing {

class MemorySetFiles : public SetFilePort {
 public:
  std::map<std::string, std::vector<std::uint8_t>> files;
  std::map<std::string, std::string> unreadable;  // path → reason
  std::map<std::string, std::string> unwritable;  // path → reason
  int writes = 0;

  bool exists(const std::string& path) const override { return files.count(path) || unreadable.count(path); }
  bool read(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
            std::string& reason) override {
    if (unreadable.count(path)) {
      reason = unreadable.at(path);
      return false;
    }
    const auto found = files.find(path);
    if (found == files.end()) {
      reason = "a fájl nem létezik";
      return false;
    }
    const std::vector<std::uint8_t>& data = found->second;
    bytes.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(std::min(data.size(), limit + 1)));
    return true;
  }
  bool replace(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) override {
    if (unwritable.count(path)) {
      reason = unwritable.at(path);
      return false;
    }
    files[path] = bytes;
    ++writes;
    return true;
  }
  NewFile create(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) override {
    if (exists(path)) return NewFile::Exists;
    return replace(path, bytes, reason) ? NewFile::Created : NewFile::Failed;
  }
  std::string displayPath(const std::string& path) const override { return "/munka/" + path; }
};

}  // namespace graf::testing
