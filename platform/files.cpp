// SPDX-License-Identifier: MIT
#include "platform/files.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <set>

#if defined(Q_OS_UNIX)
#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace graf::platform {

namespace {

const QString kFolder = QStringLiteral("ez egy mappa, nem fájl");
const QString kMissing = QStringLiteral("a fájl nem létezik");
const QString kNotRegular = QStringLiteral("nem közönséges fájl (például cső vagy eszköz)");
const QString kReadOnly = QStringLiteral("a fájl csak olvasható");

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
    case EEXIST: return QStringLiteral("már létezik ilyen nevű fájl");
    case ELOOP: return QStringLiteral("túl sok szimbolikus link az útvonalban");
    case EMFILE:
    case ENFILE: return QStringLiteral("túl sok a nyitott fájl");
    case EMLINK: return QStringLiteral("túl sok a hivatkozás");
    case EXDEV: return QStringLiteral("a fájl másik lemezen van");
    case EBUSY:
    case ETXTBSY: return QStringLiteral("a fájl foglalt");
    case ENOTEMPTY: return QStringLiteral("a mappa nem üres");
    case EPIPE: return QStringLiteral("a kimenetet bezárták");
    case ENXIO:
    case ENODEV: return QStringLiteral("nincs ilyen eszköz");
    case EAGAIN: return QStringLiteral("az erőforrás átmenetileg nem érhető el");
    case EINVAL: return QStringLiteral("érvénytelen művelet");
    case ENOMEM: return QStringLiteral("nincs elég memória");
    default: return QStringLiteral("rendszerhiba (%1. számú)").arg(error);
  }
}

#if defined(Q_OS_UNIX)
// The system's description of `error` in the language of the user's
// messages, when that language is Hungarian and the system has the text
// translated; otherwise nothing, so that no foreign words stand inside a
// Hungarian sentence.
QString hungarianSystemWords(int error) {
  const locale_t user = ::newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return {};
  const char* messages = ::getenv("LC_ALL");
  if (!messages || !*messages) messages = ::getenv("LC_MESSAGES");
  if (!messages || !*messages) messages = ::getenv("LANG");
  const bool hungarian = messages && std::strncmp(messages, "hu", 2) == 0;
  QString words;
  if (hungarian) {
    const QByteArray own = ::strerror_l(error, user);
    const locale_t plain = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const QByteArray english = plain != static_cast<locale_t>(nullptr) ? QByteArray(::strerror_l(error, plain)) : own;
    if (plain != static_cast<locale_t>(nullptr)) ::freelocale(plain);
    if (own != english) words = QString::fromUtf8(own);
  }
  ::freelocale(user);
  return words;
}
#else
QString hungarianSystemWords(int) { return {}; }
#endif

}  // namespace

QString systemErrorReason(int error) {
  const QString system = hungarianSystemWords(error);
  if (system.isEmpty()) return hungarianWords(error);
  return QStringLiteral("%1 (%2)").arg(hungarianWords(error), system);
}

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0.
qsizetype utf8Length(const QByteArray& s, qsizetype at) {
  const auto byte = [&](qsizetype k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(at);
  qsizetype n = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || lead == 0xC0 || lead == 0xC1 || lead > 0xF4 || at + n > s.size()) return 0;
  for (qsizetype k = 1; k < n; ++k)
    if ((byte(at + k) >> 6) != 0x2) return 0;
  // No surrogates, nothing beyond U+10FFFF, no overlong three- and four-byte forms.
  if (lead == 0xED && byte(at + 1) >= 0xA0) return 0;
  if (lead == 0xE0 && byte(at + 1) < 0xA0) return 0;
  if (lead == 0xF0 && byte(at + 1) < 0x90) return 0;
  if (lead == 0xF4 && byte(at + 1) >= 0x90) return 0;
  return n;
}

const QByteArray kReplacementCharacter = "\xEF\xBF\xBD";

}  // namespace

