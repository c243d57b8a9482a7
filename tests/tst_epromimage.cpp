#include "EpromImage.h"
#include "FakeUserInterface.h"
#include "Listing.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SizeMode)

namespace {

const QString SaveDialog = QStringLiteral("save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt");

// Every slot but slot 2 holds its own pattern; slot 2 was never loaded.
void LoadDistinctSlots(CrtSet &set)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (slot != 2)
            set.SlotData(slot) = Pattern(SlotDataSize, slot + 1);
        set.SetSlotName(slot, QStringLiteral("GAME %1").arg(slot));
    }
}

} // namespace

class TestEpromImage : public QObject {
    Q_OBJECT

private slots:
    void imageLayout_data();
    void imageLayout();
    void listingLines_data();
    void listingLines();
    void saveWritesImageThenListing_data();
    void saveWritesImageThenListing();
    void saveFailures_data();
    void saveFailures();
};

void TestEpromImage::imageLayout_data()
{
    QTest::addColumn<SizeMode>("mode");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("slot3Offset");

    QTest::newRow("512kb") << SizeMode::Size512kb << 4 << 0x00000;
    QTest::newRow("1mb") << SizeMode::Size1mb << 8 << 0x10000;
    QTest::newRow("2mb") << SizeMode::Size2mb << 16 << 0x30000;
}

void TestEpromImage::imageLayout()
{
    QFETCH(SizeMode, mode);
    QFETCH(int, games);
    QFETCH(int, slot3Offset);

    CrtSet set;
    LoadDistinctSlots(set);
    set.SetSizeMode(mode);
    set.ClearAll(); // emptied slots still carry their bytes

    const QByteArray image = BuildEpromImage(set);

    QCOMPARE(image.size(), games * SlotDataSize);
    QCOMPARE(image.mid(slot3Offset, SlotDataSize), Pattern(SlotDataSize, 4));
    QCOMPARE(image.right(SlotDataSize), Pattern(SlotDataSize, 1));
    for (int slot = 0; slot < games; ++slot) {
        const QByteArray expected = slot == 2 ? QByteArray(SlotDataSize, '\0') : Pattern(SlotDataSize, slot + 1);
        QCOMPARE(image.mid((games - 1 - slot) * SlotDataSize, SlotDataSize), expected);
    }
}

void TestEpromImage::listingLines_data()
{
    QTest::addColumn<SizeMode>("mode");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<QString>("sizeLine");
    QTest::addColumn<QStringList>("lastGameLines");

    QTest::newRow("512kb") << SizeMode::Size512kb << 9 << "Size: 512K Eprom (4 Games)" << QStringList{"3 - N3"};
    QTest::newRow("1mb") << SizeMode::Size1mb << 13 << "Size: 1mb Eprom (8 Games)" << QStringList{"7 - N7"};
    QTest::newRow("2mb") << SizeMode::Size2mb << 21 << "Size: 2mb Eprom (16 Games)"
                         << QStringList{"9 - N9", "A - N10", "B - N11", "C - N12", "D - N13", "E - N14", "F - N15"};
}

void TestEpromImage::listingLines()
{
    QFETCH(SizeMode, mode);
    QFETCH(int, lineCount);
    QFETCH(QString, sizeLine);
    QFETCH(QStringList, lastGameLines);

    QStringList names;
    for (int i = 0; i < SlotCount; ++i)
        names << QStringLiteral("N%1").arg(i);
    const QStringList lines = BuildListing(QStringLiteral("x.bin"), mode, names, 1, 12);

    QCOMPARE(lines.size(), lineCount);
    QCOMPARE(lines.at(1), sizeLine);
    QCOMPARE(lines.mid(lineCount - 2 - lastGameLines.size(), lastGameLines.size()), lastGameLines);
    QCOMPARE(lines.last(), QStringLiteral("Created with Drennik's Plakmund v1.12"));
}

void TestEpromImage::saveWritesImageThenListing_data()
{
    QTest::addColumn<QString>("fileName"); // "" cancels the dialog
    QTest::addColumn<QString>("listingName");

    QTest::newRow("with extension") << "games.bin" << "games.bin-list.txt";
    QTest::newRow("without extension") << "games" << "games-list.txt";
    QTest::newRow("cancelled") << "" << "";
}

