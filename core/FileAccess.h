#pragma once

#include "Result.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

namespace plakmund {

// Opens the file for reading when it is an existing regular file; anything else
// (missing, a folder, a named pipe or a device) is refused before it is opened,
// so no read can block.
Status OpenRegularFile(QFile &file);

// Reads a whole regular file of at most maxSize bytes.
Result<QByteArray> ReadSmallFile(const QString &path, qint64 maxSize);

// Replaces the file at path with bytes, or leaves it untouched when the new
// contents can't be written completely. whenCreated runs once the new file
// has been created, before its bytes are written.
Status WriteFileAtomically(const QString &path, const QByteArray &bytes,
                           const std::function<void()> &whenCreated = {});

// Reads the file back and compares it with bytes, as an EPROM programmer
// verifies what it burns; every write above ends with this check.
Status VerifyFileContents(const QString &path, const QByteArray &bytes);

// The message for a file that could not be written, naming it and the reason.
QString WriteFailureMessage(const QString &path, const QString &reason);

} // namespace plakmund
