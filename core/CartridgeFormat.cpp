#include "CartridgeFormat.h"

#include "TextFile.h"

namespace plakmund {

namespace {
constexpr int ExromOffset = 24;
constexpr int NameOffset = 32;
constexpr int NameLength = 32;
} // namespace

SizeClass classifyLength(qint64 length)
{
    // A cartridge holds 16, 8 or 4 KB of ROM, with or without a header block in front.
    const auto isRomSize = [](qint64 bytes) { return bytes == SlotDataSize || bytes == SlotDataSize / 2 || bytes == SlotDataSize / 4; };
    if (isRomSize(length - HeaderBlockSize))
        return SizeClass::HeaderSize;
    if (isRomSize(length))
        return SizeClass::RawSize;
    if (length > MaxCartridgeFileSize)
        return SizeClass::TooLarge;
    return SizeClass::OddSize;
}

CartridgeContents readWithHeader(const QByteArray &fileBytes)
{
    // The name ends at its first zero byte, if the 32-byte field holds one.
    const QByteArray name = fileBytes.mid(NameOffset, NameLength);
    const qsizetype end = name.indexOf('\0');
    return {fileBytes.mid(ExromOffset, 1) == "\x01" ? SlotStatus::ExromWarning : SlotStatus::Ok,
            fromWindows1252(end < 0 ? name : name.first(end)), SlotData::fromFile(fileBytes, HeaderBlockSize)};
}

CartridgeContents readWithoutHeader(const QByteArray &fileBytes)
{
    return {SlotStatus::UnknownSettings, QStringLiteral("???"), SlotData::fromFile(fileBytes, 0)};
}

} // namespace plakmund
