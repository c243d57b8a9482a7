#include "EpromImage.h"
#include "FakeUserInterface.h"
#include "ImageCommands.h"
#include "Listing.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SizeMode)

namespace {

const QString SaveDialog = QStringLiteral("save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt");

// Every slot but slot 2 holds its own pattern; slot 2 was never loaded.
void loadDistinctSlots(CrtSet &set)
{
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (slot != 2)
            set.setSlotData(slot, SlotData::fromFile(pattern(SlotDataSize, slot + 1), 0));
        set.setSlotName(slot, QStringLiteral("N%1").arg(slot));
    }
}

} // namespace

class TestEpromImage : public QObject {
    Q_OBJECT

private slots:
    void imageAndListing_data();
    void imageAndListing();
    void saveBinFileWrites_data();
    void saveBinFileWrites();
};

void TestEpromImage::imageAndListing_data()
{
    QTest::addColumn<SizeMode>("mode");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("slot3Offset");
    QTest::addColumn<QString>("sizeLine");

    QTest::newRow("512kb") << SizeMode::Size512kb << 4 << 0x00000 << "Size: 512K Eprom (4 Games)";
    QTest::newRow("1mb") << SizeMode::Size1mb << 8 << 0x10000 << "Size: 1mb Eprom (8 Games)";
    QTest::newRow("2mb") << SizeMode::Size2mb << 16 << 0x30000 << "Size: 2mb Eprom (16 Games)";
}

void TestEpromImage::imageAndListing()
{
    QFETCH(SizeMode, mode);
    QFETCH(int, games);
    QFETCH(int, slot3Offset);
    QFETCH(QString, sizeLine);

    CrtSet set;
    loadDistinctSlots(set);
    set.setSizeMode(mode);
    QStringList names;
    for (int slot = 0; slot < SlotCount; ++slot)
        names << set.slotName(slot);
    const QStringList listing = buildListing(QStringLiteral("x.bin"), mode, names, 1, 12);
    set.clearAll(); // emptied slots still carry their bytes

    const QByteArray image = buildEpromImage(set);
    QCOMPARE(image.size(), games * SlotDataSize);
    QCOMPARE(image.mid(slot3Offset, SlotDataSize), pattern(SlotDataSize, 4));
    for (int slot = 0; slot < games; ++slot) {
        const QByteArray expected = slot == 2 ? QByteArray(SlotDataSize, '\0') : pattern(SlotDataSize, slot + 1);
        QCOMPARE(image.mid((games - 1 - slot) * SlotDataSize, SlotDataSize), expected);
    }
    QStringList expected{"Cartridge Games Listings for file: x.bin", sizeLine, QString(46, u'-')};
    for (int slot = 0; slot < games; ++slot)
        expected << QStringLiteral("%1 - N%2").arg(QChar(u"0123456789ABCDEF"[slot])).arg(slot);
    QCOMPARE(listing, expected << QString(46, u'-') << "Created with Drennik's Plakmund v1.12");
}

void TestEpromImage::saveBinFileWrites_data()
{
    QTest::addColumn<QString>("chosen");  // in the folder; "" cancels; "old.bin" exists and is longer
    QTest::addColumn<QString>("listing"); // the listing's name; "" when none is written
    QTest::addColumn<QString>("message");

    QTest::newRow("over longer files") << "old.bin" << "old.bin-list.txt" << "";
    QTest::newRow("a name without extension") << "games" << "games-list.txt" << "";
    QTest::newRow("cancelled") << "" << "" << "";
    QTest::newRow("the image can not be written") << "folder" << ""
                                                  << "The image file \"%1\" can not be written: it is a folder, not a file.";
    QTest::newRow("the listing can not be written") << "x.bin" << ""
                                                    << "The listing file \"%1-list.txt\" can not be written: it is a "
                                                       "folder, not a file.";
}

void TestEpromImage::saveBinFileWrites()
{
    QFETCH(QString, chosen);
    QFETCH(QString, listing);
    QFETCH(QString, message);

    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("old.bin")), QByteArray(300000, 'x'));
    writeFile(dir.filePath(QStringLiteral("old.bin-list.txt")), QByteArray(5000, 'x'));
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    QDir(dir.path()).mkdir(QStringLiteral("x.bin-list.txt"));
    CrtSet set;
    loadDistinctSlots(set);
    set.setSizeMode(SizeMode::Size512kb);
    const QStringList names{"ORBIT DASH", "TILE TWISTER", "???", ""};
    for (int slot = 0; slot < names.size(); ++slot)
        set.setSlotName(slot, names.at(slot));
    FakeUserInterface ui;
    const QString path = chosen.isEmpty() ? chosen : dir.filePath(chosen);
    ui.dialogAnswers << path;
    ui.messageAnswers = {MessageAnswer::Ok};

    saveBinFile(set, ui);

    QStringList log{SaveDialog};
    if (!chosen.isEmpty())
        log << "events";
    if (chosen == QLatin1String("x.bin") || !listing.isEmpty())
        log << "events";
    if (!message.isEmpty())
        log << failureLine(message.arg(path));
    QCOMPARE(ui.log, log);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("old.bin"))),
             chosen == QLatin1String("old.bin") ? buildEpromImage(set) : QByteArray(300000, 'x'));
    if (chosen == QLatin1String("x.bin"))
        QCOMPARE(readFile(path), buildEpromImage(set));
    if (listing.isEmpty())
        return;
    QCOMPARE(readFile(path), buildEpromImage(set));
    QCOMPARE(readFile(dir.filePath(listing)), "Cartridge Games Listings for file: " + chosen.toUtf8() + "\r\n"
                                              "Size: 512K Eprom (4 Games)\r\n"
                                              "----------------------------------------------\r\n"
                                              "0 - ORBIT DASH\r\n"
                                              "1 - TILE TWISTER\r\n"
                                              "2 - ???\r\n"
                                              "3 - \r\n"
                                              "----------------------------------------------\r\n"
                                              "Created with Drennik's Plakmund v0.4\r\n");
}

QTEST_GUILESS_MAIN(TestEpromImage)
#include "tst_epromimage.moc"
