#include "FileWriter.h"

#include "FileAccess_win.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <atomic>

namespace plakmund {

namespace {

// The reasons are clauses that complete a sentence such as 'The image file "a.bin"
// can not be written: ...'.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

// Writers alive in this process; Ctrl+C and a closed console wait for them.
std::atomic<int> writersAlive{0};

// Runs on a thread of its own when the console is interrupted: the process ends
// once every writer has removed its temporary files.
BOOL WINAPI waitForWriters(DWORD)
{
    while (writersAlive.load() > 0)
        ::Sleep(10);
    return FALSE;
}

// Writes all bytes and flushes them to the disk: nothing, or why not.
QString writeAll(HANDLE file, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!::WriteFile(file, bytes.constData() + done, DWORD(bytes.size() - done), &written, nullptr)) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL)
                return Text::tr("only %1 of %2 bytes fitted on the disk").arg(done).arg(bytes.size());
            return systemReason(error);
        }
        done += written;
    }
    return ::FlushFileBuffers(file) ? QString() : systemReason(::GetLastError());
}

// Why a folder took no new file, in the user's words.
QString createReason(DWORD error)
{
    return error == ERROR_ACCESS_DENIED ? Text::tr("you may not create files in its folder") : systemReason(error);
}

// Why a move over a target was refused, in the user's words.
QString replaceReason(DWORD error)
{
    return error == ERROR_ACCESS_DENIED ? Text::tr("you may not replace it in its folder") : systemReason(error);
}

// Two commands writing into one folder take turns at their moves, so that an image
// and its listing stay a pair: a mutex named after the folder's identity, owned
// until the commit releases it. Waits up to ten seconds; the mutex, or null.
HANDLE takeTurn(const QString &folder)
{
    const HANDLE opened = openExisting(folder);
    if (opened == INVALID_HANDLE_VALUE)
        return nullptr;
    const std::optional<FileIdentity> identity = identityOf(opened);
    ::CloseHandle(opened);
    if (!identity)
        return nullptr;
    const std::wstring name = QStringLiteral("Local\\plakmund-folder-%1-%2").arg(identity->volume).arg(identity->index).toStdWString();
    const HANDLE turn = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (turn && ::WaitForSingleObject(turn, 10 * 1000) != WAIT_TIMEOUT)
        return turn;
    if (turn)
        ::CloseHandle(turn);
    return nullptr;
}

} // namespace

struct FileWriter::Private {
    struct Staged {
        FileKind file;
        QString path;
        QString target;    // the target's full path
        QString temporary; // the complete new file beside it
    };

    QStringList inputs;
    QList<Staged> staged;
    QStringList folders; // made for the staged files, until they are committed
};

FileWriter::FileWriter(const QStringList &inputs) : d(new Private{inputs, {}, {}})
{
    static const bool waiting = ::SetConsoleCtrlHandler(waitForWriters, TRUE);
    Q_UNUSED(waiting);
    ++writersAlive;
}

FileWriter::~FileWriter()
{
    for (const Private::Staged &staged : std::as_const(d->staged)) {
        if (!staged.temporary.isEmpty())
            ::DeleteFileW(windowsPath(staged.temporary).c_str());
    }
    for (auto folder = d->folders.crbegin(); folder != d->folders.crend(); ++folder)
        ::RemoveDirectoryW(windowsPath(*folder).c_str());
    --writersAlive;
}

std::optional<FileFailure> FileWriter::stageFolder(FileKind file, const QString &path)
{
    if (const QString reason = deviceReason(path); !reason.isEmpty())
        return failure(file, path, reason);
    if (!::CreateDirectoryW(windowsPath(path).c_str(), nullptr)) {
        const DWORD error = ::GetLastError();
        return failure(file, path, error == ERROR_ALREADY_EXISTS ? Text::tr("it exists already") : createReason(error));
    }
    d->folders << path;
    return std::nullopt;
}

std::optional<FileFailure> FileWriter::stage(FileKind file, const QString &path, const QByteArray &bytes)
{
    if (const QString reason = deviceReason(path); !reason.isEmpty())
        return failure(file, path, reason);
    const QFileInfo info(path);
    const QString target = info.absoluteFilePath();
    for (const Private::Staged &before : std::as_const(d->staged)) {
        if (before.target.compare(target, Qt::CaseInsensitive) == 0)
            return failure(file, path, stagedBeforeReason(before.file, before.path));
    }

    const HANDLE existing = openExisting(target);
    if (existing != INVALID_HANDLE_VALUE) {
        const auto close = qScopeGuard([existing] { ::CloseHandle(existing); });
        if (const QString reason = notRegularReason(existing); !reason.isEmpty())
            return failure(file, path, reason);
        BY_HANDLE_FILE_INFORMATION information{};
        // Windows would refuse to move a file over it, after the image had been replaced.
        if (::GetFileInformationByHandle(existing, &information) && (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
            return failure(file, path, Text::tr("it is read-only"));
        const std::optional<FileIdentity> identity = identityOf(existing);
        for (const QString &input : std::as_const(d->inputs)) {
            const HANDLE opened = input.isEmpty() || !deviceReason(input).isEmpty() ? INVALID_HANDLE_VALUE : openExisting(input);
            if (opened == INVALID_HANDLE_VALUE)
                continue;
            const bool same = identity && identityOf(opened) == identity;
            ::CloseHandle(opened);
            if (same)
                return failure(file, path, inputReason(input, path));
        }
    } else if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        return failure(file, path, systemReason(error));
    }

    // A name nothing else has, beside the target, so the move stays in one folder.
    HANDLE written = INVALID_HANDLE_VALUE;
    QString temporary;
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; written == INVALID_HANDLE_VALUE && error == ERROR_FILE_EXISTS && attempt < 100; ++attempt) {
        temporary = target + u'.' + QString::number(QRandomGenerator::global()->generate(), 36);
        written = ::CreateFileW(windowsPath(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        error = ::GetLastError();
    }
    if (written == INVALID_HANDLE_VALUE)
        return failure(file, path, error == ERROR_PATH_NOT_FOUND ? Text::tr("its folder does not exist") : createReason(error));
    QString reason = writeAll(written, bytes);
    if (!::CloseHandle(written) && reason.isEmpty())
        reason = systemReason(::GetLastError());
    if (!reason.isEmpty()) {
        ::DeleteFileW(windowsPath(temporary).c_str());
        return failure(file, path, reason);
    }
    d->staged << Private::Staged{file, path, target, temporary};
    return std::nullopt;
}

std::optional<FileFailure> FileWriter::commit()
{
    if (d->staged.isEmpty()) {
        d->folders.clear();
        return std::nullopt;
    }
    const Private::Staged &first = d->staged.constFirst();
    const HANDLE turn = takeTurn(QFileInfo(first.target).path());
    if (!turn)
        return failure(first.file, first.path, Text::tr("another save into its folder has not finished"));
    const auto release = qScopeGuard([turn] {
        ::ReleaseMutex(turn);
        ::CloseHandle(turn);
    });
    QStringList replaced;
    for (Private::Staged &staged : d->staged) {
        if (!::MoveFileExW(windowsPath(staged.temporary).c_str(), windowsPath(staged.target).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            FileFailure failed = failure(staged.file, staged.path, replaceReason(::GetLastError()));
            if (!replaced.isEmpty())
                failed.outcome = partlyReplaced(replaced);
            return failed;
        }
        staged.temporary.clear();
        replaced << fileNamed(staged.file, staged.path);
    }
    d->folders.clear();
    return std::nullopt;
}

} // namespace plakmund
