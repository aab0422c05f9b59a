#include "platform/files.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

const QString kFolder = QStringLiteral("ez egy mappa, nem fájl");
const QString kMissing = QStringLiteral("a fájl nem létezik");
const QString kNotRegular = QStringLiteral("nem közönséges fájl (például cső vagy eszköz)");

// What stands at `path` when it is not a regular file, or an empty text.
// A missing file is no objection: reading reports it, writing creates it.
QString notARegularFile(const QString& path) {
  const QFileInfo info(path);  // follows links, as opening does
  if (!info.exists() || info.isFile()) return {};
  return info.isDir() ? kFolder : kNotRegular;
}

QString hungarianWords(int error) {
  switch (error) {
    case ENOSPC: return QStringLiteral("nincs elég hely a lemezen");
#if defined(EDQUOT)
    case EDQUOT: return QStringLiteral("elfogyott a lemezkvóta");
#endif
    case EFBIG: return QStringLiteral("a fájl túl nagy");
    case EACCES:
    case EPERM: return QStringLiteral("nincs hozzá jogosultság");
    case EROFS: return QStringLiteral("csak olvasható a lemez");
    case ENOENT: return QStringLiteral("a fájl vagy a mappája nem létezik");
    case ENOTDIR: return QStringLiteral("az útvonal egy része nem mappa");
    case EISDIR: return kFolder;
    case EIO: return QStringLiteral("ki- vagy bemeneti hiba");
    case ENAMETOOLONG: return QStringLiteral("túl hosszú a név");
    default: return QStringLiteral("hiba");
  }
}

}  // namespace

QString systemErrorReason(int error) {
  return QStringLiteral("%1 (%2)").arg(hungarianWords(error), QString::fromLocal8Bit(std::strerror(error)));
}

bool writeWholeFile(const QString& path, const QByteArray& data, QString* error) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (const QString what = notARegularFile(path); !what.isEmpty()) return fail(what);

  QSaveFile f(path);
  // Never fall back to writing over the old file in place.
  f.setDirectWriteFallback(false);
  // Each step leaves errno at the cause of its failure; Qt's own text for it
  // is not always the system's ("Unknown error" after a failed commit).
  // Unbuffered, so that a write the disk takes only in part (a full disk, a
  // file-size limit) is seen at once.
  errno = 0;
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(systemErrorReason(errno ? errno : EACCES));
  errno = 0;
  if (f.write(data) != data.size() || !f.flush()) {
    const int cause = errno ? errno : EIO;
    f.cancelWriting();
    return fail(systemErrorReason(cause));
  }
#if defined(Q_OS_UNIX)
  // The data must be on the disk before the new file replaces the old one:
  // some file systems only report a full disk here.
  errno = 0;
  if (::fsync(static_cast<int>(f.handle())) != 0) {
    const int cause = errno;
    f.cancelWriting();
    return fail(systemErrorReason(cause));
  }
#endif
  errno = 0;
  if (!f.commit()) return fail(systemErrorReason(errno ? errno : EIO));
  return true;
}

bool openRegularFile(const QString& path, QFile& file, QString* error) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (const QString what = notARegularFile(path); !what.isEmpty()) return fail(what);
#if defined(Q_OS_UNIX)
  // Opened without waiting, so that a pipe put there after the look above
  // cannot block; what was opened is looked at once more, and only a regular
  // file is handed on, in blocking mode again.
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail(errno == ENOENT ? kMissing : systemErrorReason(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int cause = errno;
    ::close(fd);
    return fail(S_ISDIR(st.st_mode) ? kFolder : cause ? systemErrorReason(cause) : kNotRegular);
  }
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1 ||
      !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    const int cause = errno;
    ::close(fd);
    return fail(systemErrorReason(cause ? cause : EIO));
  }
  return true;
#else
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly)) return fail(file.exists() ? file.errorString() : kMissing);
  return true;
#endif
}

bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, QString* error) {
  QFile file;
  if (!openRegularFile(path, file, error)) return false;
  QByteArray bytes(static_cast<qsizetype>(maxBytes + 1), Qt::Uninitialized);
  qsizetype got = 0;
  while (got < bytes.size()) {
    const qint64 n = file.read(bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (error) *error = QStringLiteral("olvasási hiba (%1)").arg(file.errorString());
      return false;
    }
    if (n == 0) break;
    got += n;
  }
  bytes.truncate(got);
  *data = bytes;
  return true;
}

bool fileExists(const QString& path) { return QFileInfo::exists(path); }

}  // namespace platform
