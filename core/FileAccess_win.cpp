#include "FileAccess.h"
#include "FileAccess_win.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>

namespace plakmund {

namespace {

// The reasons are clauses that complete a sentence such as 'The image file "a.bin"
// can not be written: ...'.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

} // namespace

std::wstring windowsPath(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

HANDLE openExisting(const QString &path, DWORD access)
{
    // Backup semantics: a folder opens too, so that it can be told apart.
    return ::CreateFileW(windowsPath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::optional<FileIdentity> identityOf(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(file, &information))
        return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber, (quint64(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

QString systemReason(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return Text::tr("it does not exist");
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
        return Text::tr("its folder does not exist");
    case ERROR_ACCESS_DENIED:
        return Text::tr("you do not have permission to open it");
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Text::tr("another program is using it");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Text::tr("the disk is full");
    case ERROR_WRITE_PROTECT:
        return Text::tr("its disk is write-protected");
    case ERROR_FILENAME_EXCED_RANGE:
        return Text::tr("its name is too long");
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
        return Text::tr("its name is not one Windows allows");
    case ERROR_NOT_READY:
        return Text::tr("its drive is not ready");
    default:
        return qt_error_string(int(error));
    }
}

QString deviceReason(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\GLOBALROOT"), Qt::CaseInsensitive))
        return Text::tr("it is a device path, not a file");
    // The name, past the folders and a drive letter; Windows ignores spaces and dots at its end.
    QString name = native.section(u'\\', -1);
    if (name.size() > 1 && name.at(1) == u':')
        name = name.mid(2);
    if (name.contains(u':'))
        return Text::tr("a colon in its name makes it a stream of another file");
    while (name.endsWith(u' ') || name.endsWith(u'.'))
        name.chop(1);
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]|CONIN\\$|CONOUT\\$) *(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = reserved.match(name); match.hasMatch())
        return Text::tr("Windows keeps the name \"%1\" for a device in every folder").arg(match.captured(1));
    return {};
}

QString notRegularReason(HANDLE file)
{
    if (::GetFileType(file) != FILE_TYPE_DISK)
        return Text::tr("it is not a regular file");
    BY_HANDLE_FILE_INFORMATION information{};
    if (!::GetFileInformationByHandle(file, &information))
        return systemReason(::GetLastError());
    return information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? Text::tr("it is a folder, not a file") : QString();
}

bool fileExists(const QString &path)
{
    // A device's name is there, but no file to read: the reader says why.
    if (path.isEmpty() || !deviceReason(path).isEmpty())
        return !path.isEmpty();
    const DWORD attributes = ::GetFileAttributesW(windowsPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

Result<QByteArray> readRegularFile(const QString &path, qint64 limit)
{
    if (const QString reason = deviceReason(path); !reason.isEmpty())
        return Failure{reason};
    const HANDLE file = openExisting(path, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE)
        return Failure{systemReason(::GetLastError())};
    const auto close = qScopeGuard([file] { ::CloseHandle(file); });
    // The opened file is judged, not the path, so nothing can be swapped in between.
    if (const QString reason = notRegularReason(file); !reason.isEmpty())
        return Failure{reason};
    QByteArray bytes(limit + 1, Qt::Uninitialized);
    qint64 done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        if (!::ReadFile(file, bytes.data() + done, DWORD(bytes.size() - done), &read, nullptr))
            return Failure{systemReason(::GetLastError())};
        if (read == 0)
            break;
        done += read;
    }
    bytes.truncate(done);
    return bytes;
}

} // namespace plakmund
