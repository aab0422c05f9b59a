// SPDX-License-Identifier: MIT
#pragma once
// The settings file "beallit.ini" in the process's current folder. Read-only
// is the file's write permission: a new file takes its name without it, so no
// moment leaves it writable, and a file that was read has it taken away
// through the open file itself. Hidden has no counterpart and is dropped.
//
// A "beallit.ini" that is a symbolic link is read (where it points is the
// user's choice) but never changed through: its target's permissions stay as
// they are, and a write is refused with the reason, so that neither the link
// nor the file it names is replaced.
#include "settings/settings_file.h"

namespace graf::platform {

class SettingsFileStore : public graf::SettingsFilePort {
 public:
  std::string displayName() const override;
  graf::SettingsFileContent read() override;
  bool write(const graf::SettingsRecord& record, std::string& reason) override;
};

}  // namespace graf::platform
