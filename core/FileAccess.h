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

// The bytes that name path's file: the platform's encoding, or where no file has
// that name but one has the path's single-byte (Windows-1252) bytes, those, so
// that a name written on a single-byte system is found. Empty for a path holding
// a NUL character, which names no file.
QByteArray nativePath(const QString &path);

// Whether a file, not a folder, is at path; an empty path names none.
bool fileExists(const QString &path);

// Why a path could not be used, for an errno value, in the user's words.
QString systemReason(int error);

// Nothing for a regular file; otherwise why it is not one.
QString notRegularReason(mode_t mode);

} // namespace plakmund
