#include "Listing.h"

#include <QDir>
#include <QFileInfo>

namespace plakmund {

namespace {

const QString Rule = QString(46, u'-');

QString SizeLine(SizeMode mode)
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

QStringList BuildListing(const QString &imageFileName, SizeMode mode, const QStringList &displayNames,
                         int versionMajor, int versionMinor)
{
    QStringList lines{QStringLiteral("Cartridge Games Listings for file: ") + imageFileName, SizeLine(mode), Rule};
    for (int i = 0; i < ActiveSlotCount(mode); ++i)
        lines << QString::number(i, 16).toUpper() + QStringLiteral(" - ") + displayNames.value(i);
    lines << Rule << QStringLiteral("Created with Drennik's Plakmund v%1.%2").arg(versionMajor).arg(versionMinor);
    return lines;
}

QString ListingPath(const QString &imagePath, const QString &imageFileName)
{
    return QFileInfo(imagePath).dir().filePath(imageFileName + QStringLiteral("-list.txt"));
}

} // namespace plakmund
