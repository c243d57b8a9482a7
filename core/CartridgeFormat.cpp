#include "CartridgeFormat.h"

namespace plakmund {

namespace {
constexpr int ExromOffset = 24;
constexpr int NameOffset = 32;
constexpr int NameLength = 32;
} // namespace

SizeClass classifyLength(qint64 length)
{
    if (length == 16464 || length == 8272 || length == 4176)
        return SizeClass::HeaderSize;
    if (length == 16384 || length == 8192 || length == 4096)
        return SizeClass::RawSize;
    if (length > MaxCartridgeFileSize)
        return SizeClass::TooLarge;
    return SizeClass::OddSize;
}

CartridgeContents readWithHeader(const QByteArray &fileBytes)
{
    const QByteArray nameField = fileBytes.mid(NameOffset, NameLength);
    const qsizetype nameEnd = nameField.indexOf('\0');
    return {fileBytes.size() > ExromOffset && fileBytes.at(ExromOffset) == 1 ? SlotStatus::ExromWarning : SlotStatus::Ok,
            QString::fromLatin1(nameEnd < 0 ? nameField : nameField.left(nameEnd)),
            SlotData::fromFile(fileBytes, HeaderBlockSize)};
}

CartridgeContents readWithoutHeader(const QByteArray &fileBytes)
{
    return {SlotStatus::UnknownSettings, QStringLiteral("???"), SlotData::fromFile(fileBytes, 0)};
}

} // namespace plakmund
