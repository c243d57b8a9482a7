#include "CartridgeLoading.h"
#include "FakeUserInterface.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)

namespace {

constexpr int Slot = 4;
const QString OpenDialog = QStringLiteral("open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin");

// Gives slot 4 an earlier cartridge, so that a refusal can be told from a load.
void FillEarlierCartridge(CrtSet &set)
{
    set.SetSlotStatus(Slot, SlotStatus::ExromWarning);
    set.SetSlotName(Slot, QStringLiteral("EARLIER"));
    set.SetSlotLocation(Slot, QStringLiteral("/games/earlier.crt"));
    set.SlotData(Slot) = Pattern(SlotDataSize, 77);
}

void VerifyOtherSlotsEmpty(const CrtSet &set)
{
    for (int i = 0; i < SlotCount; ++i) {
        if (i == Slot)
            continue;
        QVERIFY(set.SlotName(i).isEmpty());
        QVERIFY(set.SlotLocation(i).isEmpty());
        QCOMPARE(set.slotStatus(i), SlotStatus::Empty);
        QCOMPARE(set.SlotData(i), QByteArray(SlotDataSize, '\0'));
    }
}

// A folder with the files and folders the cases below refer to by name.
struct Workspace {
    QTemporaryDir dir;

    Workspace()
    {
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        QDir(dir.path()).mkdir(QStringLiteral("folder.crt"));
        WriteFile(path(QStringLiteral("game.crt")), CartridgeBytes(16464, 1, 0, "HEADER GAME"));
        WriteFile(path(QStringLiteral("game.CRT")), CartridgeBytes(16464, 1, 0, "HEADER GAME"));
        WriteFile(path(QStringLiteral("game8k.crt")), CartridgeBytes(8272, 1, 1, "EXROM GAME"));
        WriteFile(path(QStringLiteral("gamebin")), CartridgeBytes(8192, 1));
        WriteFile(path(QStringLiteral("game.crt.zip")), CartridgeBytes(16464, 1));
        WriteFile(path(QStringLiteral("odd.bin")), CartridgeBytes(9000, 1));
        WriteFile(path(QStringLiteral("huge.bin")), CartridgeBytes(20000, 1));
        WriteFile(path(QStringLiteral("second.bin")), CartridgeBytes(16384, 2));
    }

    QString path(const QString &name) const { return name.isEmpty() ? QString() : dir.filePath(name); }
};

} // namespace

class TestCartridgeLoading : public QObject {
    Q_OBJECT

private slots:
    void dialogWorkflow_data();
    void dialogWorkflow();
    void dropWorkflow_data();
    void dropWorkflow();
    void dropOnDisabledRowIsIgnored();
};

// Columns shared by both workflows: what the user answers, what is shown in
// order, and what slot 4 holds afterwards ("" file: the slot is unchanged).
static void AddOutcomeColumns()
{
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QString>("loadedFile");
    QTest::addColumn<int>("dataOffset");
    QTest::addColumn<SlotStatus>("status");
    QTest::addColumn<QString>("name");
}

static void VerifyOutcome(const CrtSet &set, const FakeUserInterface &ui, const Workspace &files)
{
    QFETCH(QStringList, log);
    QFETCH(QString, loadedFile);
    QFETCH(int, dataOffset);
    QFETCH(SlotStatus, status);
    QFETCH(QString, name);

    QCOMPARE(ui.log, log);
    if (loadedFile.isEmpty()) {
        QCOMPARE(set.SlotName(Slot), QStringLiteral("EARLIER"));
        QCOMPARE(set.SlotLocation(Slot), QStringLiteral("/games/earlier.crt"));
        QCOMPARE(set.slotStatus(Slot), SlotStatus::ExromWarning);
        QCOMPARE(set.SlotData(Slot), Pattern(SlotDataSize, 77));
    } else {
        QFile file(files.path(loadedFile));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray data = file.readAll().mid(dataOffset, SlotDataSize);
        data.append(SlotDataSize - data.size(), '\0');
        QCOMPARE(set.SlotName(Slot), name);
        QCOMPARE(set.SlotLocation(Slot), files.path(loadedFile));
        QCOMPARE(set.slotStatus(Slot), status);
        QCOMPARE(set.slotTooltip(Slot), StatusTooltip(status));
        QCOMPARE(set.SlotData(Slot), data);
    }
    VerifyOtherSlotsEmpty(set);
}

static const QStringList HeaderLoad{"status 4", "name 4", "location 4"};
static const QStringList RawLoad{"status 4", "focus 4", "name 4", "location 4"};

