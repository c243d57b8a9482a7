#include "TestFiles.h"

#include <QFile>

#include <sys/stat.h>

QByteArray pattern(qsizetype length, int seed)
{
    QByteArray bytes(length, '\0');
    for (qsizetype i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + i / 251 + seed * 31 + 1) & 0xFF);
    return bytes;
}

QByteArray cartridgeBytes(qsizetype length, int seed, char exrom, const QByteArray &name)
{
    QByteArray bytes = pattern(length, seed);
    if (length > 24)
        bytes[24] = exrom;
    const QByteArray field = name.leftJustified(32, '\0', true);
    for (int i = 0; i < 32 && 32 + i < length; ++i)
        bytes[32 + i] = field.at(i);
    return bytes;
}

QByteArray slotBytesFrom(const QByteArray &file, qsizetype offset)
{
    const QByteArray data = file.mid(offset, 16384);
    return data + QByteArray(16384 - data.size(), '\0');
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-");
}

QString makeFifo(const QString &path)
{
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
        qFatal("cannot make the named pipe %s", qPrintable(path));
    return path;
}
