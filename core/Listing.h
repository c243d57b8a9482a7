#pragma once

#include "SizeMode.h"

#include <QString>
#include <QStringList>

namespace plakmund {

// The lines of the listing of an image saved as imageFileName (no folder),
// without line ends: a heading, the size, one line per active slot, a credit.
QStringList buildListing(const QString &imageFileName, SizeMode mode, const QStringList &displayNames);

// Where the listing of an image goes: beside it, named after its file name.
QString listingPathFor(const QString &imagePath, const QString &imageFileName);

} // namespace plakmund
