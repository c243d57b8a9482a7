#include "FileWriter.h"

#include "FileAccess_posix.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace plakmund {

namespace {

// The reasons are clauses that complete a sentence such as 'The image file "a.bin"
// can not be written: ...'.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileAccess)
};

// As many as the kernel follows in one path.
constexpr int MaxSymbolicLinks = 40;

// Owns an open file descriptor.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : m_descriptor(descriptor) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_descriptor; }
    int release() { return std::exchange(m_descriptor, -1); }
    void reset(int descriptor = -1)
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = descriptor;
    }

private:
    int m_descriptor;
};

// Where a path leads: a folder, opened and handed to the receiver, and a name in
// it that is not a link.
struct Target {
    int folder;
    QByteArray name;
    std::optional<struct stat> status; // none where nothing has the name yet
};

QString kernelFileSystemReason()
{
    return Text::tr("it lies on a kernel file system, which holds devices and settings, not files");
}

// Devices and the kernel's settings live under /dev and /sys, whatever is mounted
// there (tmpfs and devtmpfs too); the kernel tells where an open file lies.
bool underDevicesOrSettings(int descriptor)
{
    QByteArray path(PATH_MAX, '\0');
    const ssize_t length = ::readlink(("/proc/self/fd/" + QByteArray::number(descriptor)).constData(), path.data(), path.size());
    path.truncate(qMax<ssize_t>(length, 0));
    for (const QByteArray &root : {QByteArrayLiteral("/dev"), QByteArrayLiteral("/sys")}) {
        if (path == root || path.startsWith(root + '/'))
            return true;
    }
    return false;
}

// The kernel's own file systems hold settings and views, not files to replace.
bool onKernelFileSystem(int descriptor)
{
    if (underDevicesOrSettings(descriptor))
        return true;
    struct statfs info {};
    if (::fstatfs(descriptor, &info) != 0)
        return false;
    switch (info.f_type) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case SELINUX_MAGIC:
    case SMACK_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
    case BINFMTFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case NSFS_MAGIC:
        return true;
    default:
        return false;
    }
}

