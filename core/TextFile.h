#pragma once

#include <QByteArray>
#include <QStringDecoder>
#include <QStringList>

namespace plakmund {

// The bytes of a text file as this program writes them: each line in the
// local 8-bit encoding and ended by CR LF, with no byte-order mark.
inline QByteArray textFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLocal8Bit() + "\r\n";
    return bytes;
}

// Text from a single-byte system, read as Windows-1252 (Latin-1 where Qt was
// built without ICU, which knows it), so that no letter is lost.
inline QString fromWindows1252(QByteArrayView bytes)
{
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? windows1252(bytes) : QString::fromLatin1(bytes);
}

} // namespace plakmund
