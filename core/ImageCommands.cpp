#include "ImageCommands.h"

#include "EpromImage.h"
#include "ImageFiles.h"

#include <QCoreApplication>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImageCommands)
};

} // namespace

void saveBinFile(const CrtSet &set, UserInterface &ui)
{
    const FileDialogResult chosen = ui.showSaveDialog(
        {Text::tr("Save BIN Image", "the file dialog's title"),
         {Text::tr("Binary Cartridge Image(.bin)", "a file type in the file dialog"), {QStringLiteral("*.bin")}},
         true});
    if (chosen.path.isEmpty())
        return;

    ImageFiles image{chosen.path, chosen.fileName, set.sizeMode(), {}, activeSlotData(set), set.cartridgePaths() << set.setFileLocation()};
    for (int slot = 0; slot < activeSlotCount(set.sizeMode()); ++slot)
        image.names << set.slotName(slot);
    // Neither file may replace one the set was read from; the window repaints
    // before the image is written and once it is complete.
    ui.processPendingEvents();
    if (const std::optional<FileFailure> failed = writeImageFiles(image, [&ui] { ui.processPendingEvents(); }))
        reportFailure(ui, *failed);
}

} // namespace plakmund
