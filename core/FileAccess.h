#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace plakmund {

// Reads a regular file, but never more than limit + 1 bytes however the file
// changes meanwhile, so a caller sees that it is too long. The path is opened
// once without blocking and the opened file is judged, so a named pipe, a
// device or a folder is refused and nothing can be swapped in between.
Result<QByteArray> readRegularFile(const QString &path, qint64 limit);

// Why a path could not be used, for an errno value, in the user's words.
QString systemReason(int error);

// Nothing for a regular file; otherwise why it is not one.
QString notRegularReason(mode_t mode);

} // namespace plakmund
