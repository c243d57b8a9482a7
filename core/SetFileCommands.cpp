#include "SetFileCommands.h"

#include "CartridgeFile.h"
#include "CartridgeInspection.h"
#include "FileAccess.h"
#include "SetFile.h"

#include <QFileInfo>

namespace plakmund {

namespace {

const FileFilter SetFileFilter{QStringLiteral("Plakmund File(.plk)"), {QStringLiteral("*.plk")}};

// Sixteen records of two long paths each stay far below this.
constexpr qint64 MaxSetFileSize = 1024 * 1024;

bool FitsSetFile(const QString &text)
{
    return !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n');
}

// A folder or an empty location counts as no file at all.
bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && !info.isDir();
}

} // namespace

void SaveCrtSet(const CrtSet &set, UserInterface &ui)
{
    QList<SetFileRecord> records;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const SetFileRecord record{set.SlotName(slot), set.SlotLocation(slot)};
        if (record.displayName.isEmpty() && record.location.isEmpty())
            continue;
        // The format has no escapes: refuse rather than write a file that reads back wrong.
        if (!FitsSetFile(record.displayName) || !FitsSetFile(record.location)) {
            ReportFailure(ui, QStringLiteral("Slot %1 (%2) can not be saved in a set file: its name or location "
                                             "holds a double quote or a line break.")
                                  .arg(slot)
                                  .arg(record.displayName));
            return;
        }
        records << record;
    }

    const FileDialogResult chosen = ui.showSaveDialog({QStringLiteral("Save Plakmund File"), SetFileFilter, true});
    if (chosen.path.isEmpty())
        return;
    if (const Status written = WriteFileAtomically(chosen.path, WriteSetFile(records)); !written.ok())
        ReportFailure(ui, WriteFailureMessage(chosen.path, written.error()));
}

void LoadCrtSet(CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showOpenDialog({QStringLiteral("Load Plakmund File"), SetFileFilter});
    if (chosen.path.isEmpty())
        return;

    // The whole file is read and checked before any slot changes.
    const Result<QByteArray> bytes = ReadSmallFile(chosen.path, MaxSetFileSize);
    const Result<QList<SetFileRecord>> records =
        bytes.ok() ? ReadSetFile(bytes.value()) : Result<QList<SetFileRecord>>(Failure{bytes.error()});
    if (!records.ok()) {
        ReportFailure(ui, QStringLiteral("The set file \"%1\" can not be loaded: %2.").arg(chosen.path, records.error()));
        return;
    }

    set.ClearAll();
    const QList<SetFileRecord> &loaded = records.value();
    for (int slot = 0; slot < loaded.size(); ++slot) {
        set.SetSlotName(slot, loaded.at(slot).displayName);
        set.SetSlotLocation(slot, loaded.at(slot).location);
    }
    ui.processPendingEvents();
    for (int slot = 0; slot < loaded.size(); ++slot)
        ReinspectCartridgeFile(set, ui, slot);
}

void ReinspectCartridgeFile(CrtSet &set, UserInterface &ui, int slot)
{
    const QString name = set.SlotName(slot);
    const QString location = set.SlotLocation(slot);
    if (!FileExists(location)) {
        set.SetSlotLocation(slot, QString());
        set.SetSlotName(slot, QString());
        ui.showMessage({QStringLiteral("The Cartridge File ") + name + QStringLiteral(" is missing!")});
        return;
    }

    const Result<CartridgeFileContents> file = ReadCartridgeFile(location, OversizedFile::ReadStart);
    if (!file.ok()) {
        ReportFailure(ui, QStringLiteral("The Cartridge File %1 (\"%2\") can not be read: %3.")
                              .arg(name, location, file.error()));
        return;
    }

    const QByteArray &bytes = file.value().bytes;
    if (ClassifyLength(file.value().length) == SizeClass::HeaderSize) {
        set.SetSlotStatus(slot, HeaderStatus(HeaderBlock(bytes)));
        ui.processPendingEvents();
        FillSlotData(set.SlotData(slot), bytes, HeaderBlockSize);
    } else {
        set.SetSlotStatus(slot, SlotStatus::UnknownDetails);
        FillSlotData(set.SlotData(slot), bytes, 0);
    }
}

} // namespace plakmund
