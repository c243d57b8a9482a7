#include "SetFileCommands.h"

#include "CartridgeFormat.h"
#include "FileAccess.h"
#include "FileWriter.h"
#include "SetFile.h"

#include <QFileInfo>

namespace plakmund {

namespace {

const FileFilter SetFileFilter{QStringLiteral("Plakmund File(.plk)"), {QStringLiteral("*.plk")}};
const QString SetFileWord = QStringLiteral("set file");

// Sixteen records of two long paths each stay far below this.
constexpr qint64 MaxSetFileSize = 1024 * 1024;

Result<QList<SetFileRecord>> readSetFileAt(const QString &path)
{
    const Result<QByteArray> bytes = readRegularFile(path, MaxSetFileSize);
    if (!bytes.ok())
        return bytes.failure();
    if (bytes.value().size() > MaxSetFileSize)
        return Failure{QStringLiteral("it is longer than 1 MiB, far too long for a set file")};
    return readSetFile(bytes.value());
}

} // namespace

void saveCrtSet(CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showSaveDialog({QStringLiteral("Save Plakmund File"), SetFileFilter, true});
    if (chosen.path.isEmpty())
        return;

    QList<SetFileRecord> records;
    QStringList changed; // what the file holds otherwise than the window
    const QString folder = QFileInfo(chosen.path).path();
    for (int slot = 0; slot < SlotCount; ++slot) {
        const SetFileRecord record{set.slotName(slot), set.slotLocationFrom(slot, folder)};
        if (record.displayName.isEmpty() && record.location.isEmpty())
            continue;
        records << record;
        if (storableInSetFile(record.displayName) != record.displayName)
            changed << QStringLiteral("the name of slot ") + slotNumberText(slot);
        if (storableInSetFile(record.location) != record.location)
            changed << QStringLiteral("the location of slot ") + slotNumberText(slot);
    }
    if (const std::optional<FileFailure> failed = writeFile(SetFileWord, chosen.path, writeSetFile(records), set.cartridgePaths())) {
        reportFailure(ui, *failed);
        return;
    }
    set.setSetFileLocation(chosen.path);
    if (!changed.isEmpty()) {
        reportFailure(ui, QStringLiteral("The set file \"%1\" was saved, but a set file can not hold double quotes or line "
                                         "breaks: in it they became apostrophes and spaces in %2. The window keeps them.")
                              .arg(chosen.path, changed.join(QStringLiteral(", "))));
    }
}

void loadCrtSet(CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showOpenDialog({QStringLiteral("Load Plakmund File"), SetFileFilter});
    if (chosen.path.isEmpty())
        return;

    // The whole file is read and checked before any slot changes.
    const Result<QList<SetFileRecord>> records = readSetFileAt(chosen.path);
    if (!records.ok()) {
        reportFailure(ui, FileFailure{SetFileWord, chosen.path, false, records.failure()});
        return;
    }

    set.clearAll();
    set.setSetFileLocation(chosen.path);
    const QString folder = QFileInfo(chosen.path).path();
    const QList<SetFileRecord> &loaded = records.value();
    for (int slot = 0; slot < loaded.size(); ++slot) {
        set.setSlotName(slot, loaded.at(slot).displayName);
        set.setSlotLocation(slot, loaded.at(slot).location, folder);
    }
    ui.processPendingEvents();
    for (int slot = 0; slot < loaded.size(); ++slot)
        reinspectCartridgeFile(set, ui, slot);
}

void reinspectCartridgeFile(CrtSet &set, UserInterface &ui, int slot)
{
    const QString name = set.slotName(slot);
    const QString path = set.cartridgePath(slot);
    if (!fileExists(path)) {
        set.setSlotLocation(slot, QString());
        set.setSlotName(slot, QString());
        MessageBoxRequest missing{QStringLiteral("The Cartridge File ") + name + QStringLiteral(" is missing!")};
        // Records fill the slots in order, one to a line.
        missing.file = set.setFileLocation();
        missing.line = slot + 1;
        ui.showMessage(missing);
        return;
    }

    const Result<QByteArray> file = readRegularFile(path, MaxCartridgeFileSize);
    if (!file.ok()) {
        reportFailure(ui, FileFailure{QStringLiteral("cartridge file for slot ") + slotNumberText(slot), path, false, file.failure()});
        return;
    }

    const QByteArray &bytes = file.value();
    if (classifyLength(bytes.size()) == SizeClass::HeaderSize) {
        const CartridgeContents contents = readWithHeader(bytes);
        set.setSlotStatus(slot, contents.status);
        ui.processPendingEvents();
        set.setSlotData(slot, contents.data);
    } else {
        set.setSlotStatus(slot, SlotStatus::UnknownDetails);
        set.setSlotData(slot, readWithoutHeader(bytes).data);
    }
}

} // namespace plakmund
