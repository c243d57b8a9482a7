#include "ImageSplit.h"

#include "CrtSet.h"
#include "DumpCheck.h"
#include "FileAccess.h"
#include "FileWriter.h"
#include "Listing.h"
#include "SetFile.h"

#include <QDir>
#include <QCoreApplication>
#include <QFileInfo>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ImageSplit)
};

// A listing is a few hundred bytes; this is far more than any.
constexpr qint64 MaxListingSize = 64 * 1024;

// The names the listing beside the image gives its games, or why it gives none.
Result<QStringList> listedNames(const QString &listingPath, SizeMode mode)
{
    const Result<QByteArray> bytes = readRegularFile(listingPath, MaxListingSize);
    if (!bytes.ok())
        return bytes.failure();
    const Result<ListedImage> listed = readListing(bytes.value());
    if (!listed.ok())
        return listed.failure();
    if (listed.value().mode != mode)
        return Failure{Text::tr("it lists a %1 image, not a %2 one", "%1, %2: EPROM sizes such as 1mb").arg(sizeModeName(listed.value().mode), sizeModeName(mode))};
    return listed.value().displayNames;
}

} // namespace

QString defaultSplitFolder(const QString &imagePath)
{
    const QFileInfo image(imagePath);
    return QDir(image.path()).filePath(image.completeBaseName() + QStringLiteral("-split"));
}

Result<SplitImage, FileFailure> splitImage(const QString &imagePath, const QString &folder, bool intoExisting)
{
    const Result<QByteArray> read = readRegularFile(imagePath, qint64(SlotCount) * SlotDataSize);
    if (!read.ok())
        return FileFailure{FileKind::ImageFile, imagePath, false, read.failure()};
    const QByteArray &image = read.value();
    const std::optional<SizeMode> mode = sizeModeOfImage(image.size());
    if (!mode) {
        return FileFailure{FileKind::ImageFile, imagePath, false,
                           {Text::tr("it is %1 bytes long, which is no %2 image", "%2: the EPROM sizes, such as '512kb, 1mb or 2mb'")
                                .arg(image.size())
                                .arg(sizeModeNamesText())}};
    }

    SplitImage split{*mode};
    const QString listingPath = listingPathFor(imagePath, QFileInfo(imagePath).fileName());
    QStringList names;
    if (fileExists(listingPath)) {
        const Result<QStringList> listed = listedNames(listingPath, *mode);
        if (listed.ok()) {
            names = listed.value();
            split.names = listingPath;
        } else {
            split.listingIgnored = reasonWithLine(listed.failure());
        }
    }

    // Slot s's area lies where the image keeps the highest slot first.
    const int games = activeSlotCount(*mode);
    const auto area = [&](int slot) { return QByteArrayView(image).sliced(qsizetype(games - 1 - slot) * SlotDataSize, SlotDataSize); };
    int needed = games;
    while (needed > 0 && area(needed - 1).count('\0') == SlotDataSize && names.value(needed - 1).isEmpty())
        --needed;

    FileWriter writer({imagePath, listingPath});
    if (!intoExisting) {
        if (std::optional<FileFailure> failed = writer.stageFolder(FileKind::Folder, folder))
            return *failed;
    }
    QList<SetFileRecord> records;
    for (int slot = 0; slot < needed; ++slot) {
        const QString name = QStringLiteral("slot-%1.bin").arg(slotNumberText(slot));
        if (std::optional<FileFailure> failed = writer.stage(FileKind::GameFile, QDir(folder).filePath(name), area(slot).toByteArray()))
            return *failed;
        records << SetFileRecord{names.value(slot, QStringLiteral("???")), name};
        split.slotsWritten << slot;
        if (isBlankArea(area(slot)))
            split.blankSlotsKept << slot;
    }
    split.setFile = QDir(folder).filePath(QFileInfo(imagePath).completeBaseName() + QStringLiteral(".plk"));
    if (std::optional<FileFailure> failed = writer.stage(FileKind::SetFile, split.setFile, writeSetFile(records)))
        return *failed;
    if (std::optional<FileFailure> failed = writer.commit())
        return *failed;
    return split;
}

} // namespace plakmund
