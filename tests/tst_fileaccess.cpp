#include "FileAccess.h"
#include "TestFiles.h"

#include <QDir>
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
    void readsAndWrites_data()
    {
        QTest::addColumn<QString>("name"); // in a folder holding the files below; "+name" writes there
        QTest::addColumn<qint64>("fileSizeLimit"); // 0: none
        QTest::addColumn<QString>("reason");

        QTest::newRow("200 bytes, limit 100: 101 are read") << "old" << 0ll << "";
        QTest::newRow("read: symbolic link loop") << "loop" << 0ll << "its path runs in a loop of symbolic links";
        QTest::newRow("read: a file where a folder should be") << "old/x" << 0ll << "a part of its path is not a folder";
        QTest::newRow("read: in a folder you may not enter") << "closed/old" << 0ll << "you do not have permission to open it";
        QTest::newRow("write over a file you may write but not read") << "+write-only" << 0ll << "";
        QTest::newRow("write in a folder you may not write to") << "+closed/old" << 0ll << "";
        QTest::newRow("write onto a folder") << "+folder" << 0ll << "it is a folder, not a file";
        QTest::newRow("write onto a named pipe") << "+pipe" << 0ll << "it is not a regular file";
        QTest::newRow("write: disk full") << "+old" << 100ll << "only 100 of 150 bytes fitted on the disk";
    }

    void readsAndWrites()
    {
        QFETCH(QString, name);
        QFETCH(qint64, fileSizeLimit);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        for (const char *file : {"old", "write-only", "closed/old"}) {
            folder.mkpath(QStringLiteral("closed"));
            writeFile(folder.filePath(QLatin1String(file)), pattern(200, 1));
        }
        QFile::setPermissions(folder.filePath(QStringLiteral("write-only")), QFile::WriteOwner);
        folder.mkdir(QStringLiteral("folder"));
        makeFifo(folder.filePath(QStringLiteral("pipe")));
        QFile::link(folder.filePath(QStringLiteral("loop")), folder.filePath(QStringLiteral("loop")));
        // Readable to no one where a read is refused, writable to no one where a write goes in place.
        const QFile::Permissions closed = name.startsWith(u'+') ? QFile::ReadOwner | QFile::ExeOwner : QFile::Permissions();
        QFile::setPermissions(folder.filePath(QStringLiteral("closed")), closed);
        const auto reopen = qScopeGuard([&] { QFile::setPermissions(folder.filePath(QStringLiteral("closed")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (name.contains(QLatin1String("closed")) && ::geteuid() == 0)
            QSKIP("permissions do not hold for root");
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        const QString path = folder.filePath(name.mid(name.startsWith(u'+')));

        if (!name.startsWith(u'+')) {
            const Result<QByteArray> read = readRegularFile(path, 100);
            QCOMPARE(read.ok() ? read.value() : read.error().toUtf8(), reason.isEmpty() ? pattern(101, 1) : reason.toUtf8());
            return;
        }
        // A file size limit makes writes beyond it fail, as on a full disk, even for root.
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        ::getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{fileSizeLimit ? rlim_t(fileSizeLimit) : unlimited.rlim_cur, unlimited.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Status written = writeFileAtomically(path, pattern(150, 3));
        ::setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(written.ok() ? QString() : written.error(), reason);
        // The target is replaced whole or left as it was, the pipe stays a pipe, and nothing else appears.
        QFile::setPermissions(folder.filePath(QStringLiteral("write-only")), QFile::ReadOwner | QFile::WriteOwner);
        if (QFileInfo(path).isFile())
            QCOMPARE(readFile(path), reason.isEmpty() ? pattern(150, 3) : pattern(200, 1));
        struct stat status {};
        QVERIFY(::stat(QFile::encodeName(folder.filePath(QStringLiteral("pipe"))).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), before);
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
