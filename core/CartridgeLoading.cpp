#include "CartridgeLoading.h"

#include "FileAccess.h"
#include "FileFailure.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CartridgeLoading)
};

QString sizeNoticeTitle()
{
    return Text::tr("Cartridge File Size Notice!");
}

// The size notice: OK gives up, Cancel (or closing the box) loads anyway.
bool userLoadsOddSizeAnyway(UserInterface &ui, qint64 length)
{
    const QString text = QStringList{
        Text::tr("Warning: The cartridge file size is: %1.").arg(length),
        Text::tr("It should be 16,464(16K) or 8,272(8k) Bytes or less."),
        Text::tr("If the file is larger than 16,464 bytes the file will not be loaded."),
        Text::tr("Hit Cancel to load the cartridge file anyway.", "Cancel: the message box's button"),
    }.join(QStringLiteral("\r\n"));
    return ui.showMessage({text, MessageButtons::OkCancel, MessageIcon::None, sizeNoticeTitle()}) != MessageAnswer::Ok;
}

bool userSaysItHasHeader(UserInterface &ui)
{
    return ui.showMessage({Text::tr("Does this cartridge have a header?"), MessageButtons::YesNo})
        == MessageAnswer::Yes;
}

} // namespace

CartridgeInspection inspectCartridgeFile(UserInterface &ui, const QString &path)
{
    const Result<QByteArray> file = readRegularFile(path, MaxCartridgeFileSize);
    if (!file.ok()) {
        reportFailure(ui, FileFailure{FileKind::CartridgeFile, path, false, file.failure()});
        return {};
    }

    const QByteArray &bytes = file.value();
    bool withHeader = false;
    switch (classifyLength(bytes.size())) {
    case SizeClass::HeaderSize:
        withHeader = true;
        break;
    case SizeClass::RawSize:
        break;
    case SizeClass::TooLarge:
        ui.showMessage({Text::tr("Cartridge file can not be larger than 16kb for use on Kestrix!", "Kestrix: the cartridge board"),
                        MessageButtons::Ok, MessageIcon::Exclamation, sizeNoticeTitle()});
        return {};
    case SizeClass::OddSize:
        if (!userLoadsOddSizeAnyway(ui, bytes.size()))
            return {};
        withHeader = userSaysItHasHeader(ui);
        break;
    }
    return {true, withHeader, withHeader ? readWithHeader(bytes) : readWithoutHeader(bytes), path};
}

void loadCartridgeIntoSlot(CrtSet &set, UserInterface &ui, const QString &path, int slot)
{
    const CartridgeInspection inspection = inspectCartridgeFile(ui, path);
    if (!inspection.accepted)
        return;

    set.setSlotData(slot, inspection.contents.data);
    set.setSlotStatus(slot, inspection.contents.status);
    // A file without header has no name: put the user where the name is typed.
    if (!inspection.withHeader)
        ui.focusSlotName(slot);
    set.setSlotName(slot, inspection.contents.displayName);
    set.setSlotLocation(slot, inspection.location);
}

void loadCartridgeFromDialog(CrtSet &set, UserInterface &ui, int slot)
{
    const FileDialogResult chosen = ui.showOpenDialog(
        {QString(), {Text::tr("Cartridge Rom(.crt, .bin)", "a file type in the file dialog"), {QStringLiteral("*.crt"), QStringLiteral("*.bin")}}});
    if (chosen.path.isEmpty())
        return;
    loadCartridgeIntoSlot(set, ui, chosen.path, slot);
}

void loadDroppedCartridge(CrtSet &set, UserInterface &ui, const QStringList &paths, int slot)
{
    if (paths.isEmpty() || !set.isRowEnabled(slot))
        return;

    const QString &path = paths.first();
    if (QFileInfo(path).isDir()) {
        ui.showMessage({Text::tr("Please load a Cartridge file not a directory")});
        return;
    }
    const QString extension = path.right(3).toLower();
    if (extension != QLatin1String("crt") && extension != QLatin1String("bin")) {
        ui.showMessage({Text::tr("This is not a Cartridge file (*.crt,*.bin)")});
        return;
    }
    loadCartridgeIntoSlot(set, ui, path, slot);
}

} // namespace plakmund
