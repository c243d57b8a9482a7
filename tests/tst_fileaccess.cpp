#include "FileAccess.h"
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plakmund;

// Run by ctest as an unprivileged user, so that permissions hold as they do for users.
class TestFileAccess : public QObject {
    Q_OBJECT

private slots:
    void reads_data()
    {
        QTest::addColumn<QString>("name"); // in a folder holding the files below
        QTest::addColumn<QString>("reason");

        QTest::newRow("200 bytes, limit 100: 101 are read") << "file" << "";
        QTest::newRow("empty path") << "" << "it does not exist";
        QTest::newRow("named pipe") << "pipe" << "it is not a regular file";
        QTest::newRow("symbolic link loop") << "loop" << "its path runs in a loop of symbolic links";
        QTest::newRow("a file where a folder should be") << "file/x" << "a part of its path is not a folder";
        QTest::newRow("in a folder you may not enter") << "closed/file" << "you do not have permission to open it";
    }

    void reads()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeFile(folder.filePath(QStringLiteral("file")), pattern(200, 1));
        makeFifo(folder.filePath(QStringLiteral("pipe")));
        QFile::link(folder.filePath(QStringLiteral("loop")), folder.filePath(QStringLiteral("loop")));
        folder.mkdir(QStringLiteral("closed"));
        writeFile(folder.filePath(QStringLiteral("closed/file")), "x");
        QFile::setPermissions(folder.filePath(QStringLiteral("closed")), {});
        const auto reopen = qScopeGuard([&] { QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (name.startsWith(QLatin1String("closed")) && ::geteuid() == 0)
            QSKIP("permissions do not hold for root");

        const Result<QByteArray> read = readRegularFile(name.isEmpty() ? name : folder.filePath(name), 100);
        QCOMPARE(read.ok() ? read.value() : read.error().toUtf8(), reason.isEmpty() ? pattern(101, 1) : reason.toUtf8());
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
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; (i < 2000 || outcomes.size() < 2) && !timer.hasExpired(10000); ++i) {
            const Result<QByteArray> read = readRegularFile(QFile::decodeName(path), 100);
            outcomes << (read.ok() ? QString::fromUtf8(read.value()) : read.error());
        }
        done = true;
        swapper->wait();
        QCOMPARE(outcomes, (QSet<QString>{"game", "it is not a regular file"}));
    }

    void writes_data()
    {
        QTest::addColumn<QString>("name"); // in a folder holding the files below
        QTest::addColumn<qint64>("fileSizeLimit"); // 0: none
        QTest::addColumn<QString>("reason");

        QTest::newRow("over a longer file") << "old" << 0ll << "";
        QTest::newRow("over a file you may write but not read") << "write-only" << 0ll << "";
        QTest::newRow("over a file in a folder you may not write to") << "closed/old" << 0ll << "";
        QTest::newRow("folder missing") << "missing/new" << 0ll << "No such file or directory";
        QTest::newRow("onto a folder") << "folder" << 0ll << "it is a folder, not a file";
        QTest::newRow("onto a named pipe") << "pipe" << 0ll << "it is not a regular file";
        QTest::newRow("disk full") << "old" << 1000ll << "only 1000 of 5000 bytes fitted on the disk";
    }

    void writes()
    {
        QFETCH(QString, name);
        QFETCH(qint64, fileSizeLimit);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeFile(folder.filePath(QStringLiteral("old")), pattern(9000, 2));
        writeFile(folder.filePath(QStringLiteral("write-only")), pattern(9000, 2));
        QFile::setPermissions(folder.filePath(QStringLiteral("write-only")), QFile::WriteOwner);
        folder.mkdir(QStringLiteral("folder"));
        makeFifo(folder.filePath(QStringLiteral("pipe")));
        folder.mkdir(QStringLiteral("closed"));
        writeFile(folder.filePath(QStringLiteral("closed/old")), pattern(9000, 2));
        QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::ExeOwner);
        const auto reopen = qScopeGuard([&] { QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

        // A file size limit makes writes beyond it fail, as on a full disk, even for root.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{fileSizeLimit ? rlim_t(fileSizeLimit) : unlimited.rlim_cur, unlimited.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Status written = writeFileAtomically(folder.filePath(name), pattern(5000, 3));
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(written.ok() ? QString() : written.error(), reason);
        // Each target is replaced whole or left as it was, and nothing else appears.
        QFile::setPermissions(folder.filePath(QStringLiteral("write-only")), QFile::ReadOwner | QFile::WriteOwner);
        if (reason.isEmpty() || name == QLatin1String("old"))
            QCOMPARE(readFile(folder.filePath(name)), reason.isEmpty() ? pattern(5000, 3) : pattern(9000, 2));
        struct stat status {};
        QVERIFY(::stat(QFile::encodeName(folder.filePath(QStringLiteral("pipe"))).constData(), &status) == 0);
        QVERIFY(S_ISFIFO(status.st_mode));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), before);
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
