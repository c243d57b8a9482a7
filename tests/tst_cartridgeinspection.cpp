#include "CartridgeInspection.h"
#include "FakeUserInterface.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)

namespace {

const QString NoticeTitle = QStringLiteral("Cartridge File Size Notice!");

QString SizeNotice(int length)
{
    return MessageLine(QStringLiteral("Warning: The cartridge file size is: %1.\r\n"
                                      "It should be 16,464(16K) or 8,272(8k) Bytes or less.\r\n"
                                      "If the file is larger than 16,464 bytes the file will not be loaded.\r\n"
                                      "Hit Cancel to load the cartridge file anyway.")
                           .arg(length),
                       QStringLiteral("OK+Cancel"), QStringLiteral("none"), NoticeTitle);
}

const QString HeaderQuestion = MessageLine(QStringLiteral("Does this cartridge have a header?"), QStringLiteral("Yes+No"));
const QString TooLargeNotice = MessageLine(QStringLiteral("Cartridge file can not be larger than 16kb for use on Kestrix!"),
                                           QStringLiteral("OK"), QStringLiteral("exclamation"), NoticeTitle);

// What the slot data must hold after reading a file from offset on.
QByteArray ExpectedData(const QByteArray &file, int offset)
{
    QByteArray data = file.mid(offset, SlotDataSize);
    return data + QByteArray(SlotDataSize - data.size(), '\0');
}

} // namespace

class TestCartridgeInspection : public QObject {
    Q_OBJECT

private slots:
    void lengthClasses_data();
    void lengthClasses();
    void headerFields_data();
    void headerFields();
    void unreadablePathsAreReported_data();
    void unreadablePathsAreReported();
};

void TestCartridgeInspection::lengthClasses_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("dataOffset"); // -1: refused

    for (int length : {16464, 8272, 4176})
        QTest::addRow("%d bytes: header", length) << length << QList<MessageAnswer>{} << QStringList{} << 80;
    for (int length : {16384, 8192, 4096})
        QTest::addRow("%d bytes: raw", length) << length << QList<MessageAnswer>{} << QStringList{} << 0;
    for (int length : {16465, 16480})
        QTest::addRow("%d bytes: too large", length) << length << QList{MessageAnswer::Ok} << QStringList{TooLargeNotice} << -1;
    for (int length : {0, 79, 80, 16383, 16463}) {
        QTest::addRow("%d bytes: notice OK", length)
            << length << QList{MessageAnswer::Ok} << QStringList{SizeNotice(length)} << -1;
        QTest::addRow("%d bytes: Cancel, header Yes", length)
            << length << QList{MessageAnswer::Cancel, MessageAnswer::Yes}
            << QStringList{SizeNotice(length), HeaderQuestion} << 80;
        QTest::addRow("%d bytes: Cancel, header No", length)
            << length << QList{MessageAnswer::Cancel, MessageAnswer::No}
            << QStringList{SizeNotice(length), HeaderQuestion} << 0;
    }
}

void TestCartridgeInspection::lengthClasses()
{
    QFETCH(int, length);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, messages);
    QFETCH(int, dataOffset);

    QTemporaryDir dir;
    const QByteArray file = CartridgeBytes(length, length % 97, 0, "HEADER NAME");
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.crt")), file);
    CrtSet set;
    const QByteArray earlier = Pattern(SlotDataSize, 200);
    set.SlotData(5) = earlier;
    FakeUserInterface ui;
    ui.messageAnswers = answers;

    const CartridgeInspection result = InspectCartridgeFile(set, ui, path, 5);

    QCOMPARE(ui.log, messages);
    QCOMPARE(result.accepted, dataOffset >= 0);
    if (dataOffset < 0) {
        QCOMPARE(set.SlotData(5), earlier);
        return;
    }
    QCOMPARE(set.SlotData(5), ExpectedData(file, dataOffset));
    QCOMPARE(result.location, path);
    QCOMPARE(result.withHeader, dataOffset == 80);
    if (result.withHeader) {
        QCOMPARE(result.status, SlotStatus::Ok);
        QCOMPARE(result.displayName, length >= 64 ? QStringLiteral("HEADER NAME") : QString());
    } else {
        QCOMPARE(result.status, SlotStatus::UnknownSettings);
        QCOMPARE(result.displayName, QStringLiteral("???"));
    }
    for (int other = 0; other < SlotCount; ++other) {
        if (other != 5)
            QCOMPARE(set.SlotData(other), QByteArray(SlotDataSize, '\0'));
    }
}

void TestCartridgeInspection::headerFields_data()
{
    QTest::addColumn<QByteArray>("nameField");
    QTest::addColumn<char>("exrom");
    QTest::addColumn<QString>("name");
    QTest::addColumn<SlotStatus>("status");

    QTest::newRow("4 letters, zero padded; EXROM 0") << QByteArray("ABCD") << char(0) << "ABCD" << SlotStatus::Ok;
    QTest::newRow("32 letters, no zero; EXROM 1") << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345") << char(1)
                                                  << "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" << SlotStatus::ExromWarning;
    QTest::newRow("bytes above 0x7F; EXROM 2") << QByteArray("\xC4\xD6\xDC\xE9\xFF") << char(2)
                                               << QString::fromUtf8("ÄÖÜéÿ") << SlotStatus::Ok;
    QTest::newRow("spaces and case kept; EXROM 0xFF") << QByteArray(" Orbit  Dash ") << char(0xFF) << " Orbit  Dash "
                                                      << SlotStatus::Ok;
    QTest::newRow("ends at first zero") << QByteArray("AB\0CD", 5) << char(0) << "AB" << SlotStatus::Ok;
}

void TestCartridgeInspection::headerFields()
{
    QFETCH(QByteArray, nameField);
    QFETCH(char, exrom);
    QFETCH(QString, name);
    QFETCH(SlotStatus, status);

    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.bin")), CartridgeBytes(16464, 1, exrom, nameField));
    CrtSet set;
    FakeUserInterface ui;

    const CartridgeInspection result = InspectCartridgeFile(set, ui, path, 0);
    QCOMPARE(result.displayName, name);
    QCOMPARE(result.status, status);
}

void TestCartridgeInspection::unreadablePathsAreReported_data()
{
    QTest::addColumn<QString>("name"); // inside a temporary folder
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing file") << "missing.crt" << "the file does not exist";
    QTest::newRow("directory") << "folder.crt" << "it is a folder, not a file";
    QTest::newRow("named pipe") << "pipe.crt" << "it is not a regular file";
    QTest::newRow("empty path") << "" << "the file does not exist";
}

void TestCartridgeInspection::unreadablePathsAreReported()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.crt")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.crt"))).constData(), 0600), 0);
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    CrtSet set;
    set.SlotData(2) = Pattern(SlotDataSize, 2);
    FakeUserInterface ui;
    ui.messageAnswers = {MessageAnswer::Ok};

    QVERIFY(!InspectCartridgeFile(set, ui, path, 2).accepted);

    const QString text = QStringLiteral("The cartridge file \"%1\" can not be loaded: %2.").arg(path, reason);
    QCOMPARE(ui.log, QStringList{MessageLine(text, QStringLiteral("OK"), QStringLiteral("exclamation"))});
    QCOMPARE(set.SlotData(2), Pattern(SlotDataSize, 2));
}

QTEST_GUILESS_MAIN(TestCartridgeInspection)
#include "tst_cartridgeinspection.moc"
