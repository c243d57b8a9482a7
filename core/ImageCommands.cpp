#include "ImageCommands.h"

#include "EpromImage.h"
#include "FileWriter.h"
#include "Listing.h"
#include "TextFile.h"

namespace plakmund {

void saveBinFile(const CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showSaveDialog(
        {QStringLiteral("Save BIN Image"), {QStringLiteral("Binary Cartridge Image(.bin)"), {QStringLiteral("*.bin")}}, true});
    if (chosen.path.isEmpty())
        return;

    QStringList names;
    for (int slot = 0; slot < activeSlotCount(set.sizeMode()); ++slot)
        names << set.slotName(slot);
    const QStringList listing = buildListing(chosen.fileName, set.sizeMode(), names);

    // Neither file may replace one the set was read from; both are complete
    // before either replaces anything.
    FileWriter writer(set.cartridgePaths() << set.setFileLocation());
    ui.processPendingEvents();
    std::optional<FileFailure> failed = writer.stage(QStringLiteral("image file"), chosen.path, buildEpromImage(set));
    if (!failed) {
        ui.processPendingEvents();
        failed = writer.stage(QStringLiteral("listing file"), listingPathFor(chosen.path, chosen.fileName), textFileBytes(listing));
    }
    if (!failed)
        failed = writer.commit();
    if (failed)
        reportFailure(ui, *failed);
}

} // namespace plakmund
