#pragma once

#include <QString>

namespace plakmund {

// The program's version, shown in the window caption and the listing file; the
// build takes it from the project's version.
inline constexpr int VersionMajor = PLAKMUND_VERSION_MAJOR;
inline constexpr int VersionMinor = PLAKMUND_VERSION_MINOR;

// "v0.4": the form in which every text of the program shows the version.
inline QString versionText()
{
    return QStringLiteral("v%1.%2").arg(VersionMajor).arg(VersionMinor);
}

// The program's name as its window shows it.
inline QString programTitle()
{
    return QStringLiteral("Drennik's Plakmund for Kestrix");
}

// The title of every message box that sets none of its own.
inline QString applicationTitle()
{
    return QStringLiteral("Plakmund_") + versionText();
}

} // namespace plakmund
