#pragma once

#include "FileFailure.h"
#include "Result.h"
#include "SizeMode.h"

#include <QList>
#include <QString>

namespace plakmund {

// An image cut into its games: a raw 16 KB file for each area that building the
// image again needs, and a set file that names them in slot order.
struct SplitImage {
    SizeMode mode = StartSizeMode;
    QString setFile;
    QList<int> slotsWritten;
    QList<int> blankSlotsKept; // blank (all 0x00 or 0xFF), but below a game or erased: the image needs them
    QString names;             // the listing the names came from; empty: every name is "???"
    QString listingIgnored;    // why a listing beside the image gave no names
};

// Splits the image at imagePath into folder, a new folder unless intoExisting.
// Trailing areas of zeros without a name, which an empty slot gives anyway, get no file.
Result<SplitImage, FileFailure> splitImage(const QString &imagePath, const QString &folder, bool intoExisting);

// The folder an image is split into by default: beside it, named after it.
QString defaultSplitFolder(const QString &imagePath);

} // namespace plakmund
