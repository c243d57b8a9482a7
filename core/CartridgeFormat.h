#pragma once

#include "CrtSet.h"

#include <QByteArray>
#include <QString>

namespace plakmund {

// A CRT image's 64-byte file header plus the 16-byte header of its first CHIP packet.
inline constexpr int HeaderBlockSize = 80;
// The longest cartridge file the board can take: a header block and 16 KB of ROM.
inline constexpr qint64 MaxCartridgeFileSize = HeaderBlockSize + SlotDataSize;

// The class of a cartridge file by its length alone.
enum class SizeClass {
    HeaderSize, // 16,464, 8,272 or 4,176 bytes: an 80-byte header block, then ROM
    RawSize,    // 16,384, 8,192 or 4,096 bytes: ROM only
    TooLarge,   // more than 16,464 bytes
    OddSize,    // any other length: the user is asked
};

SizeClass classifyLength(qint64 length);

// What a cartridge file's bytes give its slot.
struct CartridgeContents {
    SlotStatus status = SlotStatus::Empty;
    QString displayName;
    SlotData data;
};

// The file taken with its header block: Ok, or ExromWarning when the EXROM
// byte (offset 24) is 1; the name at offsets 32 to 63, one Windows-1252 character
// per byte up to the first zero byte; the data from offset 80. Bytes past the
// file's end count as zero.
CartridgeContents readWithHeader(const QByteArray &fileBytes);

// The file taken as bare ROM: UnknownSettings, the name "???", the data from offset 0.
CartridgeContents readWithoutHeader(const QByteArray &fileBytes);

} // namespace plakmund
