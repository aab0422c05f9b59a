// SPDX-License-Identifier: MIT
#include "platform/files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace graf::platform {

namespace {

const QString kFolder = QStringLiteral("ez egy mappa, nem fájl");
const QString kMissing = QStringLiteral("a fájl nem létezik");
const QString kNotRegular = QStringLiteral("nem közönséges fájl (például cső vagy eszköz)");

#if !defined(Q_OS_UNIX)
// What stands at `path` when it is not a regular file, or an empty text.
// A missing file is no objection: reading reports it, writing creates it.
QString notARegularFile(const QString& path) {
  const QFileInfo info(path);  // follows links, as opening does
  if (!info.exists() || info.isFile()) return {};
  return info.isDir() ? kFolder : kNotRegular;
}
#endif

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

#if defined(Q_OS_UNIX)
namespace {

// Temporary files are named "<file>.grafolin-XXXXXX" beside the file they
// become, so that a run killed while writing leaves a name that the next
// start recognises (removeStrayTemporaryFiles).
const char kTemporaryInfix[] = ".grafolin-";

QByteArray randomSuffix() {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray out(6, '0');
  for (char& ch : out) ch = kAlphabet[QRandomGenerator::global()->bounded(62)];
  return out;
}

QByteArray folderOf(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return ".";
  if (slash == 0) return "/";
  return path.left(slash);
}

// Makes a new name or a rename in the folder of `path` durable: after a power
// cut the folder shows the new file, not the old one or none. 0, or errno.
int syncFolderOf(const QByteArray& path) {
  const int fd = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int cause = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  // Some file systems cannot sync a folder at all; there is nothing more to do.
  if (cause == EINVAL || cause == ENOTSUP) cause = 0;
  return cause;
}

// Writes `data` whole into a new temporary file beside `target` and syncs it
// to the disk; an existing target's permissions are carried over. On failure
// nothing is left behind and errno's value comes back in `cause`.
bool writeTemporary(const QByteArray& target, const QByteArray& data, QByteArray& temporary, int& cause) {
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = target + kTemporaryInfix + randomSuffix();
    fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      cause = errno;
      return false;
    }
  }
  if (fd < 0) {
    cause = EEXIST;
    return false;
  }
  const auto fail = [&](int why) {
    cause = why ? why : EIO;
    ::close(fd);
    ::unlink(temporary.constData());
    return false;
  };
  struct stat old {};
  if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) != 0)
    return fail(errno);
  const char* p = data.constData();
  qsizetype left = data.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
    p += n;
    left -= n;
  }
  // The data must be on the disk before the new file takes the name: some
  // file systems only report a full disk here.
  if (::fsync(fd) != 0) return fail(errno);
  if (::close(fd) != 0) {
    cause = errno ? errno : EIO;
    ::unlink(temporary.constData());
    return false;
  }
  return true;
}

}  // namespace

// What stands at the native name `target` when it is not a regular file, or
// an empty text; the name's bytes are used as they are, whatever they encode.
QString notARegularFileNative(const QByteArray& target) {
  struct stat st {};
  if (::stat(target.constData(), &st) != 0 || S_ISREG(st.st_mode)) return {};
  return S_ISDIR(st.st_mode) ? kFolder : kNotRegular;
}

bool writeWholeFileNative(const QByteArray& target, const QByteArray& data, QString* error) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (const QString what = notARegularFileNative(target); !what.isEmpty()) return fail(what);
  QByteArray temporary;
  int cause = 0;
  if (!writeTemporary(target, data, temporary, cause)) return fail(systemErrorReason(cause));
  if (::rename(temporary.constData(), target.constData()) != 0) {
    cause = errno;
    ::unlink(temporary.constData());
    return fail(systemErrorReason(cause));
  }
  if ((cause = syncFolderOf(target)) != 0) return fail(systemErrorReason(cause));
  return true;
}

