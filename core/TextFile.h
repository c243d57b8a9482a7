#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace plakmund {

// The bytes of a text file as this program writes them: each line in the
// system's 8-bit encoding (UTF-8 on Linux, the ANSI code page on Windows) and
// ended by CR LF, with no byte-order mark.
QByteArray textFileBytes(const QStringList &lines);

// Text read from a file: UTF-8 where the bytes are valid UTF-8; otherwise text
// from a single-byte system, in the system's own code page where it has one
// (Windows), else as Windows-1252, so that no letter is lost.
QString decodeText(QByteArrayView bytes);

// Windows-1252, the code page of Western single-byte systems: Latin-1 but for
// the bytes 0x80 to 0x9F. Its own table, so that no ICU is needed.
QString fromWindows1252(QByteArrayView bytes);
// The Windows-1252 bytes of text; none where a character has no byte there.
std::optional<QByteArray> toWindows1252(const QString &text);

} // namespace plakmund
