#pragma once

#include "Result.h"
#include "SizeMode.h"

#include <QString>
#include <QStringList>

namespace plakmund {

// The lines of the listing of an image saved as imageFileName (no folder),
// without line ends: a heading, the size, one line per active slot, a credit.
QStringList buildListing(const QString &imageFileName, SizeMode mode, const QStringList &displayNames);

// Where the listing of an image goes: beside it, named after its file name.
QString listingPathFor(const QString &imagePath, const QString &imageFileName);

// What a listing says of its image.
struct ListedImage {
    QString imageFileName;
    SizeMode mode = StartSizeMode;
    QStringList displayNames; // one for each game, slot 0 first
};

// A listing's bytes as buildListing writes them (a lone LF also ends a line), or
// what is wrong and on which line.
Result<ListedImage> readListing(QByteArrayView bytes);

} // namespace plakmund
