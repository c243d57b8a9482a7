#include "CartridgeLoading.h"

#include "CartridgeInspection.h"

#include <QFileInfo>

namespace plakmund {

void LoadCartridgeIntoSlot(CrtSet &set, UserInterface &ui, const QString &path, int slot)
{
    const CartridgeInspection inspection = InspectCartridgeFile(set, ui, path, slot);
    if (!inspection.accepted)
        return;

    set.SetSlotStatus(slot, inspection.status);
    // A file without header has no name: put the user where the name is typed.
    if (!inspection.withHeader)
        ui.FocusSlotName(slot);
    set.SetSlotName(slot, inspection.displayName);
    set.SetSlotLocation(slot, inspection.location);
}

void LoadCartridgeFromDialog(CrtSet &set, UserInterface &ui, int slot)
{
    const FileDialogResult chosen = ui.showOpenDialog(
        {QString(), {QStringLiteral("Cartridge Rom(.crt, .bin)"), {QStringLiteral("*.crt"), QStringLiteral("*.bin")}}});
    if (chosen.path.isEmpty())
        return;
    LoadCartridgeIntoSlot(set, ui, chosen.path, slot);
}

void LoadDroppedCartridge(CrtSet &set, UserInterface &ui, const QStringList &paths, int slot)
{
    if (paths.isEmpty() || !set.isRowEnabled(slot))
        return;

    const QString &path = paths.first();
    if (QFileInfo(path).isDir()) {
        ui.showMessage({QStringLiteral("Please load a Cartridge file not a directory")});
        return;
    }
    const QString extension = path.right(3).toLower();
    if (extension != QLatin1String("crt") && extension != QLatin1String("bin")) {
        ui.showMessage({QStringLiteral("This is not a Cartridge file (*.crt,*.bin)")});
        return;
    }
    LoadCartridgeIntoSlot(set, ui, path, slot);
}

} // namespace plakmund
