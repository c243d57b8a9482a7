#pragma once

// What the POSIX file reader and writer share.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace plakmund {

// The bytes that name path's file: the platform's encoding, or where no file has
// that name, the first that names one of the path's single-byte (Windows-1252)
// bytes and the path with its backslashes as folder separators, so that a name
// written on a single-byte system or on Windows is found. Empty for a path
// holding a NUL character, which names no file.
QByteArray nativePath(const QString &path);

// Why a path could not be used, for an errno value, in the user's words.
QString systemReason(int error);

// Nothing for a regular file; otherwise why it is not one.
QString notRegularReason(mode_t mode);

} // namespace plakmund
