#include "FileAccess.h"
#include "FileAccess_posix.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plakmund {

namespace {

// The reasons are clauses that complete a sentence such as 'The image file "a.bin"
// can not be written: ...'.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

} // namespace

QString systemReason(int error)
{
    switch (error) {
    case ENOENT:
        return Text::tr("it does not exist");
    case EACCES:
    case EPERM:
        return Text::tr("you do not have permission to open it");
    case ELOOP:
        return Text::tr("its path runs in a loop of symbolic links");
    case ENOTDIR:
        return Text::tr("a part of its path is not a folder");
    case ENAMETOOLONG:
        return Text::tr("its name is too long");
    default:
        return qt_error_string(error);
    }
}

QString notRegularReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    return S_ISDIR(mode) ? Text::tr("it is a folder, not a file") : Text::tr("it is not a regular file");
}

QByteArray nativePath(const QString &path)
{
    if (path.contains(QChar(u'\0')))
        return {};
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status {};
    if (::stat(encoded.constData(), &status) == 0 || errno != ENOENT)
        return encoded;
    // A name from a single-byte system, and a location written on Windows (carts\game.crt).
    QList<QByteArray> others;
    if (const std::optional<QByteArray> singleByte = toWindows1252(path))
        others << *singleByte;
    if (path.contains(u'\\'))
        others << QFile::encodeName(QString(path).replace(u'\\', u'/'));
    for (const QByteArray &other : std::as_const(others)) {
        if (::stat(other.constData(), &status) == 0)
            return other;
    }
    return encoded;
}

bool fileExists(const QString &path)
{
    struct stat status {};
    const QByteArray name = nativePath(path);
    return !name.isEmpty() && ::stat(name.constData(), &status) == 0 && !S_ISDIR(status.st_mode);
}

Result<QByteArray> readRegularFile(const QString &path, qint64 limit)
{
    // O_NONBLOCK: opening a named pipe must not wait for a writer.
    const int descriptor = ::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return Failure{systemReason(errno)};
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return Failure{file.errorString()};
    }
    // The opened file is judged, not the path, so nothing can be swapped in between.
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        return Failure{systemReason(errno)};
    if (const QString reason = notRegularReason(status.st_mode); !reason.isEmpty())
        return Failure{reason};
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    return bytes;
}

} // namespace plakmund
