#include "FileAccess.h"
#include "FileWriter.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace plakmund;

// File permissions hold as they do for users: run as root, the tests work as "nobody"
// and take root back only to give a link to another user.
class TestFileAccess : public QObject {
    Q_OBJECT

private:
    const passwd *m_nobody = ::getpwnam("nobody");
    bool asRoot() const { return ::getuid() == 0; }

private slots:
    void initTestCase() { QVERIFY(!asRoot() || (::setegid(m_nobody->pw_gid) == 0 && ::seteuid(m_nobody->pw_uid) == 0)); }
    // Root again at the end: the leak checker of a sanitizer build needs it to look at the process.
    void cleanupTestCase() { QVERIFY(!asRoot() || (::seteuid(0) == 0 && ::setegid(0) == 0)); }

    // Every kind of target a save can meet: written whole, or refused with every old file as it was.
    void writes_data()
    {
        QTest::addColumn<QStringList>("targets");  // staged together, in a folder holding the files below; %1: that folder
        QTest::addColumn<QStringList>("inputs");   // files the command has read
        QTest::addColumn<qint64>("fileSizeLimit"); // 0: none
        QTest::addColumn<QString>("replaced");     // the file that gets the new bytes; "": none
        QTest::addColumn<QString>("reason");

        const QString theirLink = QStringLiteral("the symbolic link \"%1/shared/theirs\" lies in a shared folder and belongs to another user");
        const QString kernel = QStringLiteral("it lies on a kernel file system, which holds devices and settings, not files");
        const QStringList none;
        QTest::newRow("a regular file") << QStringList{"old"} << none << 0ll << "old" << "";
        QTest::newRow("a missing folder") << QStringList{"missing/old"} << none << 0ll << "" << "its folder does not exist";
        QTest::newRow("a read-only folder") << QStringList{"closed/old"} << none << 0ll << "" << "you may not create files in its folder";
        QTest::newRow("a full file system") << QStringList{"old"} << none << 100ll << "" << "only 100 of 150 bytes fitted on the disk";
        QTest::newRow("a named pipe") << QStringList{"pipe"} << none << 0ll << "" << "it is not a regular file";
        QTest::newRow("a device") << QStringList{"/dev/null"} << none << 0ll << "" << kernel;
        QTest::newRow("a new file on the tmpfs under /dev") << QStringList{"/dev/shm/plakmund-test.bin"} << none << 0ll << "" << kernel;
        QTest::newRow("a folder") << QStringList{"folder"} << none << 0ll << "" << "it is a folder, not a file";
        QTest::newRow("a procfs file") << QStringList{"/proc/self/comm"} << none << 0ll << "" << kernel;
        QTest::newRow("another user's link in a sticky folder") << QStringList{"shared/theirs"} << none << 0ll << "" << theirLink;
        QTest::newRow("one's own link in a sticky folder") << QStringList{"shared/mine"} << none << 0ll << "old" << "";
        QTest::newRow("another user's link in a folder all may write to") << QStringList{"open/theirs"} << none << 0ll << "old" << "";
        QTest::newRow("another user's listing in a sticky folder") << QStringList{"shared/new", "shared/their"} << none << 0ll << ""
                                                                    << "it lies in a shared folder and belongs to another user, who alone may replace it";
        QTest::newRow("a name of 255 bytes") << QStringList{QString(255, u'n')} << none << 0ll << QString(255, u'n') << "";
        QTest::newRow("an input of the same command") << QStringList{"old"} << QStringList{"%1/old"} << 0ll << "" << "the set was read from it";
        QTest::newRow("a hard link to an input") << QStringList{"hard"} << QStringList{"%1/old"} << 0ll << ""
                                                 << "it is the same file as \"%1/old\", which the set was read from";
        QTest::newRow("the listing's place taken by a folder") << QStringList{"old", "folder"} << none << 0ll << "" << "it is a folder, not a file";
    }