QString argumentText(const char* bytes) {
  const QByteArray s(bytes);
  QString out;
  for (qsizetype k = 0; k < s.size();) {
    const qsizetype n = utf8Length(s, k);
    if (n == 0) {
      out += QChar(char16_t(0xDC00 + static_cast<unsigned char>(s[k])));
      ++k;
    } else {
      out += QString::fromUtf8(s.constData() + k, n);
      k += n;
    }
  }
  return out;
}

QByteArray nativeName(const QString& name, bool* ambiguous) { return nativeName(argumentBytes(name), ambiguous); }

QByteArray argumentBytes(const QString& name) {
  QByteArray bytes;
  QString run;
  const auto flush = [&] {
    bytes += run.toUtf8();
    run.clear();
  };
  for (qsizetype k = 0; k < name.size(); ++k) {
    const char16_t c = name[k].unicode();
    const bool lone = c >= 0xDC80 && c <= 0xDCFF && (k == 0 || !name[k - 1].isHighSurrogate());
    if (lone) {
      flush();
      bytes += static_cast<char>(c - 0xDC00);
    } else {
      run += name[k];
    }
  }
  flush();
  return bytes;
}

QByteArray nativeName(const QByteArray& name, bool* ambiguous) {
  if (ambiguous) *ambiguous = false;
#if defined(Q_OS_UNIX)
  struct stat st {};
  if (!name.contains(kReplacementCharacter) || ::lstat(name.constData(), &st) == 0) return name;
  // The name came through a text that could not hold its bytes: the one entry
  // of its folder that reads like it is the file meant.
  const qsizetype slash = name.lastIndexOf('/');
  const QByteArray folder = name.left(slash + 1);
  const QString wanted = QString::fromUtf8(name.mid(slash + 1));
  DIR* dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
  if (!dir) return name;
  int matches = 0;
  QByteArray match;
  while (const dirent* entry = ::readdir(dir)) {
    const QByteArray entryName(entry->d_name);
    if (QString::fromUtf8(entryName) == wanted) {
      ++matches;
      match = entryName;
    }
  }
  ::closedir(dir);
  if (ambiguous) *ambiguous = matches > 1;
  if (matches == 1) return folder + match;
#endif
  return name;
}

#if defined(Q_OS_UNIX)
namespace {

// The temporary name of a file system without unnamed files, and the short
// name an unnamed file takes on its way over an existing one: a fixed prefix
// and six random letters or digits, 16 bytes whatever the target's name.
const char kTemporaryPrefix[] = ".grafolin-";

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

QByteArray temporaryBeside(const QByteArray& target) {
  const qsizetype slash = target.lastIndexOf('/');
  return target.left(slash + 1) + kTemporaryPrefix + randomSuffix();
}

// Makes new names and renames in `folder` durable: after a power cut the
// folder shows the new file, not the old one or none. 0, or errno.
int syncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int cause = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  // Some file systems cannot sync a folder at all; there is nothing more to do.
  if (cause == EINVAL || cause == ENOTSUP) cause = 0;
  return cause;
}

// A file written but not yet in place: unnamed, or under a temporary name.
struct Pending {
  int fd = -1;
  QByteArray temporary;  // empty for an unnamed file

  // Drops it: an unnamed file vanishes with its descriptor.
  void drop() {
    if (fd >= 0) ::close(fd);
    fd = -1;
    if (!temporary.isEmpty()) ::unlink(temporary.constData());
    temporary.clear();
  }
};

