#include "SizeMode.h"

#include "Version.h"

namespace plakmund {

int activeSlotCount(SizeMode mode)
{
    switch (mode) {
    case SizeMode::Size512kb:
        return 4;
    case SizeMode::Size1mb:
        return 8;
    case SizeMode::Size2mb:
        break;
    }
    return 16;
}

QString sizeModeName(SizeMode mode)
{
    switch (mode) {
    case SizeMode::Size512kb:
        return QStringLiteral("512kb");
    case SizeMode::Size1mb:
        return QStringLiteral("1mb");
    case SizeMode::Size2mb:
        break;
    }
    return QStringLiteral("2mb");
}

std::optional<SizeMode> sizeModeNamed(const QString &name)
{
    for (SizeMode mode : {SizeMode::Size512kb, SizeMode::Size1mb, SizeMode::Size2mb}) {
        if (sizeModeName(mode) == name)
            return mode;
    }
    return std::nullopt;
}

QString windowCaption(SizeMode mode)
{
    return QStringLiteral("Drennik's Plakmund for Kestrix ") + versionText() + QStringLiteral(" | Size: ") + sizeModeName(mode);
}

} // namespace plakmund
