#include "SizeMode.h"

#include "CrtSet.h"
#include "Version.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SizeMode)
};

// Everything that depends on the EPROM size.
struct SizeFacts {
    SizeMode mode;
    int games;
    QStringView name;
    QStringView listingLine; // the same in every language
};

constexpr SizeFacts Sizes[] = {
    {SizeMode::Size512kb, 4, u"512kb", u"Size: 512K Eprom (4 Games)"},
    {SizeMode::Size1mb, 8, u"1mb", u"Size: 1mb Eprom (8 Games)"},
    {SizeMode::Size2mb, 16, u"2mb", u"Size: 2mb Eprom (16 Games)"},
};

const SizeFacts &factsOf(SizeMode mode)
{
    return *std::find_if(std::begin(Sizes), std::end(Sizes), [mode](const SizeFacts &facts) { return facts.mode == mode; });
}

} // namespace

int activeSlotCount(SizeMode mode)
{
    return factsOf(mode).games;
}

QString sizeModeName(SizeMode mode)
{
    return factsOf(mode).name.toString();
}

QString sizeListingLine(SizeMode mode)
{
    return factsOf(mode).listingLine.toString();
}

QList<SizeMode> sizeModes()
{
    QList<SizeMode> modes;
    for (const SizeFacts &facts : Sizes)
        modes << facts.mode;
    return modes;
}

std::optional<SizeMode> sizeModeOfImage(qint64 length)
{
    for (const SizeFacts &facts : Sizes) {
        if (length == qint64(facts.games) * SlotDataSize)
            return facts.mode;
    }
    return std::nullopt;
}

QString sizeModeNamesText()
{
    QStringList names;
    for (const SizeFacts &facts : Sizes)
        names << facts.name.toString();
    const QString last = names.takeLast();
    return Text::tr("%1 or %2", "a choice: '512kb, 1mb' or '2mb'").arg(names.join(QStringLiteral(", ")), last);
}

std::optional<SizeMode> sizeModeNamed(const QString &name)
{
    for (const SizeFacts &facts : Sizes) {
        if (facts.name == name)
            return facts.mode;
    }
    return std::nullopt;
}

QString windowCaption(SizeMode mode)
{
    return Text::tr("%1 %2 | Size: %3", "the window's caption: the program's name, its version and the EPROM size")
        .arg(programTitle(), versionText(), sizeModeName(mode));
}

} // namespace plakmund
