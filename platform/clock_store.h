// SPDX-License-Identifier: MIT
#pragma once
// The per-user store of the processor clock: QSettings under organisation
// "Velmora", application "Grafolin" (on Linux the file
// ~/.config/Velmora/Grafolin.conf, on Windows the registry).
#include <QString>

#include "startup/ports.h"

namespace graf::platform {

class SettingsClockStore : public ClockStore {
 public:
  // Where the values are kept: a file, or a registry path.
  QString location() const;

  std::optional<std::string> readText(const std::string& name) const override;
  std::string writeText(const std::string& name, const std::string& text) override;
};

}  // namespace graf::platform
