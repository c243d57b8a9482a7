#include "FakeUserInterface.h"
#include "SetFile.h"
#include "SetFileCommands.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)

namespace {

const QString SaveDialog = QStringLiteral("save dialog [Save Plakmund File] Plakmund File(.plk)|*.plk overwrite-prompt");
const QString OpenDialog = QStringLiteral("open dialog [Load Plakmund File] Plakmund File(.plk)|*.plk");

QString Missing(const QString &name)
{
    return MessageLine(QStringLiteral("The Cartridge File ") + name + QStringLiteral(" is missing!"));
}

// A set whose slots all hold something, so that any change shows.
void FillEverySlot(CrtSet &set)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        set.SetSlotStatus(slot, SlotStatus::Ok);
        set.SetSlotName(slot, QStringLiteral("OLD %1").arg(slot));
        set.SetSlotLocation(slot, QStringLiteral("/old/%1.crt").arg(slot));
        set.SlotData(slot) = Pattern(SlotDataSize, 50 + slot);
    }
}

void VerifyEverySlotUnchanged(const CrtSet &set)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        QCOMPARE(set.slotStatus(slot), SlotStatus::Ok);
        QCOMPARE(set.SlotName(slot), QStringLiteral("OLD %1").arg(slot));
        QCOMPARE(set.SlotLocation(slot), QStringLiteral("/old/%1.crt").arg(slot));
        QCOMPARE(set.SlotData(slot), Pattern(SlotDataSize, 50 + slot));
    }
}

} // namespace

class TestSetFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void readForms_data();
    void readForms();
    void saveWritesFilledSlots();
    void saveCancelAndRefusals_data();
    void saveCancelAndRefusals();
    void loadStatusesAndData_data();
    void loadStatusesAndData();
    void loadKeepsGapsAndReportsMissingFiles();
    void loadRefusals_data();
    void loadRefusals();
};

void TestSetFile::roundTrip_data()
{
    QTest::addColumn<QList<SetFileRecord>>("records");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("worked example, 57 bytes")
        << QList<SetFileRecord>{{"ALPHA", "C:\\games\\alpha.crt"}, {"???", "C:\\games\\beta.bin"}}
        << QByteArray("\"ALPHA\",\"C:\\games\\alpha.crt\"\r\n\"???\",\"C:\\games\\beta.bin\"\r\n");
    QTest::newRow("no records") << QList<SetFileRecord>{} << QByteArray();
    QTest::newRow("non-ASCII letters and spaces")
        << QList<SetFileRecord>{{QString::fromUtf8("Über Spiel"), QString::fromUtf8("/home/jürgen/my games/ö.crt")}}
        << QByteArray("\"\xC3\x9C" "ber Spiel\",\"/home/j\xC3\xBCrgen/my games/\xC3\xB6.crt\"\r\n");
    QTest::newRow("empty name") << QList<SetFileRecord>{{"", "/g/a.crt"}} << QByteArray("\"\",\"/g/a.crt\"\r\n");
    QTest::newRow("empty location") << QList<SetFileRecord>{{"NAME", ""}} << QByteArray("\"NAME\",\"\"\r\n");
    QTest::newRow("comma inside a field") << QList<SetFileRecord>{{"A, B", "/g/a,b.crt"}}
                                          << QByteArray("\"A, B\",\"/g/a,b.crt\"\r\n");
}

void TestSetFile::roundTrip()
{
    QFETCH(QList<SetFileRecord>, records);
    QFETCH(QByteArray, bytes);

    QCOMPARE(WriteSetFile(records), bytes);
    const Result<QList<SetFileRecord>> read = ReadSetFile(bytes);
    QVERIFY(read.ok());
    QCOMPARE(read.value(), records);
}

