#include "SetLoading.h"

#include "FileAccess.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SetLoading)
};

// Sixteen records of two long paths each stay far below this.
constexpr qint64 MaxSetFileSize = 1024 * 1024;

} // namespace

Result<QList<SetFileRecord>> readSetFileAt(const QString &path)
{
    const Result<QByteArray> bytes = readRegularFile(path, MaxSetFileSize);
    if (!bytes.ok())
        return bytes.failure();
    if (bytes.value().size() > MaxSetFileSize)
        return Failure{Text::tr("it is longer than 1 MiB, far too long for a set file")};
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
    return Text::tr("The Cartridge File %1 is missing!", "%1: the slot's name").arg(displayName);
}

} // namespace plakmund