// Whether the regular file `target` is one the user may not replace: the
// system refuses to open it for writing, or it has no write permission at all
// (root may write anything, but a file without write permission was made
// read-only on purpose).
bool readOnlyFile(const QByteArray& target) {
  struct stat st {};
  if (::stat(target.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & 0222) == 0 || ::access(target.constData(), W_OK) != 0;
}

// Writes `data` into a new file for `target` that has no name of its own yet
// (or a temporary one where the file system cannot do that), with the
// permissions it will have in place: an existing target's, or those of a new
// file, without write permission when `readOnly`. Synced to the disk when
// `sync`. On failure nothing is left behind and errno's value comes back.
int writePending(const QByteArray& target, const QByteArray& data, bool readOnly, bool sync, Pending& out) {
  Pending p;
#if defined(O_TMPFILE)
  p.fd = ::open(folderOf(target).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
  for (int attempt = 0; attempt < 100 && p.fd < 0; ++attempt) {
    p.temporary = temporaryBeside(target);
    p.fd = ::open(p.temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (p.fd < 0) {
      const int cause = errno;
      p.temporary.clear();
      if (cause != EEXIST) return cause;
    }
  }
  if (p.fd < 0) return EEXIST;
  const auto fail = [&](int why) {
    p.drop();
    return why ? why : EIO;
  };
  struct stat mode {};
  if (::stat(target.constData(), &mode) != 0 || !S_ISREG(mode.st_mode)) {
    if (::fstat(p.fd, &mode) != 0) return fail(errno);
  }
  mode_t wanted = mode.st_mode & 07777;
  if (readOnly) wanted &= ~mode_t(0222);
  if (::fchmod(p.fd, wanted) != 0) return fail(errno);
  const char* at = data.constData();
  qsizetype left = data.size();
  while (left > 0) {
    const ssize_t n = ::write(p.fd, at, static_cast<size_t>(left));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
    at += n;
    left -= n;
  }
  // The data must be on the disk before the new file takes the name: some
  // file systems only report a full disk here.
  if (sync && ::fsync(p.fd) != 0) return fail(errno);
  out = p;
  return 0;
}

// Gives the unnamed file of `p` the name `name`; EEXIST when it is taken.
int linkUnnamed(const Pending& p, const QByteArray& name) {
  const QByteArray self = "/proc/self/fd/" + QByteArray::number(p.fd);
  if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) return 0;
  const int cause = errno;
  if (cause != ENOENT) return cause;
#if defined(AT_EMPTY_PATH)
  // Without /proc; this way needs a privilege that root has.
  if (::linkat(p.fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0) return 0;
  return errno;
#else
  return cause;
#endif
}

// Puts the written file of `p` in place of `target`, replacing what is there.
// 0 or errno; `p` is dropped either way.
int replaceWith(Pending& p, const QByteArray& target) {
  int cause = 0;
  if (p.temporary.isEmpty()) {
    // A short temporary name for the moment between the link and the
    // rename: a link cannot replace a name.
    QByteArray temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
      temporary = temporaryBeside(target);
      cause = linkUnnamed(p, temporary);
      if (cause != EEXIST) break;
    }
    if (cause == 0) {
      if (::rename(temporary.constData(), target.constData()) != 0) {
        cause = errno;
        ::unlink(temporary.constData());
      }
    }
  } else if (::rename(p.temporary.constData(), target.constData()) == 0) {
    p.temporary.clear();
  } else {
    cause = errno;
  }
  p.drop();
  return cause;
}

// What stands at the native name `target` when it is not a regular file, or
// an empty text; the name's bytes are used as they are, whatever they encode.
QString notARegularFileNative(const QByteArray& target) {
  struct stat st {};
  if (::stat(target.constData(), &st) != 0 || S_ISREG(st.st_mode)) return {};
  return S_ISDIR(st.st_mode) ? kFolder : kNotRegular;
}

// Why `target` may not be replaced, or an empty text.
QString refusedTarget(const QByteArray& target, const WriteRules& rules) {
  if (const QString what = notARegularFileNative(target); !what.isEmpty()) return what;
  if (!rules.replaceReadOnly && readOnlyFile(target)) return kReadOnly;
  return {};
}

}  // namespace

bool writeWholeFileNative(const QByteArray& target, const QByteArray& data, QString* error, const WriteRules& rules) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (const QString why = refusedTarget(target, rules); !why.isEmpty()) return fail(why);
  Pending pending;
  int cause = writePending(target, data, rules.readOnly, true, pending);
  if (cause != 0) return fail(systemErrorReason(cause));
  if ((cause = replaceWith(pending, target)) != 0) return fail(systemErrorReason(cause));
  if ((cause = syncFolder(folderOf(target))) != 0) return fail(systemErrorReason(cause));
  return true;
}

