#pragma once

#include <QByteArray>
#include <QString>

// Bytes whose value depends on the position and a seed, so that data from
// different files or offsets never look alike.
QByteArray Pattern(qsizetype length, int seed);

// A cartridge file image of the given length: a pattern, with the header's
// EXROM byte and name field set when the file is long enough to hold them.
QByteArray CartridgeBytes(qsizetype length, int seed, char exrom = 0, const QByteArray &name = "GAME");

// What a slot's data must hold after reading a file from offset on: zeros
// where the file ends early.
QByteArray SlotDataFrom(const QByteArray &file, qsizetype offset);

// Makes a named pipe at path; fails the test on error.
void MakeFifo(const QString &path);

// Writes bytes to path, replacing any file there; fails the test on error.
QString WriteFile(const QString &path, const QByteArray &bytes);

// While alive, no file this process writes may grow past maxBytes; writes
// beyond fail with EFBIG. This makes a write fail even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    qint64 m_previous;
};

// The whole contents of a file, or an empty array when it can't be read.
QByteArray ReadFile(const QString &path);