NewFile createWholeFileNative(const QByteArray& target, const QByteArray& data, QString* error) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return NewFile::Failed;
  };
  struct stat st {};
  if (::lstat(target.constData(), &st) == 0) return NewFile::Exists;
  QByteArray temporary;
  int cause = 0;
  if (!writeTemporary(target, data, temporary, cause)) return fail(systemErrorReason(cause));
  // A second name for the finished file: taken only when nothing has it yet,
  // so two programs saving at the same moment never replace each other's set.
  if (::link(temporary.constData(), target.constData()) != 0) {
    cause = errno;
    if (cause == EPERM || cause == ENOTSUP || cause == EOPNOTSUPP || cause == EMLINK) {
      // A file system without hard links: the name is claimed by an empty
      // file made exclusively, which the finished file then replaces.
      const int claim = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (claim < 0) {
        cause = errno;
      } else {
        ::close(claim);
        cause = ::rename(temporary.constData(), target.constData()) == 0 ? 0 : errno;
        if (cause) ::unlink(target.constData());
      }
    }
    if (cause) {
      ::unlink(temporary.constData());
      return cause == EEXIST ? NewFile::Exists : fail(systemErrorReason(cause));
    }
  } else {
    ::unlink(temporary.constData());
  }
  if ((cause = syncFolderOf(target)) != 0) return fail(systemErrorReason(cause));
  return NewFile::Created;
}

int removeStrayTemporaryFiles(const QString& folder, int olderThanSeconds) {
  // Our own temporary names, and those of earlier versions for the settings
  // file: the file's name, then a dot and six letters or digits.
  static const QRegularExpression kOurs(QStringLiteral(
      "^(.+\\.grafolin-[A-Za-z0-9]{6}|beallit\\.ini\\.[A-Za-z0-9]{6})$"));
  int removed = 0;
  const QDateTime limit = QDateTime::currentDateTimeUtc().addSecs(-olderThanSeconds);
  const QDir listing(folder.isEmpty() ? QStringLiteral(".") : folder);
  for (const QFileInfo& entry : listing.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
    if (!kOurs.match(entry.fileName()).hasMatch() || entry.isSymLink() || !entry.isFile()) continue;
    // A live run's file is being written this very moment: it is new.
    if (entry.lastModified().toUTC() > limit) continue;
    if (::unlink(QFile::encodeName(entry.absoluteFilePath()).constData()) == 0) ++removed;
  }
  return removed;
}

#else

bool writeWholeFileNative(const QByteArray& target, const QByteArray& data, QString* error) {
  const QString path = QFile::decodeName(target);
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (const QString what = notARegularFile(path); !what.isEmpty()) return fail(what);
  QSaveFile f(path);
  f.setDirectWriteFallback(false);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(f.errorString());
  if (f.write(data) != data.size() || !f.flush()) {
    const QString why = f.errorString();
    f.cancelWriting();
    return fail(why);
  }
  if (!f.commit()) return fail(f.errorString());
  return true;
}

NewFile createWholeFileNative(const QByteArray& target, const QByteArray& data, QString* error) {
  // Without an exclusive rename here, the name is checked first.
  if (QFileInfo::exists(QFile::decodeName(target))) return NewFile::Exists;
  return writeWholeFileNative(target, data, error) ? NewFile::Created : NewFile::Failed;
}

int removeStrayTemporaryFiles(const QString&, int) { return 0; }

#endif

bool openRegularFileNative(const QByteArray& name, QFile& file, QString* error) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
#if defined(Q_OS_UNIX)
  if (const QString what = notARegularFileNative(name); !what.isEmpty()) return fail(what);
  // Opened without waiting, so that a pipe put there after the look above
  // cannot block; what was opened is looked at once more, and only a regular
  // file is handed on, in blocking mode again.
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
  const QString path = QFile::decodeName(name);
  if (const QString what = notARegularFile(path); !what.isEmpty()) return fail(what);
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly)) return fail(file.exists() ? file.errorString() : kMissing);
  return true;
#endif
}

bool readWholeFileNative(const QByteArray& name, qint64 maxBytes, QByteArray* data, QString* error) {
  QFile file;
  if (!openRegularFileNative(name, file, error)) return false;
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

bool writeWholeFile(const QString& path, const QByteArray& data, QString* error) {
  return writeWholeFileNative(QFile::encodeName(path), data, error);
}

NewFile createWholeFile(const QString& path, const QByteArray& data, QString* error) {
  return createWholeFileNative(QFile::encodeName(path), data, error);
}

bool openRegularFile(const QString& path, QFile& file, QString* error) {
  return openRegularFileNative(QFile::encodeName(path), file, error);
}

bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, QString* error) {
  return readWholeFileNative(QFile::encodeName(path), maxBytes, data, error);
}

bool fileExists(const QString& path) { return QFileInfo::exists(path); }

}  // namespace graf::platform
