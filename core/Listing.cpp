#include "Listing.h"

#include "CrtSet.h"
#include "TextFile.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Listing)
};

// The listing's own lines, the same in every language.
const QString Rule = QString(46, u'-');
const QString Heading = QStringLiteral("Cartridge Games Listings for file: ");
const QString Credit = QStringLiteral("Created with Drennik's Plakmund ");

} // namespace

QStringList buildListing(const QString &imageFileName, SizeMode mode, const QStringList &displayNames)
{
    QStringList lines{Heading + imageFileName, sizeListingLine(mode), Rule};
    for (int i = 0; i < activeSlotCount(mode); ++i)
        lines << slotNumberText(i) + QStringLiteral(" - ") + displayNames.value(i);
    lines << Rule << Credit + versionText();
    return lines;
}

QString listingPathFor(const QString &imagePath, const QString &imageFileName)
{
    // The image's folder as written, so that a name without a folder stays one.
    return imagePath.chopped(QFileInfo(imagePath).fileName().size()) + imageFileName + QStringLiteral("-list.txt");
}

Result<ListedImage> readListing(QByteArrayView bytes)
{
    QStringList lines = decodeText(bytes).split(u'\n');
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (lines.last().isEmpty())
        lines.removeLast();
    ListedImage listed;
    if (lines.isEmpty() || !lines.first().startsWith(Heading))
        return Failure{Text::tr("it does not begin as a listing does"), 1};
    listed.imageFileName = lines.first().mid(Heading.size());
    const QList<SizeMode> modes = sizeModes();
    const auto mode = std::find_if(modes.begin(), modes.end(), [&](SizeMode m) { return sizeListingLine(m) == lines.value(1); });
    if (mode == modes.end())
        return Failure{Text::tr("it names no EPROM size"), 2};
    listed.mode = *mode;
    const int games = activeSlotCount(listed.mode);
    if (lines.size() != games + 5)
        return Failure{Text::tr("it has %1 lines, not the %2 of a listing of %3 games").arg(lines.size()).arg(games + 5).arg(games)};
    for (int index : {2, games + 3}) {
        if (lines.at(index) != Rule)
            return Failure{Text::tr("a line of dashes belongs here"), index + 1};
    }
    for (int slot = 0; slot < games; ++slot) {
        const QString number = slotNumberText(slot) + QStringLiteral(" - ");
        if (!lines.at(slot + 3).startsWith(number))
            return Failure{Text::tr("slot %1's line must begin with \"%2\"").arg(slotNumberText(slot), number), slot + 4};
        listed.displayNames << lines.at(slot + 3).mid(number.size());
    }
    if (!lines.last().startsWith(Credit))
        return Failure{Text::tr("its last line is not the program's"), int(lines.size())};
    return listed;
}

} // namespace plakmund
