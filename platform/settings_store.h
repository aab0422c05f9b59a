// SPDX-License-Identifier: MIT
#pragma once
// The settings file "beallit.ini" in the process's current folder. Read-only
// is the file's write permission, taken away after every access and given
// back before the next; hidden has no counterpart and is dropped.
#include "settings/settings_file.h"

namespace graf::platform {

class SettingsFileStore : public graf::SettingsFilePort {
 public:
  std::string displayName() const override;
  graf::SettingsFileContent read() override;
  bool write(const graf::SettingsRecord& record, std::string& reason) override;
};

}  // namespace graf::platform
