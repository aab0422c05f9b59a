// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files.h"

namespace graf::platform {

namespace {

const QString kName = QString::fromUtf8(graf::SettingsFileName);
constexpr QFileDevice::Permissions kWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Only a regular file is ever read or replaced: never a folder, a pipe or a
// device that happens to carry the name.
bool regularFile(const QFileInfo& info) { return info.isFile(); }

void setReadOnly(bool readOnly) {
  const QFileInfo info(kName);
  if (!regularFile(info)) return;
  const QFileDevice::Permissions p = QFile::permissions(kName);
  QFile::setPermissions(kName, readOnly ? p & ~kWrite : p | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

const QString kNotAFile = QStringLiteral("nem közönséges fájl (mappa, csővezeték vagy eszköz)");

}  // namespace

std::string SettingsFileStore::displayName() const {
  return QDir::toNativeSeparators(QDir::current().absoluteFilePath(kName)).toStdString();
}

graf::SettingsFileContent SettingsFileStore::read() {
  using Outcome = graf::SettingsFileContent::Outcome;
  graf::SettingsFileContent content;
  const QFileInfo info(kName);
  if (!info.exists()) return content;  // Missing
  if (!regularFile(info)) {
    content.outcome = Outcome::Refused;
    content.reason = kNotAFile.toStdString();
    return content;
  }
  setReadOnly(false);
  QFile f;
  QString why;
  if (!openRegularFile(kName, f, &why)) {
    content.outcome = Outcome::Refused;
    content.reason = why.toStdString();
    setReadOnly(true);
    return content;
  }
  content.outcome = Outcome::Opened;
  content.size = static_cast<std::uint64_t>(f.size());
  // The last whole record wins; only it is read.
  const qint64 records = f.size() / static_cast<qint64>(graf::SettingsRecordSize);
  if (records > 0) {
    graf::SettingsRecord record{};
    const qint64 at = (records - 1) * static_cast<qint64>(graf::SettingsRecordSize);
    const qint64 got = f.seek(at) ? f.read(reinterpret_cast<char*>(record.data()), record.size()) : -1;
    if (got != static_cast<qint64>(record.size())) {
      content.outcome = Outcome::Refused;
      content.reason = QStringLiteral("olvasási hiba (%1)").arg(f.errorString()).toStdString();
    } else {
      content.lastRecord = record;
    }
  }
  f.close();
  setReadOnly(true);
  return content;
}

bool SettingsFileStore::write(const graf::SettingsRecord& record, std::string& reason) {
  const QFileInfo info(kName);
  if (info.exists() && !regularFile(info)) {
    reason = kNotAFile.toStdString();
    return false;
  }
  setReadOnly(false);
  QString error;
  if (!writeWholeFile(kName, QByteArray(reinterpret_cast<const char*>(record.data()), record.size()), &error)) {
    reason = error.toStdString();
    return false;
  }
  setReadOnly(true);
  return true;
}

}  // namespace graf::platform
