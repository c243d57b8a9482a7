#include "Listing.h"

#include "CrtSet.h"
#include "Version.h"

#include <QFileInfo>

namespace plakmund {

namespace {

const QString Rule = QString(46, u'-');

} // namespace

QStringList buildListing(const QString &imageFileName, SizeMode mode, const QStringList &displayNames)
{
    QStringList lines{QStringLiteral("Cartridge Games Listings for file: ") + imageFileName, sizeListingLine(mode), Rule};
    for (int i = 0; i < activeSlotCount(mode); ++i)
        lines << slotNumberText(i) + QStringLiteral(" - ") + displayNames.value(i);
    lines << Rule << QStringLiteral("Created with Drennik's Plakmund ") + versionText();
    return lines;
}

QString listingPathFor(const QString &imagePath, const QString &imageFileName)
{
    // The image's folder as written, so that a name without a folder stays one.
    return imagePath.chopped(QFileInfo(imagePath).fileName().size()) + imageFileName + QStringLiteral("-list.txt");
}

} // namespace plakmund
