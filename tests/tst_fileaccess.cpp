#include "FileAccess.h"
#include "FileWriter.h"
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plakmund;

namespace {

// Everything under a folder: each file's bytes, each link's target, each pipe and folder by kind.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries.insert(QDir(folder).relativeFilePath(entry.filePath()),
                       entry.isSymLink() ? "link to " + entry.symLinkTarget().toUtf8() : entry.isDir() ? "folder"
                           : entry.isFile() ? readFile(entry.filePath()) : "other");
    }
    return entries;
}

} // namespace

// File permissions hold as they do for users: run as root, each test works as "nobody"
// and takes root back only to give a link to another user.
class TestFileAccess : public QObject {
    Q_OBJECT

private:
    const passwd *m_nobody = ::getpwnam("nobody");
    bool asRoot() const { return ::getuid() == 0; }

private slots:
    void init()
    {
        if (asRoot())
            QVERIFY(::setegid(m_nobody->pw_gid) == 0 && ::seteuid(m_nobody->pw_uid) == 0);
    }

    void cleanup()
    {
        if (asRoot())
            QVERIFY(::seteuid(0) == 0 && ::setegid(0) == 0);
    }

    void reads_data()
    {
        QTest::addColumn<QString>("name"); // in a folder holding "old" (200 bytes), "loop" and "closed/old"
        QTest::addColumn<QString>("reason");

        QTest::newRow("200 bytes, limit 100: 101 are read") << "old" << "";
        QTest::newRow("symbolic link loop") << "loop" << "its path runs in a loop of symbolic links";
        QTest::newRow("a file where a folder should be") << "old/x" << "a part of its path is not a folder";
        QTest::newRow("in a folder you may not enter") << "closed/old" << "you do not have permission to open it";
    }