void TestEpromImage::saveWritesImageThenListing()
{
    QFETCH(QString, fileName);
    QFETCH(QString, listingName);

    QTemporaryDir dir;
    CrtSet set;
    LoadDistinctSlots(set);
    set.SetSizeMode(SizeMode::Size512kb);
    const QStringList names{"ORBIT DASH", "TILE TWISTER", "???", ""};
    for (int slot = 0; slot < names.size(); ++slot)
        set.SetSlotName(slot, names.at(slot));
    FakeUserInterface ui;
    ui.answerDialog(fileName.isEmpty() ? QString() : dir.filePath(fileName));
    if (!fileName.isEmpty()) {
        // Longer old files must be replaced whole.
        WriteFile(dir.filePath(fileName), QByteArray(300000, 'x'));
        WriteFile(dir.filePath(listingName), QByteArray(5000, 'x'));
    }

    SaveBinFile(set, ui);

    if (fileName.isEmpty()) {
        QCOMPARE(ui.log, QStringList{SaveDialog});
        QVERIFY(QDir(dir.path()).isEmpty());
        return;
    }
    QCOMPARE(ui.log, (QStringList{SaveDialog, "events", "events"}));
    QCOMPARE(ReadFile(dir.filePath(fileName)), BuildEpromImage(set));
    QCOMPARE(ReadFile(dir.filePath(listingName)), "Cartridge Games Listings for file: " + fileName.toLatin1() + "\r\n"
                                                  "Size: 512K Eprom (4 Games)\r\n"
                                                  "----------------------------------------------\r\n"
                                                  "0 - ORBIT DASH\r\n"
                                                  "1 - TILE TWISTER\r\n"
                                                  "2 - ???\r\n"
                                                  "3 - \r\n"
                                                  "----------------------------------------------\r\n"
                                                  "Created with Drennik's Plakmund v0.4\r\n");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void TestEpromImage::saveFailures_data()
{
    QTest::addColumn<QString>("target");       // relative to a folder holding "file" and "folder"
    QTest::addColumn<QString>("failing");      // the file the message names
    QTest::addColumn<qint64>("fileSizeLimit"); // 0: none
    QTest::addColumn<bool>("imageWritten");

    QTest::newRow("folder does not exist") << "missing/games.bin" << "missing/games.bin" << 0ll << false;
    QTest::newRow("folder is a regular file") << "file/games.bin" << "file/games.bin" << 0ll << false;
    QTest::newRow("target is a folder") << "folder" << "folder" << 0ll << false;
    QTest::newRow("disk full on the image") << "old.bin" << "old.bin" << 1000ll << false;
    QTest::newRow("listing name is a folder") << "games.bin" << "games.bin-list.txt" << 0ll << true;
}

void TestEpromImage::saveFailures()
{
    QFETCH(QString, target);
    QFETCH(QString, failing);
    QFETCH(qint64, fileSizeLimit);
    QFETCH(bool, imageWritten);

    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("file")), "a file");
    WriteFile(dir.filePath(QStringLiteral("old.bin")), "the old image");
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    QDir(dir.path()).mkdir(QStringLiteral("games.bin-list.txt"));
    CrtSet set;
    LoadDistinctSlots(set);
    FakeUserInterface ui;
    ui.answerDialog(dir.filePath(target));
    ui.messageAnswers = {MessageAnswer::Ok};

    std::optional<FileSizeLimit> limit;
    if (fileSizeLimit)
        limit.emplace(fileSizeLimit);
    SaveBinFile(set, ui);
    limit.reset();

    // The message names the file, and a reason follows the colon.
    const QString failure = FailureLine(QStringLiteral("The file \"%1\" could not be written: ").arg(dir.filePath(failing)));
    QVERIFY2(ui.log.last().startsWith(failure) && ui.log.last() != failure, qPrintable(ui.log.last()));
    QCOMPARE(ReadFile(dir.filePath(QStringLiteral("old.bin"))), QByteArray("the old image"));
    QCOMPARE(ReadFile(dir.filePath(target)) == BuildEpromImage(set), imageWritten);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), imageWritten ? 3 : 2);
}

QTEST_GUILESS_MAIN(TestEpromImage)
#include "tst_epromimage.moc"
