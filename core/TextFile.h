#pragma once

#include <QByteArray>
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

} // namespace plakmund