    void reads()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        folder.mkdir(QStringLiteral("closed"));
        writeFile(folder.filePath(QStringLiteral("old")), pattern(200, 1));
        writeFile(folder.filePath(QStringLiteral("closed/old")), pattern(200, 1));
        QFile::link(folder.filePath(QStringLiteral("loop")), folder.filePath(QStringLiteral("loop")));
        QFile::setPermissions(folder.filePath(QStringLiteral("closed")), {});
        const Result<QByteArray> read = readRegularFile(folder.filePath(name), 100);
        QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(read.ok() ? read.value() : read.error().toUtf8(), reason.isEmpty() ? pattern(101, 1) : reason.toUtf8());
    }

    // Every kind of target a save can meet: written whole, or refused with every old file as it was.
    void writes_data()
    {
        QTest::addColumn<QStringList>("targets");  // staged together, in a folder holding the files below; %1: that folder
        QTest::addColumn<QStringList>("inputs");   // files the command has read
        QTest::addColumn<qint64>("fileSizeLimit"); // 0: none
        QTest::addColumn<QString>("replaced");     // the file that gets the new bytes; "": none
        QTest::addColumn<QString>("reason");

        const QString theirLink = QStringLiteral("the symbolic link \"%1/shared/theirs\" lies in a shared folder and belongs to another user");
        const QString kernel = QStringLiteral("it lies on a kernel file system, which holds settings, not files");
        const QStringList none;
        QTest::newRow("a regular file") << QStringList{"old"} << none << 0ll << "old" << "";
        QTest::newRow("a file you may write but not read") << QStringList{"write-only"} << none << 0ll << "write-only" << "";
        QTest::newRow("a missing folder") << QStringList{"missing/old"} << none << 0ll << "" << "its folder does not exist";
        QTest::newRow("a read-only folder") << QStringList{"closed/old"} << none << 0ll << "" << "you may not create files in its folder";
        QTest::newRow("a full file system") << QStringList{"old"} << none << 100ll << "" << "only 100 of 150 bytes fitted on the disk";
        QTest::newRow("a named pipe") << QStringList{"pipe"} << none << 0ll << "" << "it is not a regular file";
        QTest::newRow("a device") << QStringList{"/dev/null"} << none << 0ll << "" << "it is not a regular file";
        QTest::newRow("a folder") << QStringList{"folder"} << none << 0ll << "" << "it is a folder, not a file";
        QTest::newRow("a procfs file") << QStringList{"/proc/self/comm"} << none << 0ll << "" << kernel;
        QTest::newRow("another user's link in a sticky folder") << QStringList{"shared/theirs"} << none << 0ll << "" << theirLink;
        QTest::newRow("one's own link in a sticky folder") << QStringList{"shared/mine"} << none << 0ll << "old" << "";
        QTest::newRow("an input of the same command") << QStringList{"old"} << QStringList{"%1/old"} << 0ll << "" << "the set was read from it";
        QTest::newRow("a hard link to an input") << QStringList{"hard"} << QStringList{"%1/old"} << 0ll << ""
                                                 << "it is the same file as \"%1/old\", which the set was read from";
        QTest::newRow("the listing's place taken by a folder") << QStringList{"old", "folder"} << none << 0ll << "" << "it is a folder, not a file";
        QTest::newRow("the listing's place is the image's") << QStringList{"old", "shared/mine"} << none << 0ll << ""
                                                            << "the image file \"%1/old\" goes there";
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
        for (const char *name : {"closed", "folder", "shared"})
            folder.mkdir(QLatin1String(name));
        for (const char *file : {"old", "write-only", "closed/old"})
            writeFile(folder.filePath(QLatin1String(file)), pattern(200, 1));
        QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::ExeOwner);
        makeFifo(folder.filePath(QStringLiteral("pipe")));
        QVERIFY(::link(QFile::encodeName(folder.filePath(QStringLiteral("old"))).constData(),
                       QFile::encodeName(folder.filePath(QStringLiteral("hard"))).constData()) == 0);
        ::chmod(QFile::encodeName(folder.filePath(QStringLiteral("shared"))).constData(), 01777);
        for (const char *name : {"shared/mine", "shared/theirs"})
            QFile::link(QStringLiteral("../old"), folder.filePath(QLatin1String(name)));
        const auto reopen = qScopeGuard([&] { QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (reason.startsWith(QLatin1String("the symbolic link"))) {
            // Only root can give a link to another user: "daemon" here.
            if (!asRoot())
                QSKIP("needs root to make a link of another user");
            QVERIFY(::seteuid(0) == 0);
            QVERIFY(::lchown(QFile::encodeName(folder.filePath(QStringLiteral("shared/theirs"))).constData(), 1, 1) == 0);
            QVERIFY(::seteuid(m_nobody->pw_uid) == 0);
        }
        const QMap<QString, QByteArray> before = snapshot(dir.path());
        QFile::setPermissions(folder.filePath(QStringLiteral("write-only")), QFile::WriteOwner);

        // A file size limit makes writes beyond it fail, as on a full disk.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{fileSizeLimit ? rlim_t(fileSizeLimit) : unlimited.rlim_cur, unlimited.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::optional<FileFailure> failed = [&]() -> std::optional<FileFailure> {
            FileWriter writer(inputs.replaceInStrings("%1", dir.path()));
            for (const QString &target : targets) {
                const QString file = QStringList{"image file", "listing file"}.at(targets.indexOf(target));
                if (auto failed = writer.stage(file, target.startsWith(u'/') ? target : folder.filePath(target), pattern(150, 3)))
                    return failed;
            }
            return writer.commit();
        }();
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(failed ? failed->why.reason : QString(), QString(reason).replace("%1", dir.path()));
        QFile::setPermissions(folder.filePath(QStringLiteral("write-only")), QFile::ReadOwner | QFile::WriteOwner);
        QMap<QString, QByteArray> expected = before;
        if (!replaced.isEmpty())
            expected[replaced] = pattern(150, 3);
        if (replaced == QLatin1String("old"))
            expected[QStringLiteral("hard")] = pattern(200, 1); // the other name keeps the old file
        QCOMPARE(snapshot(dir.path()), expected);
    }

    // Two commands saving the same image and listing at once leave a pair from one of them.
    void pairsStayPairs()
    {
        QTemporaryDir dir;
        const QString image = dir.filePath(QStringLiteral("games.bin")), listing = image + QStringLiteral("-list.txt");
        const auto save = [&](char mark) {
            FileWriter writer;
            if (writer.stage("image file", image, QByteArray(20000, mark)) || writer.stage("listing file", listing, QByteArray(1, mark)))
                return;
            writer.commit();
        };
        for (int round = 0; round < 100; ++round) {
            std::unique_ptr<QThread> other(QThread::create(save, 'B'));
            other->start();
            save('A');
            other->wait();
            QCOMPARE(readFile(image).at(0), readFile(listing).at(0));
        }
    }

    void aPipeSwappedInNeverBlocks()
    {
        // Another program keeps swapping a named pipe and a regular file at the
        // path; a check by path followed by an open by path would hang on the pipe.
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("game.crt"))), staged = path + ".new";
        const QByteArray regular = QFile::encodeName(writeFile(dir.filePath(QStringLiteral("regular")), "game"));
        const QByteArray pipe = QFile::encodeName(makeFifo(dir.filePath(QStringLiteral("pipe"))));
        QVERIFY(::link(regular.constData(), path.constData()) == 0);
        std::atomic<bool> done = false;
        std::unique_ptr<QThread> swapper(QThread::create([&] {
            for (int turn = 0; !done; ++turn) {
                ::link((turn % 2 ? regular : pipe).constData(), staged.constData());
                ::rename(staged.constData(), path.constData());
            }
        }));
        swapper->start();
        QSet<QString> outcomes;
        for (int i = 0; i < 2000 || outcomes.size() < 2; ++i) {
            const Result<QByteArray> read = readRegularFile(QFile::decodeName(path), 100);
            outcomes << (read.ok() ? QString::fromUtf8(read.value()) : read.error());
        }
        done = true;
        swapper->wait();
        QCOMPARE(outcomes, (QSet<QString>{"game", "it is not a regular file"}));
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
