#include "ImageCommands.h"

#include "EpromImage.h"
#include "FileAccess.h"
#include "Listing.h"
#include "TextFile.h"

namespace plakmund {

void saveBinFile(const CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showSaveDialog(
        {QStringLiteral("Save BIN Image"), {QStringLiteral("Binary Cartridge Image(.bin)"), {QStringLiteral("*.bin")}}, true});
    if (chosen.path.isEmpty())
        return;

    ui.processPendingEvents();
    const Status image = writeFileAtomically(chosen.path, buildEpromImage(set));
    if (!image.ok()) {
        reportFailure(ui, writeFailureMessage(QStringLiteral("image file"), chosen.path, image.error()));
        return;
    }
    ui.processPendingEvents();

    QStringList names;
    for (int slot = 0; slot < activeSlotCount(set.sizeMode()); ++slot)
        names << set.slotName(slot);
    const QStringList listing = buildListing(chosen.fileName, set.sizeMode(), names);
    const QString listingPath = listingPathFor(chosen.path, chosen.fileName);
    if (const Status written = writeFileAtomically(listingPath, textFileBytes(listing)); !written.ok())
        reportFailure(ui, writeFailureMessage(QStringLiteral("listing file"), listingPath, written.error()));
}

} // namespace plakmund
