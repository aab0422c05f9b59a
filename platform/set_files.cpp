// SPDX-License-Identifier: MIT
#include "platform/set_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "platform/files.h"

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace graf::platform {

namespace {

const char kAmbiguous[] =
    "a fájl nevében UTF-8-ként nem olvasható bájtok állnak, és a mappában több fájl neve is így jelenik meg";

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t utf8Length(const std::string& s, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(at);
  std::size_t n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || lead == 0xC0 || lead == 0xC1 || lead > 0xF4 || at + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((byte(at + k) >> 6) != 0x2) return 0;
  return n;
}

}  // namespace

std::string escapedFileName(const std::string& name) {
  std::string out;
  for (std::size_t k = 0; k < name.size();) {
    const std::size_t n = utf8Length(name, k);
    const unsigned char first = static_cast<unsigned char>(name[k]);
    // Control characters too: a name with a line break must not forge a line.
    if (n == 0 || first < 0x20 || first == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(name[k])));
      out += hex;
      ++k;
    } else {
      out.append(name, k, n);
      k += n;
    }
  }
  return out;
}

SetFileSystem::Native SetFileSystem::native(const std::string& path) const {
  Native found;
  found.name = nativeName(QByteArray::fromStdString(path), &found.ambiguous);
  return found;
}

bool SetFileSystem::exists(const std::string& path) const {
#if defined(Q_OS_UNIX)
  struct stat st {};
  return ::stat(native(path).name.constData(), &st) == 0;
#else
  return fileExists(QString::fromStdString(path));
#endif
}

bool SetFileSystem::read(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                         std::string& reason) {
  const Native file = native(path);
  if (file.ambiguous) {
    reason = kAmbiguous;
    return false;
  }
  QByteArray data;
  QString why;
  if (!readWholeFileNative(file.name, static_cast<qint64>(limit), &data, &why)) {
    reason = why.toStdString();
    return false;
  }
  bytes.assign(data.begin(), data.end());
  return true;
}

bool SetFileSystem::replace(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) {
  const Native file = native(path);
  if (file.ambiguous) {
    reason = kAmbiguous;
    return false;
  }
  QString why;
  const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  if (writeWholeFileNative(file.name, data, &why)) return true;
  reason = why.toStdString();
  return false;
}

graf::SetFilePort::NewFile SetFileSystem::create(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                                 std::string& reason) {
  QString why;
  const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  switch (createWholeFileNative(native(path).name, data, &why)) {
    case platform::NewFile::Created: return NewFile::Created;
    case platform::NewFile::Exists: return NewFile::Exists;
    case platform::NewFile::Failed: break;
  }
  reason = why.toStdString();
  return NewFile::Failed;
}

std::string SetFileSystem::displayPath(const std::string& path) const {
  const std::string name = native(path).name.toStdString();
  if (!name.empty() && name.front() == '/') return escapedFileName(name);
  return escapedFileName(QDir::currentPath().toStdString() + "/" + name);
}

}  // namespace graf::platform
