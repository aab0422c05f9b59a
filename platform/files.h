// SPDX-License-Identifier: MIT
#pragma once
// Whole-file reading and writing, for every file the program keeps (function
// sets, pictures, the settings file).
//
// A file is only ever replaced by a complete new one. On Linux the new
// content is written into an unnamed file of the target's folder (O_TMPFILE),
// synced to the disk, and only then given its name; a replace links it to a
// short temporary name and renames that over the target, and the folder is
// synced so that the new name survives a power cut. A run killed at any
// moment leaves the old file or the new one, and no temporary file. Where the
// file system has no unnamed files, the data goes to a temporary file
// ".grafolin-XXXXXX" (always 16 bytes, so that a name of any allowed length
// can be saved) beside the target. On any failure (a full disk, a file size
// limit, no access) the old file is left byte for byte as it was. The program
// never removes a file it did not make in the same run: there is no clean-up
// of earlier runs' names.
//
// Only regular files are read or replaced. A folder, a named pipe, a device
// or a socket is refused before it is opened for its data, so nothing can
// block on it, and a save never puts a regular file in its place. A file that
// is read-only (the user may not write it, or it has no write permission at
// all) is not replaced either: the user made it so.
//
// Failures come back as a Hungarian reason; the system's own description of
// the error follows in parentheses when the system has it in Hungarian, for
// example "nincs elég hely a lemezen (Nincs több hely az eszközön)".
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

namespace graf::platform {

// How a whole-file write treats the file it replaces and the file it makes.
struct WriteRules {
  // A read-only target is replaced all the same (the settings file, which
  // the program itself keeps read-only between its writes).
  bool replaceReadOnly = false;
  // The new file has no write permission when it takes its name, so that no
  // moment leaves it writable.
  bool readOnly = false;
};

// Writes `data` to `path`, replacing an existing file only when all of it was
// written. On failure returns false and the reason in `error`.
bool writeWholeFile(const QString& path, const QByteArray& data, QString* error);

// Writes `data` as the new file `path`, complete before it gets the name, and
// only if nothing has that name yet: two programs saving the same new name at
// the same moment never replace each other's file. Exists when the name was
// taken (before or during the write); Failed with the reason in `error`.
enum class NewFile { Created, Exists, Failed };
NewFile createWholeFile(const QString& path, const QByteArray& data, QString* error);

// Opens the regular file `path` for reading into `file`, without ever
// waiting on a pipe or a device, also one put in its place a moment before.
// On failure returns false and the reason in `error`.
bool openRegularFile(const QString& path, QFile& file, QString* error);

// Reads at most `maxBytes` + 1 bytes of `path` (enough to tell a file that is
// too long). On failure returns false and the reason in `error`.
bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, QString* error);

bool fileExists(const QString& path);

// The same, for a name given as the system's own bytes (on Linux a file name
// need not be valid UTF-8, and a QString cannot hold such a name).
bool writeWholeFileNative(const QByteArray& name, const QByteArray& data, QString* error, const WriteRules& rules = {});
NewFile createWholeFileNative(const QByteArray& name, const QByteArray& data, QString* error);
bool openRegularFileNative(const QByteArray& name, QFile& file, QString* error);
bool readWholeFileNative(const QByteArray& name, qint64 maxBytes, QByteArray* data, QString* error);

// Many files replaced together, each as writeWholeFile replaces one, with one
// sync of the file system for all of them instead of one per file: add()
// writes a file's content where it cannot be seen yet, commit() syncs once,
// gives every added file its name and syncs each folder once. A run killed at
// any moment leaves each target as it was or complete, and no temporary file
// where the file system has unnamed files. Safe to use from several threads.
class FileBatch {
 public:
  FileBatch();
  ~FileBatch();  // what was added and not committed is dropped
  FileBatch(const FileBatch&) = delete;
  FileBatch& operator=(const FileBatch&) = delete;

  // Writes `data` for the target `name`; the ticket comes back from commit().
  // False with the reason when the content cannot be written (nothing is left).
  bool add(std::size_t ticket, const QByteArray& name, const QByteArray& data, QString* error);
  // How many files wait for commit().
  std::size_t size() const;
  // Gives every waiting file its name: for each ticket, in the order added,
  // an empty reason when the file is in place, or why it is not.
  std::vector<std::pair<std::size_t, QString>> commit();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Each name of a path that does not exist yet is made as a folder; `made`
// receives the folders this call made, the outermost first, so that a caller
// can take them away again. False with the reason when a part is not a
// folder or cannot be made.
bool makeFoldersNative(const QByteArray& path, std::vector<QByteArray>* made, QString* error);

// Removes the folders that makeFoldersNative made, innermost first, each
// only while it is empty.
void removeEmptyFoldersNative(const std::vector<QByteArray>& made);

// A command-line argument as a text that keeps every byte: valid UTF-8 is
// read as such, and each other byte becomes the lone surrogate U+DC80 + byte
// (which no valid UTF-8 decodes to), so that nativeName gives the bytes back.
QString argumentText(const char* bytes);
// The bytes of a text made by argumentText, exactly as they were given (any
// other text as UTF-8); names are taken as they stand, never looked up.
QByteArray argumentBytes(const QString& text);

// The system's bytes of a file name given as text. Bytes kept by
// argumentText come back as they were. A name that came through a text that
// could not hold its bytes (a file dialog shows U+FFFD for them) and does not
// exist as written is the one entry of its folder that reads like it, where
// there is exactly one; `ambiguous` is set when several do.
QByteArray nativeName(const QString& name, bool* ambiguous = nullptr);
// The same for a name already in bytes that may hold U+FFFD in UTF-8.
QByteArray nativeName(const QByteArray& name, bool* ambiguous = nullptr);

// While it lives, a run that needs no session of the user's has a runtime
// folder of its own when none is set (XDG_RUNTIME_DIR), so that the toolkit
// neither warns nor makes one in /tmp; the folder goes when it ends.
class PrivateRuntimeFolder {
 public:
  PrivateRuntimeFolder();
  ~PrivateRuntimeFolder();
  PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
  PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

 private:
  QByteArray folder_;  // empty when the user's own serves
  QByteArray previous_;
  bool wasSet_ = false;
};

// Whether the descriptor `fd` is a terminal (a person watches it).
bool isTerminal(int fd);

// Standard input, output and error that the program was started without
// (closed descriptors) are given a stand-in that refuses every write, so that
// no file the program opens takes their number and receives the report, and
// a report that cannot be written is noticed.
void guardStandardStreams();

// The reason text of a system error number (errno): Hungarian words, then
// the system's own words when it has them in the user's language and that
// language is Hungarian.
QString systemErrorReason(int error);

}  // namespace graf::platform
