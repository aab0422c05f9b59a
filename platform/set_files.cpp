#include "platform/set_files.h"

#include <QFileInfo>

#include "platform/files.h"

namespace platform {

bool SetFileSystem::exists(const std::string& path) const { return fileExists(QString::fromStdString(path)); }

bool SetFileSystem::read(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                         std::string& reason) {
  QByteArray data;
  QString why;
  if (!readWholeFile(QString::fromStdString(path), static_cast<qint64>(limit), &data, &why)) {
    reason = why.toStdString();
    return false;
  }
  bytes.assign(data.begin(), data.end());
  return true;
}

bool SetFileSystem::replace(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) {
  QString why;
  const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  if (writeWholeFile(QString::fromStdString(path), data, &why)) return true;
  reason = why.toStdString();
  return false;
}

graf::SetFilePort::NewFile SetFileSystem::create(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                                 std::string& reason) {
  QString why;
  const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  switch (createWholeFile(QString::fromStdString(path), data, &why)) {
    case platform::NewFile::Created: return NewFile::Created;
    case platform::NewFile::Exists: return NewFile::Exists;
    case platform::NewFile::Failed: break;
  }
  reason = why.toStdString();
  return NewFile::Failed;
}

std::string SetFileSystem::displayPath(const std::string& path) const {
  return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

}  // namespace platform