NewFile createWholeFileNative(const QByteArray& target, const QByteArray& data, QString* error) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return NewFile::Failed;
  };
  struct stat st {};
  if (::lstat(target.constData(), &st) == 0) return NewFile::Exists;
  Pending p;
  int cause = writePending(target, data, false, true, p);
  if (cause != 0) return fail(systemErrorReason(cause));
  // The finished file's name is taken only when nothing has it yet, so two
  // programs saving at the same moment never replace each other's set.
  if (p.temporary.isEmpty()) {
    cause = linkUnnamed(p, target);
  } else if (::link(p.temporary.constData(), target.constData()) != 0) {
    cause = errno;
    if (cause == EPERM || cause == ENOTSUP || cause == EOPNOTSUPP || cause == EMLINK) {
      // A file system without hard links: the name is claimed by an empty
      // file made exclusively, which the finished file then replaces.
      const int claim = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (claim < 0) {
        cause = errno;
      } else {
        ::close(claim);
        cause = ::rename(p.temporary.constData(), target.constData()) == 0 ? 0 : errno;
        if (cause == 0)
          p.temporary.clear();
        else
          ::unlink(target.constData());
      }
    }
  }
  p.drop();
  if (cause) return cause == EEXIST ? NewFile::Exists : fail(systemErrorReason(cause));
  if ((cause = syncFolder(folderOf(target))) != 0) return fail(systemErrorReason(cause));
  return NewFile::Created;
}

struct FileBatch::State {
  struct Entry {
    std::size_t ticket;
    QByteArray name;
    Pending pending;
  };
  mutable std::mutex lock;
  std::vector<Entry> entries;
};

FileBatch::FileBatch() : state_(std::make_unique<State>()) {}

FileBatch::~FileBatch() {
  for (State::Entry& e : state_->entries) e.pending.drop();
}

bool FileBatch::add(std::size_t ticket, const QByteArray& name, const QByteArray& data, QString* error) {
  if (const QString why = refusedTarget(name, {}); !why.isEmpty()) {
    if (error) *error = why;
    return false;
  }
  Pending pending;
  if (const int cause = writePending(name, data, false, false, pending); cause != 0) {
    if (error) *error = systemErrorReason(cause);
    return false;
  }
  const std::lock_guard<std::mutex> hold(state_->lock);
  state_->entries.push_back({ticket, name, pending});
  return true;
}

std::size_t FileBatch::size() const {
  const std::lock_guard<std::mutex> hold(state_->lock);
  return state_->entries.size();
}

std::vector<std::pair<std::size_t, QString>> FileBatch::commit() {
  std::vector<State::Entry> entries;
  {
    const std::lock_guard<std::mutex> hold(state_->lock);
    entries.swap(state_->entries);
  }
  std::vector<std::pair<std::size_t, QString>> results;
  if (entries.empty()) return results;
  // One sync for every file of the batch: they are on the disk before any of
  // them takes its name. The files of one batch share a file system as a
  // rule; the rare other one gets its own sync.
  std::set<dev_t> synced;
  int syncCause = 0;
  for (const State::Entry& e : entries) {
    struct stat st {};
    if (::fstat(e.pending.fd, &st) != 0 || !synced.insert(st.st_dev).second) continue;
    if (::syncfs(e.pending.fd) != 0 && syncCause == 0) syncCause = errno;
  }
  std::set<QByteArray> folders;
  for (State::Entry& e : entries) {
    int cause = syncCause;
    if (cause == 0) {
      // The target may have turned into something else since it was added.
      if (const QString why = refusedTarget(e.name, {}); !why.isEmpty()) {
        e.pending.drop();
        results.emplace_back(e.ticket, why);
        continue;
      }
      cause = replaceWith(e.pending, e.name);
    }
    e.pending.drop();
    if (cause == 0) folders.insert(folderOf(e.name));
    results.emplace_back(e.ticket, cause == 0 ? QString() : systemErrorReason(cause));
  }
  for (const QByteArray& folder : folders) {
    if (const int cause = syncFolder(folder); cause != 0)
      for (auto& [ticket, reason] : results)
        if (reason.isEmpty()) reason = systemErrorReason(cause);
  }
  return results;
}