// The kernel's rule for shared sticky folders (such as /tmp): a link there is
// followed only when it belongs to the caller or to the folder's owner.
bool mayFollow(int folder, const struct stat &link)
{
    struct stat status {};
    if (::fstat(folder, &status) != 0)
        return false;
    const bool shared = (status.st_mode & S_ISVTX) && (status.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == status.st_uid;
}

// The kernel's rule for sticky folders: only the file's owner, the folder's owner
// or root may replace a file there.
bool mayReplace(const struct stat &folder, const struct stat &file)
{
    const uid_t user = ::geteuid();
    return !(folder.st_mode & S_ISVTX) || user == 0 || file.st_uid == user || folder.st_uid == user;
}

QByteArray joined(const QByteArray &folder, const QByteArray &name)
{
    return folder.isEmpty() || folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// Follows path, one part at a time, to the folder and name it leads to. Every
// step is taken from the folder opened before it, so nothing can be swapped in.
Result<Target> findTarget(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    const bool absolute = encoded.startsWith('/');
    Descriptor folder(::open(absolute ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    QByteArray shown = absolute ? "/" : ""; // the folder's path, for messages
    QByteArrayList rest = encoded.split('/');
    int links = 0;
    while (!rest.isEmpty()) {
        const QByteArray part = rest.takeFirst();
        if (part.isEmpty() || part == ".")
            continue;
        struct stat status {};
        if (::fstatat(folder.get(), part.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT && rest.isEmpty())
                return Target{folder.release(), part, std::nullopt};
            return Failure{errno == ENOENT ? Text::tr("its folder does not exist") : systemReason(errno)};
        }
        if (S_ISLNK(status.st_mode)) {
            if (++links > MaxSymbolicLinks)
                return Failure{systemReason(ELOOP)};
            if (!mayFollow(folder.get(), status)) {
                return Failure{Text::tr("the symbolic link \"%1\" lies in a shared folder and belongs to another user")
                                   .arg(QFile::decodeName(joined(shown, part)))};
            }
            QByteArray target(PATH_MAX, '\0');
            const ssize_t length = ::readlinkat(folder.get(), part.constData(), target.data(), target.size());
            if (length <= 0)
                return Failure{systemReason(errno)};
            target.truncate(length);
            if (target.startsWith('/')) {
                folder.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
                shown = "/";
            }
            rest = target.split('/') + rest;
            continue;
        }
        if (rest.isEmpty())
            return Target{folder.release(), part, status};
        folder.reset(::openat(folder.get(), part.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (folder.get() < 0)
            return Failure{systemReason(errno)};
        shown = joined(shown, part);
    }
    return Failure{notRegularReason(S_IFDIR)};
}

// Why a folder took no new file, in the user's words.
QString createReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return Text::tr("you may not create files in its folder");
    case EROFS:
        return Text::tr("its folder is on a read-only file system");
    case ENOSPC:
    case EDQUOT:
        return Text::tr("the disk is full");
    default:
        return systemReason(error);
    }
}

// Writes all bytes and flushes them to the disk: nothing, or why not.
QString writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.constData() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && (errno == ENOSPC || errno == EDQUOT || errno == EFBIG))
            return Text::tr("only %1 of %2 bytes fitted on the disk").arg(done).arg(bytes.size());
        if (written < 0)
            return systemReason(errno);
        done += written;
    }
    return ::fsync(descriptor) == 0 ? QString() : systemReason(errno);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Two commands writing into one folder take turns at their renames, so that an
// image and its listing stay a pair. A turn is an abstract socket named after the
// folder: it needs no permission on the folder, leaves nothing on the disk and
// ends with its process. Waits up to ten seconds; the socket, or -1.
int takeTurn(const struct stat &folder)
{
    Descriptor turn(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = "plakmund-folder-" + QByteArray::number(quint64(folder.st_dev)) + '-'
        + QByteArray::number(quint64(folder.st_ino));
    std::copy(name.begin(), name.end(), address.sun_path + 1); // after a NUL: abstract
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    const timespec pause{0, 1000 * 1000};
    for (int waited = 0; turn.get() >= 0 && waited < 10 * 1000; ++waited) {
        if (::bind(turn.get(), reinterpret_cast<const sockaddr *>(&address), length) == 0)
            return turn.release();
        if (errno != EADDRINUSE)
            break;
        ::nanosleep(&pause, nullptr);
    }
    return -1;
}

// Why a rename over a target was refused, in the user's words.
QString replaceReason(int error)
{
    return error == EACCES || error == EPERM ? Text::tr("you may not replace it in its folder") : systemReason(error);
}

// Interrupting signals wait while temporary files exist, so that none is left behind.
sigset_t interruptingSignals()
{
    sigset_t interrupting;
    sigemptyset(&interrupting);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        sigaddset(&interrupting, signal);
    return interrupting;
}

} // namespace

struct FileWriter::Private {
    struct Staged {
        FileKind file;
        QString path;
        int folder = -1;          // where the target lies, once links are followed
        QByteArray name;          // the target's name in that folder
        QByteArray temporaryName; // the complete new file beside it
    };

    QStringList inputs;
    QList<Staged> staged;
    QList<QByteArray> folders; // made for the staged files, until they are committed
    sigset_t signalsBefore;    // the thread's signal mask before the writer
};

FileWriter::FileWriter(const QStringList &inputs) : d(new Private{inputs, {}, {}, {}})
{
    const sigset_t interrupting = interruptingSignals();
    ::pthread_sigmask(SIG_BLOCK, &interrupting, &d->signalsBefore);
}

FileWriter::~FileWriter()
{
    for (const Private::Staged &staged : std::as_const(d->staged)) {
        if (!staged.temporaryName.isEmpty())
            ::unlinkat(staged.folder, staged.temporaryName.constData(), 0);
        ::close(staged.folder);
    }
    for (auto folder = d->folders.crbegin(); folder != d->folders.crend(); ++folder)
        ::rmdir(folder->constData());
    ::pthread_sigmask(SIG_SETMASK, &d->signalsBefore, nullptr);
}

std::optional<FileFailure> FileWriter::stageFolder(FileKind file, const QString &path)
{
    const QByteArray name = nativePath(path);
    if (name.isEmpty() || ::mkdir(name.constData(), 0777) != 0)
        return failure(file, path, errno == EEXIST ? Text::tr("it exists already") : createReason(errno));
    d->folders << name;
    return std::nullopt;
}

std::optional<FileFailure> FileWriter::stage(FileKind file, const QString &path, const QByteArray &bytes)
{
    const Result<Target> found = findTarget(path);
    if (!found.ok())
        return failure(file, path, found.error());
    const Target &target = found.value();
    Descriptor folder(target.folder);
    if (onKernelFileSystem(folder.get()))
        return failure(file, path, kernelFileSystemReason());

    struct stat folderStatus {};
    ::fstat(folder.get(), &folderStatus);
    for (const Private::Staged &before : std::as_const(d->staged)) {
        struct stat beforeFolder {};
        if (::fstat(before.folder, &beforeFolder) == 0 && sameFile(beforeFolder, folderStatus) && before.name == target.name)
            return failure(file, path, stagedBeforeReason(before.file, before.path));
    }
    if (target.status) {
        if (const QString reason = notRegularReason(target.status->st_mode); !reason.isEmpty())
            return failure(file, path, reason);
        if (!mayReplace(folderStatus, *target.status))
            return failure(file, path, Text::tr("it lies in a shared folder and belongs to another user, who alone may replace it"));
        const Descriptor existing(::openat(folder.get(), target.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        if (onKernelFileSystem(existing.get()))
            return failure(file, path, kernelFileSystemReason());
        for (const QString &input : std::as_const(d->inputs)) {
            struct stat inputStatus {};
            if (!input.isEmpty() && ::stat(nativePath(input).constData(), &inputStatus) == 0 && sameFile(inputStatus, *target.status))
                return failure(file, path, inputReason(input, path));
        }
    }

    // A name nothing else has, beside the target, so the rename stays in one folder;
    // its suffix of at most 8 bytes fits however long the target's name is.
    Descriptor written;
    QByteArray temporaryName;
    for (int attempt = 0; written.get() < 0 && attempt < 100; ++attempt) {
        temporaryName = target.name.left(NAME_MAX - 8) + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        written.reset(::openat(folder.get(), temporaryName.constData(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (written.get() < 0 && errno != EEXIST)
            break;
    }
    if (written.get() < 0)
        return failure(file, path, createReason(errno));
    // The new file keeps the permissions of the one it replaces, but none of the
    // set-user-ID, set-group-ID and sticky bits, which would hand its owner's rights on.
    if (target.status)
        ::fchmod(written.get(), target.status->st_mode & 0777);
    QString reason = writeAll(written.get(), bytes);
    if (::close(written.release()) != 0 && reason.isEmpty())
        reason = systemReason(errno);
    if (!reason.isEmpty()) {
        ::unlinkat(folder.get(), temporaryName.constData(), 0);
        return failure(file, path, reason);
    }
    d->staged << Private::Staged{file, path, folder.release(), target.name, temporaryName};
    return std::nullopt;
}

std::optional<FileFailure> FileWriter::commit()
{
    if (d->staged.isEmpty()) {
        d->folders.clear();
        return std::nullopt;
    }
    const Private::Staged &first = d->staged.constFirst();
    struct stat folder {};
    ::fstat(first.folder, &folder);
    const Descriptor turn(takeTurn(folder));
    if (turn.get() < 0)
        return failure(first.file, first.path, Text::tr("another save into its folder has not finished"));
    QStringList replaced;
    for (Private::Staged &staged : d->staged) {
        if (::renameat(staged.folder, staged.temporaryName.constData(), staged.folder, staged.name.constData()) != 0) {
            FileFailure failed = failure(staged.file, staged.path, replaceReason(errno));
            if (!replaced.isEmpty())
                failed.outcome = partlyReplaced(replaced);
            return failed;
        }
        staged.temporaryName.clear();
        replaced << fileNamed(staged.file, staged.path);
    }
    // The renames themselves reach the disk too, where the folder may be read.
    const Descriptor synced(::openat(first.folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (synced.get() >= 0)
        ::fsync(synced.get());
    d->folders.clear();
    return std::nullopt;
}

} // namespace plakmund
