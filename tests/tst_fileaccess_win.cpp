#include "FileWriter.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

using namespace plakmund;

// A path in its 8.3 form, as Windows makes it for a long name.
static QString shortPath(const QString &path)
{
    wchar_t buffer[MAX_PATH];
    const DWORD length = ::GetShortPathNameW(reinterpret_cast<const wchar_t *>(path.utf16()), buffer, MAX_PATH);
    return QString::fromWCharArray(buffer, length > 0 && length < MAX_PATH ? length : 0);
}

// The writer's faults as Windows has them: device names and paths, streams,
// read-only files, and an input behind another spelling of its path.
class TestFileAccess : public QObject {
    Q_OBJECT

private slots:
    void writes_data()
    {
        QTest::addColumn<QStringList>("targets"); // staged together, in a folder holding the files below
        QTest::addColumn<QStringList>("inputs");  // files the command has read; %1: that folder; short: in 8.3 form
        QTest::addColumn<QString>("replaced");    // the file that gets the new bytes; "": none
        QTest::addColumn<QString>("reason");

        const QStringList none;
        QTest::newRow("a regular file") << QStringList{"old"} << none << "old" << "";
        QTest::newRow("a missing folder") << QStringList{"missing/old"} << none << "" << "its folder does not exist";
        QTest::newRow("a folder") << QStringList{"folder"} << none << "" << "it is a folder, not a file";
        for (const QString &name : {"NUL", "con", "nul.bin", "COM1.txt", "LPT9", "Aux .bin", "PRN."})
            QTest::addRow("the device name %s", qPrintable(name)) << QStringList{name} << none << ""
                                                                  << QStringLiteral("Windows keeps the name \"%1\" for a device in every folder")
                                                                         .arg(name.section(u'.', 0, 0).trimmed());
        for (const QString &path : {"\\\\.\\C:", "//./pipe/plakmund", "\\\\?\\GLOBALROOT\\Device\\Null"})
            QTest::addRow("the device path %s", qPrintable(path)) << QStringList{path} << none << "" << "it is a device path, not a file";
        QTest::newRow("a stream of a file") << QStringList{"old:extra"} << none << "" << "a colon in its name makes it a stream of another file";
        QTest::newRow("a read-only listing") << QStringList{"new", "readonly"} << none << "" << "it is read-only";
        QTest::newRow("an input spelt otherwise") << QStringList{"OLD"} << QStringList{"%1\\.\\old"} << ""
                                                  << "it is the same file as \"%2\", which the set was read from";
        QTest::newRow("an input by its short name") << QStringList{"long file name.bin"} << QStringList{"short:%1\\long file name.bin"}
                                                    << "" << "it is the same file as \"%2\", which the set was read from";
        QTest::newRow("the listing's place taken by a folder") << QStringList{"old", "folder"} << none << "" << "it is a folder, not a file";
    }

    void writes()
    {
        QFETCH(QStringList, targets);
        QFETCH(QStringList, inputs);
        QFETCH(QString, replaced);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        folder.mkdir(QStringLiteral("folder"));
        writeFile(folder.filePath(QStringLiteral("old")), pattern(200, 1));
        writeFile(folder.filePath(QStringLiteral("readonly")), pattern(20, 2));
        writeFile(folder.filePath(QStringLiteral("long file name.bin")), pattern(30, 4));
        QFile::setPermissions(folder.filePath(QStringLiteral("readonly")), QFile::ReadOwner);
        const auto writable = qScopeGuard([&] { QFile::setPermissions(folder.filePath(QStringLiteral("readonly")), QFile::WriteOwner); });
        const QMap<QString, QByteArray> before = snapshot(dir.path());

        for (QString &input : inputs.replaceInStrings("%1", QDir::toNativeSeparators(dir.path()))) {
            if (input.startsWith("short:")) {
                input = shortPath(input.mid(6));
                QVERIFY2(!input.isEmpty() && !input.contains(u' '), "no 8.3 name for the long one");
            }
        }
        const std::optional<FileFailure> failed = [&]() -> std::optional<FileFailure> {
            FileWriter writer(inputs);
            for (const QString &target : targets) {
                const FileKind file = targets.indexOf(target) == 0 ? FileKind::ImageFile : FileKind::ListingFile;
                const bool absolute = target.startsWith(u'\\') || target.startsWith(u'/');
                if (auto failed = writer.stage(file, absolute ? target : folder.filePath(target), pattern(150, 3)))
                    return failed;
            }
            return writer.commit();
        }();

        QCOMPARE(failed ? failed->why.reason : QString(), QString(reason).replace("%2", inputs.value(0)));
        QMap<QString, QByteArray> expected = before;
        if (!replaced.isEmpty())
            expected[replaced] = pattern(150, 3);
        QCOMPARE(snapshot(dir.path()), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileAccess)
#include "tst_fileaccess_win.moc"