bool makeFoldersNative(const QByteArray& path, std::vector<QByteArray>* made, QString* error) {
  const auto fail = [error](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (path.isEmpty()) return fail(systemErrorReason(ENOENT));
  // Each prefix that ends before a slash, then the whole path.
  for (qsizetype at = 1; at <= path.size(); ++at) {
    if (at < path.size() && path[at] != '/') continue;
    if (path[at - 1] == '/') continue;
    const QByteArray part = path.left(at);
    struct stat st {};
    if (::stat(part.constData(), &st) == 0) {
      if (!S_ISDIR(st.st_mode))
        return fail(at == path.size() ? QStringLiteral("nem mappa") : systemErrorReason(ENOTDIR));
      continue;
    }
    if (::mkdir(part.constData(), 0777) != 0) {
      const int cause = errno;
      if (cause == EEXIST && ::stat(part.constData(), &st) == 0 && S_ISDIR(st.st_mode)) continue;
      return fail(systemErrorReason(cause));
    }
    if (made) made->push_back(part);
  }
  return true;
}

void removeEmptyFoldersNative(const std::vector<QByteArray>& made) {
  for (auto it = made.rbegin(); it != made.rend(); ++it)
    if (::rmdir(it->constData()) != 0) return;
}

#else

bool writeWholeFileNative(const QByteArray& target, const QByteArray& data, QString* error, const WriteRules&) {
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
  return writeWholeFileNative(nativeName(path), data, error);
}

NewFile createWholeFile(const QString& path, const QByteArray& data, QString* error) {
  return createWholeFileNative(nativeName(path), data, error);
}

bool openRegularFile(const QString& path, QFile& file, QString* error) {
  return openRegularFileNative(nativeName(path), file, error);
}

bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, QString* error) {
  return readWholeFileNative(nativeName(path), maxBytes, data, error);
}

bool fileExists(const QString& path) { return QFileInfo::exists(path); }

#if defined(Q_OS_UNIX)
bool isTerminal(int fd) { return ::isatty(fd) == 1; }

void guardStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Read-only: a write to it fails, as a write to a closed output does.
    const int standIn = ::open("/dev/null", O_RDONLY);
    if (standIn >= 0 && standIn != fd) {
      ::dup2(standIn, fd);
      ::close(standIn);
    }
  }
}

PrivateRuntimeFolder::PrivateRuntimeFolder() {
  const QByteArray given = qgetenv("XDG_RUNTIME_DIR");
  struct stat st {};
  if (!given.isEmpty() && ::stat(given.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
      (st.st_mode & 0777) == 0700)
    return;
  QByteArray base = qgetenv("TMPDIR");
  if (base.isEmpty()) base = "/tmp";
  QByteArray name = base + "/grafolin-runtime-XXXXXX";
  if (::mkdtemp(name.data()) == nullptr) return;  // mkdtemp makes it 0700
  folder_ = name;
  wasSet_ = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
  previous_ = given;
  qputenv("XDG_RUNTIME_DIR", folder_);
}

PrivateRuntimeFolder::~PrivateRuntimeFolder() {
  if (folder_.isEmpty()) return;
  if (wasSet_)
    qputenv("XDG_RUNTIME_DIR", previous_);
  else
    qunsetenv("XDG_RUNTIME_DIR");
  // Made in this run, for this run alone: it goes with whatever it holds.
  std::error_code ignored;
  std::filesystem::remove_all(std::filesystem::path(folder_.toStdString()), ignored);
}
#else
bool isTerminal(int) { return false; }
void guardStandardStreams() {}
PrivateRuntimeFolder::PrivateRuntimeFolder() = default;
PrivateRuntimeFolder::~PrivateRuntimeFolder() = default;
#endif

}  // namespace graf::platform