void TestCartridgeLoading::dialogWorkflow_data()
{
    QTest::addColumn<QString>("chosen");
    AddOutcomeColumns();
    const QList<MessageAnswer> none;
    const QString notice = QStringLiteral("message [Cartridge File Size Notice!] OK+Cancel none: "
                                          "Warning: The cartridge file size is: 9000.\r\n"
                                          "It should be 16,464(16K) or 8,272(8k) Bytes or less.\r\n"
                                          "If the file is larger than 16,464 bytes the file will not be loaded.\r\n"
                                          "Hit Cancel to load the cartridge file anyway.");
    const QString question = MessageLine(QStringLiteral("Does this cartridge have a header?"), QStringLiteral("Yes+No"));

    QTest::newRow("cancelled") << "" << none << QStringList{OpenDialog} << "" << 0 << SlotStatus::Empty << "";
    QTest::newRow("16464 bytes") << "game.crt" << none << QStringList{OpenDialog} + HeaderLoad << "game.crt" << 80
                                 << SlotStatus::Ok << "HEADER GAME";
    QTest::newRow("8192 bytes: focus before name") << "gamebin" << none << QStringList{OpenDialog} + RawLoad
                                                   << "gamebin" << 0 << SlotStatus::UnknownSettings << "???";
    QTest::newRow("too large") << "huge.bin" << QList{MessageAnswer::Ok}
                               << QStringList{OpenDialog, "message [Cartridge File Size Notice!] OK exclamation: "
                                                          "Cartridge file can not be larger than 16kb for use on Kestrix!"}
                               << "" << 0 << SlotStatus::Empty << "";
    QTest::newRow("odd size, Cancel, No") << "odd.bin" << QList{MessageAnswer::Cancel, MessageAnswer::No}
                                          << QStringList{OpenDialog, notice, question} + RawLoad << "odd.bin" << 0
                                          << SlotStatus::UnknownSettings << "???";
}

void TestCartridgeLoading::dialogWorkflow()
{
    QFETCH(QString, chosen);
    QFETCH(QList<MessageAnswer>, answers);

    Workspace files;
    CrtSet set;
    FillEarlierCartridge(set);
    FakeUserInterface ui;
    ui.answerDialog(files.path(chosen));
    ui.messageAnswers = answers;
    ui.watch(set);

    LoadCartridgeFromDialog(set, ui, Slot);

    VerifyOutcome(set, ui, files);
}

void TestCartridgeLoading::dropWorkflow_data()
{
    QTest::addColumn<QStringList>("dropped");
    AddOutcomeColumns();
    const QList<MessageAnswer> ok{MessageAnswer::Ok};
    const QString notDirectory = MessageLine(QStringLiteral("Please load a Cartridge file not a directory"));
    const QString notCartridge = MessageLine(QStringLiteral("This is not a Cartridge file (*.crt,*.bin)"));

    QTest::newRow("directory") << QStringList{"folder"} << ok << QStringList{notDirectory} << "" << 0
                               << SlotStatus::Empty << "";
    QTest::newRow("directory named x.crt") << QStringList{"folder.crt"} << ok << QStringList{notDirectory} << "" << 0
                                           << SlotStatus::Empty << "";
    QTest::newRow("game.crt.zip") << QStringList{"game.crt.zip"} << ok << QStringList{notCartridge} << "" << 0
                                  << SlotStatus::Empty << "";
    QTest::newRow("game.CRT") << QStringList{"game.CRT"} << ok << HeaderLoad << "game.CRT" << 80 << SlotStatus::Ok
                              << "HEADER GAME";
    QTest::newRow("gamebin") << QStringList{"gamebin"} << ok << RawLoad << "gamebin" << 0
                             << SlotStatus::UnknownSettings << "???";
    QTest::newRow("three paths: first only") << QStringList{"game.crt", "second.bin", "folder"} << ok << HeaderLoad
                                             << "game.crt" << 80 << SlotStatus::Ok << "HEADER GAME";
    QTest::newRow("no path") << QStringList{} << ok << QStringList{} << "" << 0 << SlotStatus::Empty << "";
}

void TestCartridgeLoading::dropWorkflow()
{
    QFETCH(QStringList, dropped);
    QFETCH(QList<MessageAnswer>, answers);

    Workspace files;
    CrtSet set;
    FillEarlierCartridge(set);
    FakeUserInterface ui;
    ui.messageAnswers = answers;
    ui.watch(set);
    QStringList paths;
    for (const QString &name : dropped)
        paths << files.path(name);

    LoadDroppedCartridge(set, ui, paths, Slot);

    VerifyOutcome(set, ui, files);
}

void TestCartridgeLoading::dropOnDisabledRowIsIgnored()
{
    Workspace files;
    CrtSet set;
    set.SetSizeMode(SizeMode::Size512kb);
    FakeUserInterface ui;

    LoadDroppedCartridge(set, ui, {files.path(QStringLiteral("game.crt"))}, Slot);

    QVERIFY(ui.log.isEmpty());
    QVERIFY(set.SlotName(Slot).isEmpty());
    QCOMPARE(set.SlotData(Slot), QByteArray(SlotDataSize, '\0'));
}

QTEST_GUILESS_MAIN(TestCartridgeLoading)
#include "tst_cartridgeloading.moc"
