#include "FileAccess.h"
#include "TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace plakmund;

// Run by ctest as an unprivileged user, so that permissions apply as they do for users.
class TestFileAccess : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void aPipeSwappedInNeverBlocks();
    void writes_data();
    void writes();
};

void TestFileAccess::reads_data()
{
    QTest::addColumn<QString>("name"); // in a folder; "" for the empty path
    QTest::addColumn<QString>("reason");

    QTest::newRow("200 bytes, limit 100: 101 are read") << "file" << "";
    QTest::newRow("empty path") << "" << "it does not exist";
    QTest::newRow("missing") << "missing" << "it does not exist";
    QTest::newRow("folder") << "folder" << "it is a folder, not a file";
    QTest::newRow("named pipe") << "pipe" << "it is not a regular file";
    QTest::newRow("device") << "/dev/null" << "it is not a regular file";
    QTest::newRow("symbolic link loop") << "loop" << "its path runs in a loop of symbolic links";
    QTest::newRow("a file where a folder should be") << "file/x" << "a part of its path is not a folder";
    QTest::newRow("in a folder you may not enter") << "closed/file" << "you do not have permission to open it";
}

void TestFileAccess::reads()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    const QDir folder(dir.path());
    writeFile(folder.filePath(QStringLiteral("file")), pattern(200, 1));
    folder.mkdir(QStringLiteral("folder"));
    makeFifo(folder.filePath(QStringLiteral("pipe")));
    QFile::link(folder.filePath(QStringLiteral("loop")), folder.filePath(QStringLiteral("loop")));
    folder.mkdir(QStringLiteral("closed"));
    writeFile(folder.filePath(QStringLiteral("closed/file")), "x");
    QFile::setPermissions(folder.filePath(QStringLiteral("closed")), {});
    if (name.startsWith(QLatin1String("closed")) && ::geteuid() == 0)
        QSKIP("permissions do not hold for root");

    const Result<QByteArray> read = readRegularFile(name.isEmpty() ? name : folder.filePath(name), 100);
    QCOMPARE(read.ok() ? QString() : read.error(), reason);
    if (read.ok())
        QCOMPARE(read.value(), pattern(101, 1));
}

void TestFileAccess::aPipeSwappedInNeverBlocks()
{
    // Another program keeps swapping a named pipe and a regular file at the
    // path; a check by path followed by an open by path would hang on the pipe.
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("game.crt")));
    const QByteArray staged = path + ".new";
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

    int regularReads = 0, refusals = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; (i < 2000 || !regularReads || !refusals) && !timer.hasExpired(10000); ++i) {
        const Result<QByteArray> read = readRegularFile(QFile::decodeName(path), 100);
        read.ok() ? ++regularReads : ++refusals;
        if (!read.ok())
            QCOMPARE(read.error(), QStringLiteral("it is not a regular file"));
    }
    done = true;
    swapper->wait();
    QVERIFY2(regularReads && refusals, "the swaps never met a read");
}

void TestFileAccess::writes_data()
{
    QTest::addColumn<QString>("name"); // in a folder holding the files below
    QTest::addColumn<qint64>("fileSizeLimit"); // 0: none
    QTest::addColumn<QString>("reason");

    QTest::newRow("new file") << "new" << 0ll << "";
    QTest::newRow("over a longer file") << "old" << 0ll << "";
    QTest::newRow("over a file you may write but not read") << "write-only" << 0ll << "";
    QTest::newRow("folder missing") << "missing/new" << 0ll << "No such file or directory";
    QTest::newRow("onto a folder") << "folder" << 0ll << "it is a folder, not a file";
    QTest::newRow("onto a named pipe") << "pipe" << 0ll << "it is not a regular file";
    QTest::newRow("disk full") << "old" << 1000ll << "only 1000 of 5000 bytes fitted on the disk";
}

void TestFileAccess::writes()
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
    const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

    std::optional<FileSizeLimit> limit;
    if (fileSizeLimit)
        limit.emplace(fileSizeLimit);
    const Status written = writeFileAtomically(folder.filePath(name), pattern(5000, 3));
    limit.reset();

    QCOMPARE(written.ok() ? QString() : written.error(), reason);
    // Each target is replaced whole or left as it was, and nothing else appears.
    QFile::setPermissions(folder.filePath(QStringLiteral("write-only")), QFile::ReadOwner | QFile::WriteOwner);
    if (reason.isEmpty())
        QCOMPARE(readFile(folder.filePath(name)), pattern(5000, 3));
    else if (name == QLatin1String("old"))
        QCOMPARE(readFile(folder.filePath(name)), pattern(9000, 2));
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(folder.filePath(QStringLiteral("pipe"))).constData(), &status) == 0);
    QVERIFY(S_ISFIFO(status.st_mode));
    QStringList after = before;
    if (name == QLatin1String("new"))
        after << name;
    after.sort();
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), after);
}

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess.moc"
