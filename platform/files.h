// SPDX-License-Identifier: MIT
#pragma once
// Whole-file reading and writing, for every file the program keeps (function
// sets, pictures, the settings file).
//
// A file is only ever replaced by a complete new one: the data goes to a
// temporary file "<name>.grafolin-XXXXXX" in the same folder, every step is
// checked (write, sync to the disk, rename into place, sync of the folder so
// that the new name survives a power cut), and the new file takes the old
// one's place only when all of them succeeded. On any failure — a full disk, a file size
// limit, no access — the old file is left byte for byte as it was.
//
// Only regular files are read or replaced. A folder, a named pipe, a device
// or a socket is refused before it is opened for its data, so nothing can
// block on it, and a save never puts a regular file in its place.
//
// Failures come back as a Hungarian reason that ends with the system's own
// description of the error in parentheses, for example
// "nincs elég hely a lemezen (No space left on device)".
#include <QByteArray>
#include <QFile>
#include <QString>

namespace graf::platform {

// Writes `data` to `path`, replacing an existing file only when all of it was
// written. On failure returns false and the reason in `error`.
bool writeWholeFile(const QString& path, const QByteArray& data, QString* error);

// Writes `data` as the new file `path`, complete before it gets the name, and
// only if nothing has that name yet: two programs saving the same new name at
// the same moment never replace each other's file. Exists when the name was
// taken (before or during the write); Failed with the reason in `error`.
enum class NewFile { Created, Exists, Failed };
NewFile createWholeFile(const QString& path, const QByteArray& data, QString* error);

// Removes, from `folder`, the temporary files that a run killed while writing
// left behind ("<name>.grafolin-XXXXXX", and "beallit.ini.XXXXXX" of earlier
// versions), when they were last written more than `olderThanSeconds` ago; a
// running program's temporary file lives for a moment only. Returns how many
// were removed.
int removeStrayTemporaryFiles(const QString& folder, int olderThanSeconds = 60);

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
bool writeWholeFileNative(const QByteArray& name, const QByteArray& data, QString* error);
NewFile createWholeFileNative(const QByteArray& name, const QByteArray& data, QString* error);
bool openRegularFileNative(const QByteArray& name, QFile& file, QString* error);
bool readWholeFileNative(const QByteArray& name, qint64 maxBytes, QByteArray* data, QString* error);

// The reason text of a system error number (errno).
QString systemErrorReason(int error);

}  // namespace graf::platform