void TestSetFile::readForms_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // "" when the file reads as the records A and B

    QTest::newRow("LF only") << QByteArray("\"A\",\"/a\"\n\"B\",\"/b\"\n") << "";
    QTest::newRow("last line without end") << QByteArray("\"A\",\"/a\"\r\n\"B\",\"/b\"") << "";

    const QByteArray good = "\"A\",\"/a\"\r\n";
    QTest::newRow("unquoted name") << good + "A,\"/a\"\r\n" << "line 2: the name is not in double quotes";
    QTest::newRow("unquoted location") << QByteArray("\"A\",/a\r\n") << "line 1: the location is not in double quotes";
    QTest::newRow("missing comma") << QByteArray("\"A\"\"/a\"\r\n")
                                   << "line 1: a comma must follow the name's closing double quote";
    QTest::newRow("one field only") << QByteArray("\"A\"\r\n") << "line 1: a comma must follow the name's closing double quote";
    QTest::newRow("text after closing quote") << good + good + "\"A\",\"/a\" \r\n"
                                              << "line 3: text follows the location's closing double quote";
    QTest::newRow("no closing quote") << QByteArray("\"A\",\"/a\r\n") << "line 1: the location has no closing double quote";
    QTest::newRow("blank line") << good + "\r\n" + good << "line 2: the line is blank";
    QTest::newRow("stray carriage return") << QByteArray("\"A\r\",\"/a\"\r\n") << "line 1: the line holds a stray carriage return";
    QTest::newRow("seventeen records") << good.repeated(17) << "line 17: a set holds at most 16 records";
}

void TestSetFile::readForms()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    const Result<QList<SetFileRecord>> read = ReadSetFile(bytes);
    QCOMPARE(read.ok(), error.isEmpty());
    if (read.ok())
        QCOMPARE(read.value(), (QList<SetFileRecord>{{"A", "/a"}, {"B", "/b"}}));
    else
        QCOMPARE(read.error(), error);
}

void TestSetFile::saveWritesFilledSlots()
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath(QStringLiteral("set.plk")), QByteArray(2000, 'x'));
    CrtSet set;
    set.SetSlotName(0, QStringLiteral("ALPHA"));
    set.SetSlotLocation(0, QStringLiteral("/g/alpha.crt"));
    set.SetSlotLocation(2, QStringLiteral("/g/no-name.bin"));
    set.SetSlotName(15, QStringLiteral("NO LOCATION"));
    set.SetSizeMode(SizeMode::Size512kb);
    FakeUserInterface ui;
    ui.answerDialog(path);

    SaveCrtSet(set, ui);

    QCOMPARE(ui.log, QStringList{SaveDialog});
    QCOMPARE(ReadFile(path), QByteArray("\"ALPHA\",\"/g/alpha.crt\"\r\n\"\",\"/g/no-name.bin\"\r\n\"NO LOCATION\",\"\"\r\n"));
}

void TestSetFile::saveCancelAndRefusals_data()
{
    QTest::addColumn<QString>("dialogAnswer"); // relative to the folder; "-" for no dialog
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("fileSizeLimit");
    QTest::addColumn<QStringList>("log");

    const QString refused = FailureLine(QStringLiteral("Slot 3 (%1) can not be saved in a set file: its name or location "
                                                       "holds a double quote or a line break."));
    QTest::newRow("cancelled") << "" << "GAME" << 0ll << QStringList{SaveDialog};
    QTest::newRow("name with a double quote") << "-" << "SAY \"HI\"" << 0ll << QStringList{refused.arg("SAY \"HI\"")};
    QTest::newRow("name with a line break") << "-" << "TWO\nLINES" << 0ll << QStringList{refused.arg("TWO\nLINES")};
    QTest::newRow("disk full") << "old.plk" << "GAME" << 10ll << QStringList{SaveDialog, "write failure"};
    QTest::newRow("folder does not exist") << "missing/set.plk" << "GAME" << 0ll << QStringList{SaveDialog, "write failure"};
}

void TestSetFile::saveCancelAndRefusals()
{
    QFETCH(QString, dialogAnswer);
    QFETCH(QString, name);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(QStringList, log);

    QTemporaryDir dir;
    const QString old = WriteFile(dir.filePath(QStringLiteral("old.plk")), "\"OLD\",\"/old.crt\"\r\n");
    CrtSet set;
    set.SetSlotName(3, name);
    set.SetSlotLocation(3, QStringLiteral("/g/game.crt"));
    FakeUserInterface ui;
    if (dialogAnswer != QLatin1String("-"))
        ui.answerDialog(dialogAnswer.isEmpty() ? QString() : dir.filePath(dialogAnswer));
    ui.messageAnswers = {MessageAnswer::Ok};

    std::optional<FileSizeLimit> limit;
    if (fileSizeLimit)
        limit.emplace(fileSizeLimit);
    SaveCrtSet(set, ui);
    limit.reset();

    // A write failure names the file; the reason after the colon is the system's.
    if (log.last() == QLatin1String("write failure")) {
        log.last() = FailureLine(QStringLiteral("The file \"%1\" could not be written: ").arg(dir.filePath(dialogAnswer)));
        QVERIFY2(ui.log.last().startsWith(log.last()) && ui.log.last() != log.last(), qPrintable(ui.log.last()));
        ui.log.last() = log.last();
    }
    QCOMPARE(ui.log, log);
    QCOMPARE(ReadFile(old), QByteArray("\"OLD\",\"/old.crt\"\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.plk"});
}

