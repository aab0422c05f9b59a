#pragma once
// Whole-file reading and writing. A file is only ever replaced by a complete
// new one: the data goes to a temporary file in the same folder, which then
// takes the old file's place, so a failed write leaves the old file as it was.
#include <QByteArray>
#include <QString>

namespace platform {

// Writes `data` to `path`, replacing an existing file only when all of it was
// written. On failure returns false and a Hungarian reason in `error`.
bool writeWholeFile(const QString& path, const QByteArray& data, QString* error);

// Reads at most `maxBytes` + 1 bytes of `path` (enough to tell a file that is
// too long). Only a regular file is read: a folder, a pipe or a device is
// refused without being opened. On failure returns false and a Hungarian
// reason in `error`.
bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, QString* error);

bool fileExists(const QString& path);

}  // namespace platform
