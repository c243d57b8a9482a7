#pragma once

#include <QString>

namespace plakmund {

// The program's version, shown in the window caption and the listing file.
inline constexpr int VersionMajor = 0;
inline constexpr int VersionMinor = 4;

// "v0.4": the form in which every text of the program shows the version.
inline QString versionText()
{
    return QStringLiteral("v%1.%2").arg(VersionMajor).arg(VersionMinor);
}

// The title of every message box that sets none of its own.
inline QString applicationTitle()
{
    return QStringLiteral("Plakmund_") + versionText();
}

} // namespace plakmund
