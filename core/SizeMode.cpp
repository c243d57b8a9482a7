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

QString windowCaption(SizeMode mode)
{
    QString suffix;
    switch (mode) {
    case SizeMode::Size512kb:
        suffix = QStringLiteral(" | Size: 512kb");
        break;
    case SizeMode::Size1mb:
        suffix = QStringLiteral(" | Size: 1mb");
        break;
    case SizeMode::Size2mb:
        suffix = QStringLiteral(" | Size: 2mb");
        break;
    }
    return QStringLiteral("Drennik's Plakmund for Kestrix ") + versionText() + suffix;
}

} // namespace plakmund
