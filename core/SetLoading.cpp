#include "SetLoading.h"

#include "FileAccess.h"

#include <QFileInfo>

namespace plakmund {

namespace {

// Sixteen records of two long paths each stay far below this.
constexpr qint64 MaxSetFileSize = 1024 * 1024;

} // namespace

Result<QList<SetFileRecord>> readSetFileAt(const QString &path)
{
    const Result<QByteArray> bytes = readRegularFile(path, MaxSetFileSize);
    if (!bytes.ok())
        return bytes.failure();
    if (bytes.value().size() > MaxSetFileSize)
        return Failure{QStringLiteral("it is longer than 1 MiB, far too long for a set file")};
    return readSetFile(bytes.value());
}

Reinspection reinspectCartridge(const QString &path)
{
    if (!fileExists(path))
        return {};
    const Result<QByteArray> file = readRegularFile(path, MaxCartridgeFileSize);
    if (!file.ok())
        return {Reinspection::Unreadable, file.error()};
    const QByteArray &bytes = file.value();
    if (classifyLength(bytes.size()) == SizeClass::HeaderSize) {
        const CartridgeContents contents = readWithHeader(bytes);
        return {Reinspection::Read, {}, true, contents.status, contents.data};
    }
    return {Reinspection::Read, {}, false, SlotStatus::UnknownDetails, readWithoutHeader(bytes).data};
}

Result<QList<LoadedRecord>> loadSetFile(const QString &path)
{
    const Result<QList<SetFileRecord>> records = readSetFileAt(path);
    if (!records.ok())
        return records.failure();
    const QString folder = QFileInfo(path).path();
    QList<LoadedRecord> loaded;
    for (const SetFileRecord &record : records.value()) {
        const QString cartridge = locatedFrom(record.location, folder);
        loaded << LoadedRecord{record, cartridge, reinspectCartridge(cartridge)};
    }
    return loaded;
}

QString missingCartridgeText(const QString &displayName)
{
    return QStringLiteral("The Cartridge File ") + displayName + QStringLiteral(" is missing!");
}

QString cartridgeFileWord(int slot)
{
    return QStringLiteral("cartridge file for slot ") + slotNumberText(slot);
}

} // namespace plakmund
