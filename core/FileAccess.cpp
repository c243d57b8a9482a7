#include "FileAccess.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plakmund {

namespace {

// Why a file could not be opened, in the user's words.
QString openFailureReason(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("it does not exist");
    case EACCES:
    case EPERM:
        return QStringLiteral("you do not have permission to open it");
    case ELOOP:
        return QStringLiteral("its path runs in a loop of symbolic links");
    case ENOTDIR:
        return QStringLiteral("a part of its path is not a folder");
    case ENAMETOOLONG:
        return QStringLiteral("its name is too long");
    default:
        return qt_error_string(error);
    }
}

// Nothing for a regular file; otherwise why it is not one.
QString notRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    return S_ISDIR(mode) ? QStringLiteral("it is a folder, not a file") : QStringLiteral("it is not a regular file");
}

} // namespace

Result<QByteArray> readRegularFile(const QString &path, qint64 limit)
{
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return Failure{openFailureReason(errno)};
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Failure{file.errorString()};
    }
    // The opened file is judged, not the path, so nothing can be swapped in between.
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return Failure{qt_error_string(errno)};
    if (const QString reason = notRegularReason(status.st_mode); !reason.isEmpty())
        return Failure{reason};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    return bytes;
}

Status writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    // Replacing a named pipe or a device node with a regular file would do
    // harm; whatever is there must be a regular file or nothing.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (const QString reason = notRegularReason(status.st_mode); !reason.isEmpty())
            return Failure{reason};
    }

    // Unbuffered, because a buffered flush takes a short write (full disk) for
    // success and the truncated file would be committed.
    QSaveFile file(path);
    // A folder that takes no new file (no write permission, say) still lets an
    // existing writable file be rewritten in place, though not atomically.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{file.errorString()};
    const qint64 written = file.write(bytes);
    if (written < 0)
        return Failure{file.errorString()};
    if (written != bytes.size())
        return Failure{QStringLiteral("only %1 of %2 bytes fitted on the disk").arg(written).arg(bytes.size())};
    if (!file.commit())
        return Failure{file.errorString()};
    return success();
}

QString readFailureMessage(const QString &file, const QString &path, const QString &reason)
{
    return QStringLiteral("The %1 \"%2\" can not be read: %3.").arg(file, path, reason);
}

QString writeFailureMessage(const QString &file, const QString &path, const QString &reason)
{
    return QStringLiteral("The %1 \"%2\" can not be written: %3.").arg(file, path, reason);
}

} // namespace plakmund
