// SPDX-License-Identifier: MIT
#pragma once
// Function-set files on the disk: only regular files are read, and a save
// replaces a file only by a complete one (platform/files.h).
//
// Paths are the system's own bytes, so a name that is not UTF-8 is read and
// written as it is. Such a name that came through a text that could not hold
// it (a file dialog, the command line shows U+FFFD for its bytes) is found
// again in its folder when exactly one entry there reads like it; otherwise
// the message says so. Messages show those bytes as \xNN.
#include <QByteArray>
#include <string>

#include "functionsets/load_save.h"

namespace graf::platform {

// `name` as messages show it: every byte that is not part of valid UTF-8,
// and every control character (a line break, an escape), written as \xNN.
std::string escapedFileName(const std::string& name);

class SetFileSystem : public graf::SetFilePort {
 public:
  bool exists(const std::string& path) const override;
  bool read(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
            std::string& reason) override;
  bool replace(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) override;
  NewFile create(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) override;
  std::string displayPath(const std::string& path) const override;

 private:
  struct Native {
    QByteArray name;
    bool ambiguous = false;  // several entries read like the name
  };
  Native native(const std::string& path) const;
};

}  // namespace graf::platform
