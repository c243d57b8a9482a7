#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace plakmund {

Status OpenRegularFile(QFile &file)
{
    const QFileInfo info(file);
    if (file.fileName().isEmpty() || !info.exists())
        return Failure{QStringLiteral("the file does not exist")};
    if (info.isDir())
        return Failure{QStringLiteral("it is a folder, not a file")};
    if (!info.isFile())
        return Failure{QStringLiteral("it is not a regular file")};
    if (!file.open(QIODevice::ReadOnly))
        return Failure{file.errorString()};
    return Success();
}

Result<QByteArray> ReadSmallFile(const QString &path, qint64 maxSize)
{
    QFile file(path);
    if (const Status opened = OpenRegularFile(file); !opened.ok())
        return Failure{opened.error()};
    if (file.size() > maxSize)
        return Failure{QStringLiteral("the file is longer than %1 bytes").arg(maxSize)};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Failure{file.errorString()};
    return bytes;
}

Status WriteFileAtomically(const QString &path, const QByteArray &bytes, const std::function<void()> &whenCreated)
{
    // Unbuffered, because a buffered flush takes a short write (full disk) for
    // success and the truncated file would be committed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{file.errorString()};
    if (whenCreated)
        whenCreated();
    const qint64 written = file.write(bytes);
    if (written < 0)
        return Failure{file.errorString()};
    if (written != bytes.size())
        return Failure{QStringLiteral("only %1 of %2 bytes fitted on the disk").arg(written).arg(bytes.size())};
    if (!file.commit())
        return Failure{file.errorString()};

    return VerifyFileContents(path, bytes);
}

Status VerifyFileContents(const QString &path, const QByteArray &bytes)
{
    const Result<QByteArray> stored = ReadSmallFile(path, bytes.size());
    if (!stored.ok())
        return Failure{QStringLiteral("it could not be read back: %1").arg(stored.error())};
    if (stored.value() != bytes)
        return Failure{QStringLiteral("what was read back differs from what was written")};
    return Success();
}

QString WriteFailureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The file \"%1\" could not be written: %2.").arg(path, reason);
}

} // namespace plakmund
