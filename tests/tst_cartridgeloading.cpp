#include "CartridgeInspection.h"
#include "CartridgeLoading.h"
#include "FakeUserInterface.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)

namespace {

constexpr int Slot = 2;
const QString NoticeTitle = QStringLiteral("Cartridge File Size Notice!");
const QString OpenDialog = QStringLiteral("open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin");
const QString HeaderQuestion = MessageLine(QStringLiteral("Does this cartridge have a header?"), QStringLiteral("Yes+No"));
const QString TooLarge = MessageLine(QStringLiteral("Cartridge file can not be larger than 16kb for use on Kestrix!"),
                                     QStringLiteral("OK"), QStringLiteral("exclamation"), NoticeTitle);
const QStringList HeaderLoad{"status 2", "name 2", "location 2"};
const QStringList RawLoad{"status 2", "focus 2", "name 2", "location 2"};

QString SizeNotice(int length)
{
    return MessageLine(QStringLiteral("Warning: The cartridge file size is: %1.\r\n"
                                      "It should be 16,464(16K) or 8,272(8k) Bytes or less.\r\n"
                                      "If the file is larger than 16,464 bytes the file will not be loaded.\r\n"
                                      "Hit Cancel to load the cartridge file anyway.")
                           .arg(length),
                       QStringLiteral("OK+Cancel"), QStringLiteral("none"), NoticeTitle);
}

// A set in 512kb mode whose slot 2 holds an earlier cartridge, so that a
// refusal can be told from a load.
void FillEarlierCartridge(CrtSet &set)
{
    set.SetSizeMode(SizeMode::Size512kb);
    set.SetSlotStatus(Slot, SlotStatus::ExromWarning);
    set.SetSlotName(Slot, QStringLiteral("EARLIER"));
    set.SetSlotLocation(Slot, QStringLiteral("/games/earlier.crt"));
    set.SlotData(Slot) = Pattern(SlotDataSize, 77);
}

// Slot 2 holds the file (whose EXROM byte is 0) from dataOffset on, or
// (offset -1) still the earlier cartridge; every other slot is still empty.
void VerifySlots(const CrtSet &set, const QString &path, const QByteArray &file, int dataOffset, const QString &name)
{
    const bool loaded = dataOffset >= 0;
    const SlotStatus status = !loaded ? SlotStatus::ExromWarning
        : dataOffset == 80           ? SlotStatus::Ok
                                     : SlotStatus::UnknownSettings;
    QCOMPARE(set.SlotName(Slot), loaded ? name : QStringLiteral("EARLIER"));
    QCOMPARE(set.SlotLocation(Slot), loaded ? path : QStringLiteral("/games/earlier.crt"));
    QCOMPARE(set.slotStatus(Slot), status);
    QCOMPARE(set.slotTooltip(Slot), StatusTooltip(status));
    QCOMPARE(set.SlotData(Slot), loaded ? SlotDataFrom(file, dataOffset) : Pattern(SlotDataSize, 77));
    for (int i = 0; i < SlotCount; ++i) {
        if (i != Slot) {
            QCOMPARE(set.slot(i).displayName + set.slot(i).location, QString());
            QCOMPARE(set.SlotData(i), QByteArray(SlotDataSize, '\0'));
        }
    }
}

} // namespace

class TestCartridgeLoading : public QObject {
    Q_OBJECT

private slots:
    void lengthClasses_data();
    void lengthClasses();
    void headerFields_data();
    void headerFields();
    void workflows_data();
    void workflows();
    void unreadablePathsAreReported_data();
    void unreadablePathsAreReported();
};

void TestCartridgeLoading::lengthClasses_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("dataOffset"); // -1: refused

    for (int length : {16464, 8272, 4176})
        QTest::addRow("%d bytes: header", length) << length << QList<MessageAnswer>{} << HeaderLoad << 80;
    for (int length : {16384, 8192, 4096})
        QTest::addRow("%d bytes: raw", length) << length << QList<MessageAnswer>{} << RawLoad << 0;
    for (int length : {16465, 16480})
        QTest::addRow("%d bytes: too large", length) << length << QList{MessageAnswer::Ok} << QStringList{TooLarge} << -1;
    for (int length : {0, 79, 80, 16383, 16463}) {
        QTest::addRow("%d bytes: notice OK", length)
            << length << QList{MessageAnswer::Ok} << QStringList{SizeNotice(length)} << -1;
        QTest::addRow("%d bytes: Cancel, header Yes", length)
            << length << QList{MessageAnswer::Cancel, MessageAnswer::Yes}
            << QStringList{SizeNotice(length), HeaderQuestion} + HeaderLoad << 80;
        QTest::addRow("%d bytes: Cancel, header No", length)
            << length << QList{MessageAnswer::Cancel, MessageAnswer::No}
            << QStringList{SizeNotice(length), HeaderQuestion} + RawLoad << 0;
    }
}

