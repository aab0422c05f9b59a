// SPDX-License-Identifier: MIT
#include "platform/user_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

namespace graf::platform {

QString userFolder() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("Velmora/Grafolin"));
}

bool enterUserFolder(QString* error) {
  const QString folder = userFolder();
  const auto fail = [&](const QString& what, const std::error_code& ec) {
    if (error)
      *error = QStringLiteral("A program mappája („%1”) %2 (%3).")
                   .arg(QDir::toNativeSeparators(folder), what, QString::fromLocal8Bit(ec.message()));
    return false;
  };
  const std::filesystem::path path(folder.toStdString());
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) return fail(QStringLiteral("nem hozható létre"), ec);
  std::filesystem::current_path(path, ec);
  if (ec) return fail(QStringLiteral("nem nyitható meg"), ec);
  return true;
}

}  // namespace graf::platform
