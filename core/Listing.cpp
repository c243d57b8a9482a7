#include "Listing.h"

#include "CrtSet.h"
#include "Version.h"

#include <QFileInfo>

namespace plakmund {

namespace {

const QString Rule = QString(46, u'-');

QString sizeLine(SizeMode mode)
{
    switch (mode) {
    case SizeMode::Size512kb:
        return QStringLiteral("Size: 512K Eprom (4 Games)");
    case SizeMode::Size1mb:
        return QStringLiteral("Size: 1mb Eprom (8 Games)");
    case SizeMode::Size2mb:
        break;
    }
    return QStringLiteral("Size: 2mb Eprom (16 Games)");
}

} // namespace

QStringList buildListing(const QString &imageFileName, SizeMode mode, const QStringList &displayNames)
{
    QStringList lines{QStringLiteral("Cartridge Games Listings for file: ") + imageFileName, sizeLine(mode), Rule};
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
