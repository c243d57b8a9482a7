#pragma once

#include "FileFailure.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace plakmund {

// Every file the program writes goes through a FileWriter, which promises:
// - A target is only ever replaced by a complete file: the bytes go to a temporary
//   file in the target's folder, are flushed to the disk and then renamed over the
//   target. Nothing is written in place: where the folder takes no new file, the
//   write fails and the old file stays as it was. A replaced file's permission bits
//   carry over, never its set-user-ID, set-group-ID or sticky bit.
// - Files staged together (an image and its listing) are all complete, and each
//   rename known to be allowed, before the first replaces anything; a failure before
//   that changes none of them. They are renamed in the order staged, one command at
//   a time per folder, also in a folder the user may write but not read.
// - Interrupting signals (SIGINT, SIGTERM, SIGHUP, SIGQUIT) wait for the writer's end,
//   so that no temporary file is left behind.
// - It refuses an existing target that is not a regular file (a folder, a named
//   pipe, a device), and any target on a kernel file system (procfs, sysfs and the
//   like) or under /dev or /sys, whatever is mounted there.
// - It follows a symbolic link only where the kernel's rule for shared sticky
//   folders (such as /tmp) would: when the link is not in such a folder, or belongs
//   to the caller or to the folder's owner. Otherwise it refuses, naming the link.
//   In a sticky folder it replaces only a file the kernel lets the caller replace.
// - It never replaces one of the inputs it is given (the files the command reads or
//   has read), nor a file staged before, comparing files by device and inode.
// Failures are told as FileFailures naming the file and the reason.
class FileWriter {
public:
    explicit FileWriter(const QStringList &inputs = {});
    ~FileWriter();
    FileWriter(const FileWriter &) = delete;
    FileWriter &operator=(const FileWriter &) = delete;

    // Checks the target at path and writes bytes completely to a temporary file
    // beside it. file says what it is to the user.
    std::optional<FileFailure> stage(FileKind file, const QString &path, const QByteArray &bytes);
    // Makes the new folder at path, for files staged into it; it goes again where
    // the writer ends without a commit.
    std::optional<FileFailure> stageFolder(FileKind file, const QString &path);
    // Renames every staged file over its target.
    std::optional<FileFailure> commit();

private:
    // The failure of a staged file: nothing was changed.
    static FileFailure failure(FileKind file, const QString &path, const QString &reason);
    // Why a target that is the same file as input may not be replaced.
    static QString inputReason(const QString &input, const QString &path);
    // The outcome of a commit whose rename failed after these files were replaced.
    static QString partlyReplaced(const QStringList &replaced);
    // Why a target may not be replaced: the file staged before goes there.
    static QString stagedBeforeReason(FileKind file, const QString &path);

    // The staged files and what the operating system needs of them.
    struct Private;
    std::unique_ptr<Private> d;
};

// A single file through a FileWriter: staged and committed.
std::optional<FileFailure> writeFile(FileKind file, const QString &path, const QByteArray &bytes,
                                     const QStringList &inputs = {});

} // namespace plakmund
