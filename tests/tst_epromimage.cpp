#include "FakeUserInterface.h"
#include "ImageCommands.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SizeMode)

class TestEpromImage : public QObject {
    Q_OBJECT

private slots:
    void saveBinFile_data()
    {
        QTest::addColumn<SizeMode>("mode");
        QTest::addColumn<QString>("chosen"); // in a folder; "" cancels; "old.bin" and its listing are there, longer
        QTest::addColumn<QString>("sizeLine");
        QTest::addColumn<QString>("message");

        const QString folderMessage = QStringLiteral("The %1 file \"%2\" can not be written: it is a folder, not a file.");
        QTest::newRow("512kb over longer files") << SizeMode::Size512kb << "old.bin" << "Size: 512K Eprom (4 Games)" << "";
        QTest::newRow("1mb, no extension") << SizeMode::Size1mb << "games" << "Size: 1mb Eprom (8 Games)" << "";
        QTest::newRow("2mb") << SizeMode::Size2mb << "games.bin" << "Size: 2mb Eprom (16 Games)" << "";
        QTest::newRow("cancelled") << SizeMode::Size2mb << "" << "" << "";
        QTest::newRow("the image fails") << SizeMode::Size2mb << "folder" << "" << folderMessage.arg("image", "%1");
        QTest::newRow("the listing fails") << SizeMode::Size2mb << "x.bin" << "" << folderMessage.arg("listing", "%1-list.txt");
    }

    void saveBinFile()
    {
        QFETCH(SizeMode, mode);
        QFETCH(QString, chosen);
        QFETCH(QString, sizeLine);
        QFETCH(QString, message);

        QTemporaryDir dir;
        const QDir folder(dir.path());
        writeFile(folder.filePath(QStringLiteral("old.bin")), QByteArray(300000, 'x'));
        writeFile(folder.filePath(QStringLiteral("old.bin-list.txt")), QByteArray(5000, 'x'));
        folder.mkdir(QStringLiteral("folder"));
        folder.mkdir(QStringLiteral("x.bin-list.txt"));
        CrtSet set;
        const QStringList names{"ORBIT DASH", "TILE TWISTER", "???", ""};
        for (int slot = 0; slot < SlotCount; ++slot) {
            set.setSlotName(slot, names.value(slot, QStringLiteral("N%1").arg(slot)));
            if (slot != 2) // never loaded: zeros
                set.setSlotData(slot, SlotData::fromFile(pattern(SlotDataSize, slot + 1), 0));
        }
        set.setSizeMode(mode);
        FakeUserInterface ui;
        const QString path = chosen.isEmpty() ? chosen : folder.filePath(chosen);
        ui.dialogAnswers << path;
        ui.messageAnswers = {MessageAnswer::Ok};

        plakmund::saveBinFile(set, ui);

        const bool imageWritten = !chosen.isEmpty() && chosen != QLatin1String("folder");
        QStringList log{"save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt"};
        log << QStringList(!chosen.isEmpty(), "events") << QStringList(imageWritten, "events");
        if (!message.isEmpty())
            log << failureLine(message.arg(path));
        QCOMPARE(ui.log, log);
        QCOMPARE(folder.entryList(QDir::Files).size(), 2 + imageWritten * (chosen == QLatin1String("old.bin") ? 0 : 1 + message.isEmpty()));
        if (!imageWritten)
            return;

        // The active slots, the highest first, each 16 KB; then the listing beside the image.
        const int games = QMap<SizeMode, int>{{SizeMode::Size512kb, 4}, {SizeMode::Size1mb, 8}, {SizeMode::Size2mb, 16}}[mode];
        QByteArray image;
        for (int slot = games - 1; slot >= 0; --slot)
            image += slot == 2 ? QByteArray(SlotDataSize, '\0') : pattern(SlotDataSize, slot + 1);
        QCOMPARE(readFile(path), image);
        if (!message.isEmpty())
            return;
        QString listing = "Cartridge Games Listings for file: " + chosen + "\r\n" + sizeLine + "\r\n" + QString(46, u'-') + "\r\n";
        for (int slot = 0; slot < games; ++slot)
            listing += QString(u"0123456789ABCDEF"[slot]) + " - " + set.slotName(slot) + "\r\n";
        listing += QString(46, u'-') + "\r\nCreated with Drennik's Plakmund v0.4\r\n";
        QCOMPARE(readFile(path + "-list.txt"), listing.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestEpromImage)
#include "tst_epromimage.moc"