void TestCartridgeLoading::lengthClasses()
{
    QFETCH(int, length);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, log);
    QFETCH(int, dataOffset);

    QTemporaryDir dir;
    const QByteArray file = CartridgeBytes(length, length % 97, 0, "HEADER NAME");
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.crt")), file);
    CrtSet set;
    FillEarlierCartridge(set);
    FakeUserInterface ui;
    ui.messageAnswers = answers;
    ui.watch(set);

    LoadCartridgeIntoSlot(set, ui, path, Slot);

    QCOMPARE(ui.log, log);
    const QString headerName = length >= 64 ? QStringLiteral("HEADER NAME") : QString();
    VerifySlots(set, path, file, dataOffset, dataOffset == 80 ? headerName : QStringLiteral("???"));
}

void TestCartridgeLoading::headerFields_data()
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

void TestCartridgeLoading::headerFields()
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

void TestCartridgeLoading::workflows_data()
{
    // "dialog:NAME" answers the open dialog with NAME ("dialog:" cancels it);
    // anything else is dropped on slot dropSlot.
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<int>("dropSlot");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("loaded"); // "" when slot 2 keeps the earlier cartridge
    QTest::addColumn<int>("dataOffset");

    const QStringList noDirectory{MessageLine(QStringLiteral("Please load a Cartridge file not a directory"))};
    const QStringList noCartridge{MessageLine(QStringLiteral("This is not a Cartridge file (*.crt,*.bin)"))};
    QTest::newRow("dialog cancelled") << QStringList{"dialog:"} << Slot << QStringList{OpenDialog} << "" << -1;
    QTest::newRow("dialog: header file") << QStringList{"dialog:game.crt"} << Slot << QStringList{OpenDialog} + HeaderLoad
                                         << "game.crt" << 80;
    QTest::newRow("drop: directory") << QStringList{"folder"} << Slot << noDirectory << "" << -1;
    QTest::newRow("drop: directory named x.crt") << QStringList{"folder.crt"} << Slot << noDirectory << "" << -1;
    QTest::newRow("drop: game.crt.zip") << QStringList{"game.crt.zip"} << Slot << noCartridge << "" << -1;
    QTest::newRow("drop: game.CRT") << QStringList{"game.CRT"} << Slot << HeaderLoad << "game.CRT" << 80;
    QTest::newRow("drop: gamebin") << QStringList{"gamebin"} << Slot << RawLoad << "gamebin" << 0;
    QTest::newRow("drop: three paths, first only") << QStringList{"game.crt", "gamebin", "folder"} << Slot << HeaderLoad
                                                   << "game.crt" << 80;
    QTest::newRow("drop: no path") << QStringList{} << Slot << QStringList{} << "" << -1;
    QTest::newRow("drop on a disabled row") << QStringList{"game.crt"} << 9 << QStringList{} << "" << -1;
}

void TestCartridgeLoading::workflows()
{
    QFETCH(QStringList, given);
    QFETCH(int, dropSlot);
    QFETCH(QStringList, log);
    QFETCH(QString, loaded);
    QFETCH(int, dataOffset);

    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    QDir(dir.path()).mkdir(QStringLiteral("folder.crt"));
    for (const char *name : {"game.crt", "game.CRT", "game.crt.zip"})
        WriteFile(dir.filePath(QLatin1String(name)), CartridgeBytes(16464, 1, 0, "HEADER GAME"));
    WriteFile(dir.filePath(QStringLiteral("gamebin")), CartridgeBytes(8192, 1));
    CrtSet set;
    FillEarlierCartridge(set);
    FakeUserInterface ui;
    ui.messageAnswers = {MessageAnswer::Ok};
    ui.watch(set);

    if (!given.isEmpty() && given.first().startsWith(QLatin1String("dialog:"))) {
        const QString chosen = given.first().mid(7);
        ui.answerDialog(chosen.isEmpty() ? QString() : dir.filePath(chosen));
        LoadCartridgeFromDialog(set, ui, Slot);
    } else {
        QStringList paths;
        for (const QString &name : given)
            paths << dir.filePath(name);
        LoadDroppedCartridge(set, ui, paths, dropSlot);
    }

    QCOMPARE(ui.log, log);
    const QString path = loaded.isEmpty() ? QString() : dir.filePath(loaded);
    VerifySlots(set, path, ReadFile(path), dataOffset, dataOffset == 80 ? QStringLiteral("HEADER GAME") : "???");
}

void TestCartridgeLoading::unreadablePathsAreReported_data()
{
    QTest::addColumn<QString>("name"); // inside a temporary folder
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing file") << "missing.crt" << "the file does not exist";
    QTest::newRow("directory") << "folder.crt" << "it is a folder, not a file";
    QTest::newRow("named pipe") << "pipe.crt" << "it is not a regular file";
    QTest::newRow("empty path") << "" << "the file does not exist";
}

void TestCartridgeLoading::unreadablePathsAreReported()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.crt")));
    MakeFifo(dir.filePath(QStringLiteral("pipe.crt")));
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    CrtSet set;
    FillEarlierCartridge(set);
    FakeUserInterface ui;
    ui.messageAnswers = {MessageAnswer::Ok};

    LoadCartridgeIntoSlot(set, ui, path, Slot);

    QCOMPARE(ui.log, QStringList{FailureLine(QStringLiteral("The cartridge file \"%1\" can not be loaded: %2.").arg(path, reason))});
    VerifySlots(set, path, {}, -1, {});
}

QTEST_GUILESS_MAIN(TestCartridgeLoading)
#include "tst_cartridgeloading.moc"
