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

// Whether a file, not a folder, is at path; an empty path names none. A name
// Windows keeps for a device counts, so that the reader then says why it is none.
bool fileExists(const QString &path);

} // namespace plakmund