    void writes()
    {
        QFETCH(QStringList, targets);
        QFETCH(QStringList, inputs);
        QFETCH(qint64, fileSizeLimit);
        QFETCH(QString, replaced);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        for (const char *name : {"closed", "folder", "shared", "open"})
            folder.mkdir(QLatin1String(name));
        for (const char *file : {"old", "closed/old"})
            writeFile(folder.filePath(QLatin1String(file)), pattern(200, 1));
        QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe"))).constData(), 0600) == 0);
        QVERIFY(::link(QFile::encodeName(folder.filePath(QStringLiteral("old"))).constData(),
                       QFile::encodeName(folder.filePath(QStringLiteral("hard"))).constData()) == 0);
        ::chmod(QFile::encodeName(folder.filePath(QStringLiteral("shared"))).constData(), 01777);
        ::chmod(QFile::encodeName(folder.filePath(QStringLiteral("open"))).constData(), 0777); // not sticky: not shared
        for (const char *name : {"shared/mine", "shared/theirs", "open/theirs"})
            QFile::link(QStringLiteral("../old"), folder.filePath(QLatin1String(name)));
        writeFile(folder.filePath(QStringLiteral("shared/their")), pattern(10, 2));
        // Afterwards the folder can go again: "closed" writable, "shared" the test user's.
        const auto reopen = qScopeGuard([&] {
            QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            if (asRoot())
                QVERIFY(::seteuid(0) == 0 && ::lchown(QFile::encodeName(folder.filePath("shared")), m_nobody->pw_uid, 0) == 0
                        && ::seteuid(m_nobody->pw_uid) == 0);
        });
        // Only root can give a file to another user: "daemon" here, and the shared folder to "bin".
        if (asRoot())
            QVERIFY(::seteuid(0) == 0 && ::lchown(QFile::encodeName(folder.filePath("shared")), 2, 2) == 0 && ::lchown(QFile::encodeName(folder.filePath("shared/theirs")), 1, 1) == 0
                    && ::lchown(QFile::encodeName(folder.filePath("open/theirs")), 1, 1) == 0
                    && ::lchown(QFile::encodeName(folder.filePath("shared/their")), 1, 1) == 0 && ::seteuid(m_nobody->pw_uid) == 0);
        else if (targets.join(u' ').contains(QLatin1String("their")))
            QSKIP("needs root to make a file of another user");
        QFile::setPermissions(folder.filePath(QStringLiteral("old")), QFile::ReadOwner | QFile::WriteOwner); // kept by a new file
        const QMap<QString, QByteArray> before = snapshot(dir.path());

        // A file size limit makes writes beyond it fail, as on a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{fileSizeLimit ? rlim_t(fileSizeLimit) : unlimited.rlim_cur, unlimited.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<FileFailure> failed = [&]() -> std::optional<FileFailure> {
            FileWriter writer(inputs.replaceInStrings("%1", dir.path()));
            for (const QString &target : targets) {
                const FileKind file = targets.indexOf(target) == 0 ? FileKind::ImageFile : FileKind::ListingFile;
                if (auto failed = writer.stage(file, target.startsWith(u'/') ? target : folder.filePath(target), pattern(150, 3)))
                    return failed;
            }
            return writer.commit();
        }();
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(failed ? failed->why.reason : QString(), QString(reason).replace("%1", dir.path()));
        QMap<QString, QByteArray> expected = before;
        if (!replaced.isEmpty())
            expected[replaced] = pattern(150, 3);
        QCOMPARE(snapshot(dir.path()), expected);
        struct stat status {};
        QVERIFY(::stat(QFile::encodeName(folder.filePath(QStringLiteral("old"))).constData(), &status) == 0 && (status.st_mode & 0777) == 0600);
    }

    // Root, whose writes keep them, replaces a file without its set-user-ID and set-group-ID bits.
    void noSetUserIdCarriesOver()
    {
        if (!asRoot())
            QSKIP("only root's writes keep the bits");
        QTemporaryDir dir;
        const QByteArray old = QFile::encodeName(writeFile(dir.filePath(QStringLiteral("old")), "old"));
        QVERIFY(::chmod(old.constData(), 06755) == 0 && ::seteuid(0) == 0);
        const bool written = !plakmund::writeFile(FileKind::ImageFile, QFile::decodeName(old), "new");
        struct stat status {};
        QVERIFY(::stat(old.constData(), &status) == 0 && ::seteuid(m_nobody->pw_uid) == 0 && written);
        QCOMPARE(status.st_mode & 07777, 0755u);
    }

    // Two commands saving the same image and listing at once leave a pair from one of them,
    // also in a folder that they may write but not read.
    void pairsStayPairs()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blind")) && ::chmod(QFile::encodeName(dir.filePath("blind")), 0300) == 0);
        const auto reopen = qScopeGuard([&] { ::chmod(QFile::encodeName(dir.filePath("blind")), 0700); });
        const QString image = dir.filePath(QStringLiteral("blind/games.bin")), listing = image + QStringLiteral("-list.txt");
        const auto save = [&](char mark) {
            FileWriter writer;
            if (!writer.stage(FileKind::ImageFile, image, QByteArray(20000, mark)) && !writer.stage(FileKind::ListingFile, listing, QByteArray(1, mark)))
                writer.commit();
        };
        for (int round = 0; round < 100; ++round) {
            std::thread other(save, 'B');
            save('A');
            other.join();
            QCOMPARE(readFile(image).at(0), readFile(listing).at(0));
        }
    }

    // An interrupt while a save is under way waits until its temporary files are gone.
    void interruptWaitsForTheEnd()
    {
        static volatile sig_atomic_t interrupted = 0;
        ::signal(SIGINT, [](int) { interrupted = 1; });
        QTemporaryDir dir;
        {
            FileWriter writer;
            QVERIFY(!writer.stage(FileKind::ImageFile, dir.filePath(QStringLiteral("games.bin")), "image"));
            ::raise(SIGINT);
            QCOMPARE(interrupted, 0);
        }
        QCOMPARE(interrupted, 1);
        QVERIFY(snapshot(dir.path()).isEmpty());
        ::signal(SIGINT, SIG_DFL);
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess_posix.moc"
