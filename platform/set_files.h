#pragma once
// Function-set files on the disk: only regular files are read, and a save
// replaces a file only by a complete one (platform/files.h).
#include "functionsets/load_save.h"

namespace platform {

class SetFileSystem : public graf::SetFilePort {
 public:
  bool exists(const std::string& path) const override;
  bool read(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
            std::string& reason) override;
  bool replace(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) override;
  NewFile create(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) override;
  std::string displayPath(const std::string& path) const override;
};

}  // namespace platform
