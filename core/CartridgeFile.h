#pragma once

#include "CrtSet.h"
#include "Result.h"

#include <QByteArray>
#include <QString>

namespace plakmund {

// A CRT image's 64-byte file header plus the 16-byte header of its first CHIP packet.
inline constexpr int HeaderBlockSize = 80;
// The longest cartridge file the board can take: a header block and 16 KB of ROM.
inline constexpr qint64 MaxCartridgeFileSize = HeaderBlockSize + SlotDataSize;

struct CartridgeFileContents {
    qint64 length = 0;
    QByteArray bytes; // the file's first bytes, at most MaxCartridgeFileSize of them
};

enum class OversizedFile {
    SkipContents, // a file longer than MaxCartridgeFileSize is not read at all
    ReadStart,    // its first MaxCartridgeFileSize bytes are read
};

// Reads a cartridge file in one go. Only a regular file is opened, so a named
// pipe or a device can never block; the failure says why the file can't be read.
Result<CartridgeFileContents> ReadCartridgeFile(const QString &path, OversizedFile oversized);

// The header block of a file: its first 80 bytes, zeros past the file's end.
QByteArray HeaderBlock(const QByteArray &fileBytes);

// Ok, or ExromWarning when the header's EXROM byte (offset 24) is 1.
SlotStatus HeaderStatus(const QByteArray &header);

// The cartridge name at offsets 32 to 63, one Latin-1 character per byte,
// ending before the first zero byte.
QString HeaderName(const QByteArray &header);

// Rewrites all of a slot's data with the file bytes from offset on; positions
// past the file's end become zero so nothing of an earlier cartridge remains.
void FillSlotData(QByteArray &slotData, const QByteArray &fileBytes, int offset);

} // namespace plakmund
