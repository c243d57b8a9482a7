#pragma once

#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <sys/stat.h>

// Bytes whose value depends on the position and a seed, so that data from
// different files or offsets never look alike.
inline QByteArray pattern(qsizetype length, int seed)
{
    QByteArray bytes(length, '\0');
    for (qsizetype i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + i / 251 + seed * 31 + 1) & 0xFF);
    return bytes;
}

// A cartridge file image of the given length: a pattern, with the header's
// EXROM byte and name field set as far as the file is long enough to hold them.
inline QByteArray cartridgeBytes(qsizetype length, int seed, char exrom = 0, const QByteArray &name = "GAME")
{
    QByteArray bytes = pattern(length, seed);
    if (length > 24)
        bytes[24] = exrom;
    return bytes.replace(32, 32, name.leftJustified(32, '\0', true)).left(length);
}

// Writes bytes to path, replacing any file there, and returns the path.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
    return path;
}

// The whole contents of a file, or "-" when it can't be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("-");
}

// Everything under a folder: each file's bytes, each link's target, each pipe and folder by kind.
inline QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries.insert(QDir(folder).relativeFilePath(entry.filePath()),
                       entry.isSymLink() ? "link to " + entry.symLinkTarget().toUtf8() : entry.isDir() ? "folder"
                           : entry.isFile() ? readFile(entry.filePath()) : "other");
    }
    return entries;
}

