#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

namespace plakmund {

// Reads a regular file, but never more than limit + 1 bytes however the file
// changes meanwhile, so a caller sees that it is too long. The path is opened
// once without blocking and the opened file is judged, so a named pipe, a
// device or a folder is refused and nothing can be swapped in between.
Result<QByteArray> readRegularFile(const QString &path, qint64 limit);

// Replaces the file at path with bytes, or leaves it as it was when they can't
// all be written. Refuses a target that exists but is not a regular file.
Status writeFileAtomically(const QString &path, const QByteArray &bytes);

// The one form of every file failure the user sees, for a file such as "set file":
// The <file> "<path>" can not be read: <reason>.  (or "written")
QString readFailureMessage(const QString &file, const QString &path, const QString &reason);
QString writeFailureMessage(const QString &file, const QString &path, const QString &reason);

} // namespace plakmund
