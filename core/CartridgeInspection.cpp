#include "CartridgeInspection.h"

#include "CartridgeFile.h"

namespace plakmund {

namespace {

const QString SizeNoticeTitle = QStringLiteral("Cartridge File Size Notice!");

// The size notice: OK gives up, Cancel (or closing the box) loads anyway.
bool UserLoadsOddSizeAnyway(UserInterface &ui, qint64 length)
{
    const QString text = QStringList{
        QStringLiteral("Warning: The cartridge file size is: %1.").arg(length),
        QStringLiteral("It should be 16,464(16K) or 8,272(8k) Bytes or less."),
        QStringLiteral("If the file is larger than 16,464 bytes the file will not be loaded."),
        QStringLiteral("Hit Cancel to load the cartridge file anyway."),
    }.join(QStringLiteral("\r\n"));
    return ui.showMessage({text, MessageButtons::OkCancel, MessageIcon::None, SizeNoticeTitle})
        != MessageAnswer::Ok;
}

bool UserSaysItHasHeader(UserInterface &ui)
{
    return ui.showMessage({QStringLiteral("Does this cartridge have a header?"), MessageButtons::YesNo})
        == MessageAnswer::Yes;
}

} // namespace

SizeClass ClassifyLength(qint64 length)
{
    if (length == 16464 || length == 8272 || length == 4176)
        return SizeClass::HeaderSize;
    if (length == 16384 || length == 8192 || length == 4096)
        return SizeClass::RawSize;
    if (length > MaxCartridgeFileSize)
        return SizeClass::TooLarge;
    return SizeClass::OddSize;
}

CartridgeInspection InspectCartridgeFile(CrtSet &set, UserInterface &ui, const QString &path, int slot)
{
    const Result<CartridgeFileContents> file = ReadCartridgeFile(path, OversizedFile::SkipContents);
    if (!file.ok()) {
        ReportFailure(ui, QStringLiteral("The cartridge file \"%1\" can not be loaded: %2.").arg(path, file.error()));
        return {};
    }

    bool withHeader = false;
    switch (ClassifyLength(file.value().length)) {
    case SizeClass::HeaderSize:
        withHeader = true;
        break;
    case SizeClass::RawSize:
        break;
    case SizeClass::TooLarge:
        ui.showMessage({QStringLiteral("Cartridge file can not be larger than 16kb for use on Kestrix!"),
                        MessageButtons::Ok, MessageIcon::Exclamation, SizeNoticeTitle});
        return {};
    case SizeClass::OddSize:
        if (!UserLoadsOddSizeAnyway(ui, file.value().length))
            return {};
        withHeader = UserSaysItHasHeader(ui);
        break;
    }

    const QByteArray &bytes = file.value().bytes;
    CartridgeInspection inspection{true, withHeader, SlotStatus::UnknownSettings, QStringLiteral("???"), path};
    if (withHeader) {
        const QByteArray header = HeaderBlock(bytes);
        inspection.status = HeaderStatus(header);
        inspection.displayName = HeaderName(header);
    }
    FillSlotData(set.SlotData(slot), bytes, withHeader ? HeaderBlockSize : 0);
    return inspection;
}

} // namespace plakmund
