#include "platform/files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

namespace {
QString reasonOf(const QFileDevice& f) {
  switch (f.error()) {
    case QFileDevice::PermissionsError: return QStringLiteral("nincs hozzá jogosultság");
    case QFileDevice::OpenError: return QStringLiteral("nem nyitható meg (%1)").arg(f.errorString());
    case QFileDevice::WriteError: return QStringLiteral("írási hiba (%1)").arg(f.errorString());
    case QFileDevice::ReadError: return QStringLiteral("olvasási hiba (%1)").arg(f.errorString());
    default: return f.errorString();
  }
}
}  // namespace

bool writeWholeFile(const QString& path, const QByteArray& data, QString* error) {
  QSaveFile f(path);
  // Never fall back to writing over the old file in place.
  f.setDirectWriteFallback(false);
  // Unbuffered, so that a write the disk takes only in part (a full disk, a
  // file-size limit) is seen here instead of being lost in a late flush.
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    if (error) *error = reasonOf(f);
    return false;
  }
  if (f.write(data) != data.size()) {
    if (error) *error = reasonOf(f);
    f.cancelWriting();
    return false;
  }
  if (!f.commit()) {
    if (error) *error = reasonOf(f);
    return false;
  }
  return true;
}

bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, QString* error) {
  // A pipe or a device would block the reader, and a folder holds no data:
  // only regular files (or links to them) are opened.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    if (error) *error = info.isDir() ? QStringLiteral("ez egy mappa, nem fájl")
                                     : QStringLiteral("nem közönséges fájl (például cső vagy eszköz)");
    return false;
  }
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = f.exists() ? reasonOf(f) : QStringLiteral("a fájl nem létezik");
    return false;
  }
  *data = f.read(maxBytes + 1);
  if (f.error() != QFileDevice::NoError) {
    if (error) *error = reasonOf(f);
    return false;
  }
  return true;
}

bool fileExists(const QString& path) { return QFileInfo::exists(path); }

}  // namespace platform
