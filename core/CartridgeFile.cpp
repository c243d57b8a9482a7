#include "CartridgeFile.h"

#include "FileAccess.h"

#include <algorithm>

namespace plakmund {

namespace {
constexpr int ExromOffset = 24;
constexpr int NameOffset = 32;
constexpr int NameLength = 32;
} // namespace

Result<CartridgeFileContents> ReadCartridgeFile(const QString &path, OversizedFile oversized)
{
    QFile file(path);
    if (const Status opened = OpenRegularFile(file); !opened.ok())
        return Failure{opened.error()};

    CartridgeFileContents contents;
    contents.length = file.size();
    if (contents.length > MaxCartridgeFileSize && oversized == OversizedFile::SkipContents)
        return contents;

    contents.bytes = file.read(MaxCartridgeFileSize);
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    return contents;
}

QByteArray HeaderBlock(const QByteArray &fileBytes)
{
    QByteArray header = fileBytes.left(HeaderBlockSize);
    header.append(HeaderBlockSize - header.size(), '\0');
    return header;
}

SlotStatus HeaderStatus(const QByteArray &header)
{
    return header.at(ExromOffset) == 1 ? SlotStatus::ExromWarning : SlotStatus::Ok;
}

QString HeaderName(const QByteArray &header)
{
    const QByteArray field = header.mid(NameOffset, NameLength);
    const qsizetype zero = field.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? field : field.left(zero));
}

void FillSlotData(QByteArray &slotData, const QByteArray &fileBytes, int offset)
{
    const qsizetype taken = std::clamp<qsizetype>(fileBytes.size() - offset, 0, SlotDataSize);
    char *data = slotData.data();
    std::copy_n(fileBytes.constData() + offset, taken, data);
    std::fill(data + taken, data + SlotDataSize, '\0');
}

} // namespace plakmund
