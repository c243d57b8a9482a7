#pragma once

// What the Windows file reader and writer share.

#include <QString>

#include <optional>
#include <string>

#include <windows.h>

namespace plakmund {

// A file as Windows knows it, whatever the spelling of its path (case, / or \,
// .\ and short 8.3 names): its volume's serial number and its index there.
struct FileIdentity {
    DWORD volume = 0;
    quint64 index = 0;

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// path as Windows takes it: backslashes, in UTF-16.
std::wstring windowsPath(const QString &path);

// Opens path's file or folder for reading its attributes (and its bytes where
// reading), sharing it with every other program.
HANDLE openExisting(const QString &path, DWORD access = FILE_READ_ATTRIBUTES);

// The identity of an open file, or none where Windows gives none.
std::optional<FileIdentity> identityOf(HANDLE file);

// Why a path could not be used, for a Windows error code, in the user's words.
QString systemReason(DWORD error);

// Why path names no file that may be read or written: a device path (\\.\,
// \\?\GLOBALROOT, pipes), a name Windows keeps for a device in every folder
// (CON, NUL.bin, COM1) or a stream of a file (game.crt:extra); else nothing.
QString deviceReason(const QString &path);

// Nothing for an open regular file on a disk; otherwise why it is not one.
QString notRegularReason(HANDLE file);

} // namespace plakmund
