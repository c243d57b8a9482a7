#include "EpromImage.h"

#include "FileAccess.h"
#include "Listing.h"
#include "TextFile.h"

namespace plakmund {

QByteArray BuildEpromImage(const CrtSet &set)
{
    const int games = ActiveSlotCount(set.sizeMode());
    QByteArray image;
    image.reserve(qsizetype(games) * SlotDataSize);
    for (int slot = games - 1; slot >= 0; --slot)
        image += set.SlotData(slot);
    return image;
}

void SaveBinFile(const CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showSaveDialog(
        {QStringLiteral("Save BIN Image"), {QStringLiteral("Binary Cartridge Image(.bin)"), {QStringLiteral("*.bin")}}, true});
    if (chosen.path.isEmpty())
        return;

    const Status image = WriteFileAtomically(chosen.path, BuildEpromImage(set), [&ui] { ui.processPendingEvents(); });
    if (!image.ok()) {
        ReportFailure(ui, WriteFailureMessage(chosen.path, image.error()));
        return;
    }
    ui.processPendingEvents();

    QStringList names;
    for (int slot = 0; slot < ActiveSlotCount(set.sizeMode()); ++slot)
        names << set.SlotName(slot);
    const QStringList listing = BuildListing(chosen.fileName, set.sizeMode(), names, VersionMajor, VersionMinor);
    const QString listingPath = ListingPath(chosen.path, chosen.fileName);
    if (const Status written = WriteFileAtomically(listingPath, TextFileBytes(listing)); !written.ok())
        ReportFailure(ui, WriteFailureMessage(listingPath, written.error()));
}

} // namespace plakmund