void TestSetFile::loadStatusesAndData_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<char>("exrom");
    QTest::addColumn<SlotStatus>("status");
    QTest::addColumn<int>("dataOffset");

    QTest::newRow("16464, EXROM 0") << 16464 << char(0) << SlotStatus::Ok << 80;
    QTest::newRow("16464, EXROM 1") << 16464 << char(1) << SlotStatus::ExromWarning << 80;
    QTest::newRow("8272") << 8272 << char(0) << SlotStatus::Ok << 80;
    QTest::newRow("4176, EXROM 1") << 4176 << char(1) << SlotStatus::ExromWarning << 80;
    for (int length : {16384, 8192, 4096, 0, 100, 16463, 16465, 20000})
        QTest::addRow("%d", length) << length << char(1) << SlotStatus::UnknownDetails << 0;
}

void TestSetFile::loadStatusesAndData()
{
    QFETCH(int, length);
    QFETCH(char, exrom);
    QFETCH(SlotStatus, status);
    QFETCH(int, dataOffset);

    // Sixteen records, one file each, loaded while only four rows are enabled.
    QTemporaryDir dir;
    QList<SetFileRecord> records;
    for (int slot = 0; slot < SlotCount; ++slot)
        records << SetFileRecord{QStringLiteral("FROM SET %1").arg(slot),
                                 WriteFile(dir.filePath(QStringLiteral("%1.crt").arg(slot)),
                                           CartridgeBytes(length, slot, exrom, "HEADER NAME"))};
    CrtSet set;
    FillEverySlot(set);
    set.SetSizeMode(SizeMode::Size512kb);
    FakeUserInterface ui;
    ui.answerDialog(WriteFile(dir.filePath(QStringLiteral("set.plk")), WriteSetFile(records)));
    ui.watch(set);

    LoadCrtSet(set, ui);

    // Emptied first (picture, name, location), then filled, then looked at again.
    QStringList expectedLog{OpenDialog};
    for (int slot = 0; slot < SlotCount; ++slot)
        expectedLog << QStringLiteral("status %1").arg(slot) << QStringLiteral("name %1").arg(slot)
                    << QStringLiteral("location %1").arg(slot);
    for (int slot = 0; slot < SlotCount; ++slot)
        expectedLog << QStringLiteral("name %1").arg(slot) << QStringLiteral("location %1").arg(slot);
    expectedLog << "events";
    for (int slot = 0; slot < SlotCount; ++slot)
        expectedLog << QStringLiteral("status %1").arg(slot) << (dataOffset == 80 ? "events" : "");
    expectedLog.removeAll(QString());
    QCOMPARE(ui.log, expectedLog);

    QCOMPARE(set.sizeMode(), SizeMode::Size512kb);
    for (int slot = 0; slot < SlotCount; ++slot) {
        QCOMPARE(set.SlotData(slot), SlotDataFrom(CartridgeBytes(length, slot, exrom, "HEADER NAME"), dataOffset));
        QCOMPARE(set.slotStatus(slot), status);
        QCOMPARE(set.SlotName(slot), records.at(slot).displayName);
        QCOMPARE(set.SlotLocation(slot), records.at(slot).location);
        QCOMPARE(set.isRowEnabled(slot), slot < 4);
    }
}

