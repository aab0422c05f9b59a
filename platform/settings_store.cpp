// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files.h"

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace graf::platform {

namespace {

const QString kName = QString::fromUtf8(graf::SettingsFileName);
const QByteArray kNativeName = QByteArray(graf::SettingsFileName);

const QString kNotAFile = QStringLiteral("nem közönséges fájl (mappa, csővezeték vagy eszköz)");
const QString kLink = QStringLiteral(
    "szimbolikus link: a program nem ír rajta keresztül, és a helyére sem tesz fájlt; "
    "töröld a linket, vagy másold a helyére a fájlt, amelyre mutat");

// Whether the name itself is a symbolic link (not where it points).
bool isLink() {
#if defined(Q_OS_UNIX)
  struct stat st {};
  return ::lstat(kNativeName.constData(), &st) == 0 && S_ISLNK(st.st_mode);
#else
  return QFileInfo(kName).isSymLink();
#endif
}

// Takes the write permission from the file that was read, through its own
// descriptor: never from whatever a link names, never from a file that took
// the name since.
void makeReadOnly(QFile& file) {
#if defined(Q_OS_UNIX)
  struct stat st {};
  const int fd = file.handle();
  if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 0222) != 0)
    ::fchmod(fd, st.st_mode & 07555);
#else
  QFile::setPermissions(kName, QFile::permissions(kName) & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                             QFileDevice::WriteGroup | QFileDevice::WriteOther));
#endif
}

}  // namespace

std::string SettingsFileStore::displayName() const {
  return QDir::toNativeSeparators(QDir::current().absoluteFilePath(kName)).toStdString();
}

graf::SettingsFileContent SettingsFileStore::read() {
  using Outcome = graf::SettingsFileContent::Outcome;
  graf::SettingsFileContent content;
  const QFileInfo info(kName);
  if (!info.exists()) return content;  // Missing
  if (!info.isFile()) {
    content.outcome = Outcome::Refused;
    content.reason = kNotAFile.toStdString();
    return content;
  }
  // Reading needs no write permission, so none is given back for it.
  QFile f;
  QString why;
  if (!openRegularFile(kName, f, &why)) {
    content.outcome = Outcome::Refused;
    content.reason = why.toStdString();
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
  if (!isLink()) makeReadOnly(f);
  f.close();
  return content;
}

bool SettingsFileStore::write(const graf::SettingsRecord& record, std::string& reason) {
  if (isLink()) {
    reason = kLink.toStdString();
    return false;
  }
  const QFileInfo info(kName);
  if (info.exists() && !info.isFile()) {
    reason = kNotAFile.toStdString();
    return false;
  }
  // The program keeps its file read-only itself, so a read-only file is
  // replaced; the new one is read-only from its first moment under the name.
  WriteRules rules;
  rules.replaceReadOnly = true;
  rules.readOnly = true;
  QString error;
  if (!writeWholeFileNative(kNativeName, QByteArray(reinterpret_cast<const char*>(record.data()), record.size()),
                            &error, rules)) {
    reason = error.toStdString();
    return false;
  }
  return true;
}

}  // namespace graf::platform
