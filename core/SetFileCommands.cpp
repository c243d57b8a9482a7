#include "SetFileCommands.h"

#include "FileWriter.h"
#include "SetFile.h"
#include "SetLoading.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SetFileCommands)
};

FileFilter setFileFilter()
{
    return {Text::tr("Plakmund File(.plk)", "a file type in the file dialog"), {QStringLiteral("*.plk")}};
}

// Slot i, filled from its record, takes what its cartridge file holds now.
void applyReinspection(CrtSet &set, UserInterface &ui, int slot, const Reinspection &found)
{
    switch (found.outcome) {
    case Reinspection::Missing: {
        const QString name = set.slotName(slot);
        set.setSlotLocation(slot, QString());
        set.setSlotName(slot, QString());
        ui.showMessage({missingCartridgeText(name)});
        break;
    }
    case Reinspection::Unreadable:
        reportFailure(ui, FileFailure{FileKind::CartridgeFile, set.cartridgePath(slot), false, {found.reason}, {}, slot});
        break;
    case Reinspection::Read:
        set.setSlotStatus(slot, found.status);
        if (found.withHeader)
            ui.processPendingEvents();
        set.setSlotData(slot, found.data);
        break;
    }
}

} // namespace

void saveCrtSet(CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showSaveDialog({Text::tr("Save Plakmund File", "the file dialog's title"), setFileFilter(), true});
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
            changed << Text::tr("the name of slot %1").arg(slotNumberText(slot));
        if (storableInSetFile(record.location) != record.location)
            changed << Text::tr("the location of slot %1").arg(slotNumberText(slot));
    }

    if (const std::optional<FileFailure> failed = writeFile(FileKind::SetFile, chosen.path, writeSetFile(records), set.cartridgePaths())) {
        reportFailure(ui, *failed);
        return;
    }
    set.setSetFileLocation(chosen.path);
    if (!changed.isEmpty()) {
        reportFailure(ui, Text::tr("The set file \"%1\" was saved, but a set file can not hold double quotes or line "
                                   "breaks: in it they became apostrophes and spaces in %2. The window keeps them.",
                                   "%2: a list such as 'the name of slot 3, the location of slot A'")
                              .arg(chosen.path, changed.join(QStringLiteral(", "))));
    }
}

void loadCrtSet(CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showOpenDialog({Text::tr("Load Plakmund File", "the file dialog's title"), setFileFilter()});
    if (chosen.path.isEmpty())
        return;

    // The whole file is read and checked before any slot changes.
    const Result<QList<LoadedRecord>> loaded = loadSetFile(chosen.path);
    if (!loaded.ok()) {
        reportFailure(ui, FileFailure{FileKind::SetFile, chosen.path, false, loaded.failure()});
        return;
    }

    set.clearAll();
    set.setSetFileLocation(chosen.path);
    const QList<LoadedRecord> &records = loaded.value();
    for (int slot = 0; slot < records.size(); ++slot) {
        set.setSlotName(slot, records.at(slot).record.displayName);
        set.setSlotLocation(slot, records.at(slot).record.location, records.at(slot).path);
    }
    ui.processPendingEvents();
    for (int slot = 0; slot < records.size(); ++slot)
        applyReinspection(set, ui, slot, records.at(slot).found);
}

} // namespace plakmund