void TestSetFile::loadKeepsGapsAndReportsMissingFiles()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.crt")));
    MakeFifo(dir.filePath(QStringLiteral("pipe.crt")));
    const QString present = WriteFile(dir.filePath(QStringLiteral("present.bin")), CartridgeBytes(16384, 4));
    CrtSet saved;
    saved.SetSlotName(0, QStringLiteral("GONE"));
    saved.SetSlotLocation(0, dir.filePath(QStringLiteral("gone.crt")));
    saved.SetSlotName(2, QStringLiteral("PRESENT"));
    saved.SetSlotLocation(2, present);
    saved.SetSlotLocation(4, dir.filePath(QStringLiteral("folder.crt")));
    saved.SetSlotName(5, QStringLiteral("NO LOCATION"));
    saved.SetSlotName(6, QStringLiteral("PIPE"));
    saved.SetSlotLocation(6, dir.filePath(QStringLiteral("pipe.crt")));
    FakeUserInterface ui;
    const QString setPath = dir.filePath(QStringLiteral("set.plk"));
    ui.answerDialog(setPath);
    SaveCrtSet(saved, ui);

    CrtSet set;
    FillEverySlot(set);
    ui.log.clear();
    ui.answerDialog(setPath);
    ui.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
    LoadCrtSet(set, ui);

    const QString pipeUnreadable =
        FailureLine(QStringLiteral("The Cartridge File PIPE (\"%1\") can not be read: it is not a regular file.")
                        .arg(dir.filePath(QStringLiteral("pipe.crt"))));
    QCOMPARE(ui.log, (QStringList{OpenDialog, "events", Missing("GONE"), Missing(""), Missing("NO LOCATION"), pipeUnreadable}));
    // Records keep their slots across missing files; every slot not read
    // again keeps its tooltip and its data.
    const QStringList names{"", "PRESENT", "", "", "PIPE"};
    for (int slot = 0; slot < SlotCount; ++slot) {
        QCOMPARE(set.SlotName(slot), names.value(slot));
        QCOMPARE(set.slotStatus(slot), slot == 1 ? SlotStatus::UnknownDetails : SlotStatus::Empty);
        QCOMPARE(set.slotTooltip(slot), slot == 1 ? StatusTooltip(SlotStatus::UnknownDetails) : QStringLiteral("Ok"));
        QCOMPARE(set.SlotData(slot), slot == 1 ? CartridgeBytes(16384, 4) : Pattern(SlotDataSize, 50 + slot));
    }
    QCOMPARE(set.SlotLocation(1), present);
    QCOMPARE(set.SlotLocation(4), dir.filePath(QStringLiteral("pipe.crt")));
}

void TestSetFile::loadRefusals_data()
{
    QTest::addColumn<QString>("chosen"); // in the temporary folder
    QTest::addColumn<QString>("reason"); // "" for a cancelled dialog

    QTest::newRow("cancelled") << "" << "";
    QTest::newRow("missing file") << "missing.plk" << "the file does not exist";
    QTest::newRow("folder") << "folder.plk" << "it is a folder, not a file";
    QTest::newRow("named pipe") << "pipe.plk" << "it is not a regular file";
    QTest::newRow("malformed") << "bad.plk" << "line 2: the line is blank";
    QTest::newRow("seventeen records") << "long.plk" << "line 17: a set holds at most 16 records";
}

void TestSetFile::loadRefusals()
{
    QFETCH(QString, chosen);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.plk")));
    MakeFifo(dir.filePath(QStringLiteral("pipe.plk")));
    WriteFile(dir.filePath(QStringLiteral("bad.plk")), "\"A\",\"/a\"\r\n\r\n\"B\",\"/b\"\r\n");
    WriteFile(dir.filePath(QStringLiteral("long.plk")), QByteArray("\"A\",\"/a\"\r\n").repeated(17));
    CrtSet set;
    FillEverySlot(set);
    FakeUserInterface ui;
    ui.answerDialog(chosen.isEmpty() ? QString() : dir.filePath(chosen));
    ui.messageAnswers = {MessageAnswer::Ok};

    LoadCrtSet(set, ui);

    QStringList log{OpenDialog};
    if (!reason.isEmpty())
        log << FailureLine(QStringLiteral("The set file \"%1\" can not be loaded: %2.").arg(dir.filePath(chosen), reason));
    QCOMPARE(ui.log, log);
    VerifyEverySlotUnchanged(set);
}

QTEST_GUILESS_MAIN(TestSetFile)
#include "tst_setfile.moc"
