#pragma once

#include <QByteArray>
#include <QString>

// Bytes whose value depends on the position and a seed, so that data from
// different files or offsets never look alike.
QByteArray pattern(qsizetype length, int seed);

// A cartridge file image of the given length: a pattern, with the header's
// EXROM byte and name field set where the file is long enough to hold them.
QByteArray cartridgeBytes(qsizetype length, int seed, char exrom = 0, const QByteArray &name = "GAME");

// What a slot's data must hold after reading a file from offset on: zeros
// where the file ends early.
QByteArray slotBytesFrom(const QByteArray &file, qsizetype offset);

// Writes bytes to path, replacing any file there, and returns the path.
QString writeFile(const QString &path, const QByteArray &bytes);

// The whole contents of a file, or "-" when it can't be read.
QByteArray readFile(const QString &path);

// Makes a named pipe at path and returns the path.
QString makeFifo(const QString &path);
