#include "CartridgeLoading.h"
#include "FakeUserInterface.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <type_traits>

using namespace plakmund;

// Slot data can only be replaced whole, never written into from outside.
static_assert(std::is_const_v<std::remove_reference_t<decltype(std::declval<CrtSet &>().slotData(0))>>);

// What each way of loading a file into slot 2 asks and changes, in order, and
// what the slot holds afterwards.
class TestCartridgeLoading : public QObject {
    Q_OBJECT

private slots:
    void everyRoute_data()
    {
        QTest::addColumn<QString>("route");     // "dialog", or "drop" on slot 2 ("drop 9": on slot 9)
        QTest::addColumn<QStringList>("names"); // in a folder; game.* files hold `length` bytes
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("answers"); // O(K), C(ancel), Y(es), N(o)
        QTest::addColumn<QStringList>("steps");

        const QStringList game{"game.crt"};
        for (int length : {16464, 8272, 4176})
            QTest::addRow("%d: header", length) << "dialog" << game << length << "" << QStringList{"dialog", "with header"};
        for (int length : {16384, 8192, 4096})
            QTest::addRow("%d: raw", length) << "drop" << QStringList{"gamebin"} << length << "" << QStringList{"raw"};
        for (int length : {16465, 16480})
            QTest::addRow("%d: too large", length) << "drop" << game << length << "O" << QStringList{"too large"};
        for (int length : {0, 30, 16463}) {
            QTest::addRow("%d: OK", length) << "drop" << game << length << "O" << QStringList{"notice"};
            QTest::addRow("%d: Cancel, Yes", length) << "drop" << game << length << "CY" << QStringList{"notice", "header?", "with header"};
            QTest::addRow("%d: Cancel, No", length) << "drop" << game << length << "CN" << QStringList{"notice", "header?", "raw"};
        }
        QTest::newRow("dialog cancelled") << "dialog" << QStringList{""} << 0 << "" << QStringList{"dialog"};
        QTest::newRow("dialog: missing file") << "dialog" << QStringList{"gone.crt"} << 0 << "O" << QStringList{"dialog", "missing"};
        QTest::newRow("drop: .CRT, three files") << "drop" << QStringList{"game.CRT", "gamebin", "folder"} << 16464 << ""
                                                 << QStringList{"with header"};
        QTest::newRow("drop: nothing") << "drop" << QStringList{} << 0 << "" << QStringList{};
        QTest::newRow("drop on a disabled row") << "drop 9" << game << 16464 << "" << QStringList{};
        QTest::newRow("drop: folder") << "drop" << QStringList{"folder"} << 0 << "O" << QStringList{"folder"};
        QTest::newRow("drop: folder.crt") << "drop" << QStringList{"folder.crt"} << 0 << "O" << QStringList{"folder"};
        QTest::newRow("drop: game.crt.zip") << "drop" << QStringList{"game.crt.zip"} << 16464 << "O" << QStringList{"not a cartridge"};
    }

    void everyRoute()
    {
        QFETCH(QString, route);
        QFETCH(QStringList, names);
        QFETCH(int, length);
        QFETCH(QString, answers);
        QFETCH(QStringList, steps);

        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        QDir(dir.path()).mkdir(QStringLiteral("folder.crt"));
        // The EXROM byte set, and a name that fills its 32 bytes: no zero byte ends it.
        const QByteArray file = cartridgeBytes(length, length % 97, 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC\xE9 ~");
        for (const char *name : {"game.crt", "game.CRT", "gamebin", "game.crt.zip"})
            writeFile(dir.filePath(QLatin1String(name)), file);
        CrtSet set;
        set.setSizeMode(SizeMode::Size512kb);
        set.setSlotData(2, SlotData::fromFile(pattern(SlotDataSize, 77), 0));
        FakeUserInterface ui;
        for (QChar answer : answers)
            ui.messageAnswers << MessageAnswer(QStringLiteral("OCYN").indexOf(answer));
        ui.watch(set);
        QStringList paths;
        for (const QString &name : names)
            paths << (name.isEmpty() ? name : dir.filePath(name));
        ui.dialogAnswers = paths;

        if (route == QLatin1String("dialog"))
            loadCartridgeFromDialog(set, ui, 2);
        else
            loadDroppedCartridge(set, ui, paths, route == QLatin1String("drop") ? 2 : 9);

        const QString title = QStringLiteral("Cartridge File Size Notice!");
        const QMap<QString, QStringList> lines{
            {"dialog", {"open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin"}},
            {"notice", {messageLine(QStringLiteral("Warning: The cartridge file size is: %1.\r\n"
                                                   "It should be 16,464(16K) or 8,272(8k) Bytes or less.\r\n"
                                                   "If the file is larger than 16,464 bytes the file will not be loaded.\r\n"
                                                   "Hit Cancel to load the cartridge file anyway.").arg(length),
                                    "OK+Cancel", "none", title)}},
            {"header?", {messageLine("Does this cartridge have a header?", "Yes+No")}},
            {"too large", {messageLine("Cartridge file can not be larger than 16kb for use on Kestrix!", "OK", "exclamation", title)}},
            {"with header", {"status 2", "name 2", "location 2"}},
            {"raw", {"status 2", "focus 2", "name 2", "location 2"}},
            {"missing", {failureLine(QStringLiteral("The cartridge file \"%1\" can not be read: it does not exist.").arg(paths.value(0)))}},
            {"folder", {messageLine("Please load a Cartridge file not a directory")}},
            {"not a cartridge", {messageLine("This is not a Cartridge file (*.crt,*.bin)")}}};
        QStringList expected;
        for (const QString &step : steps)
            expected << lines.value(step);
        QCOMPARE(ui.log, expected);
        const int offset = steps.contains("with header") ? 80 : steps.contains("raw") ? 0 : -1;
        const QByteArray nameField = file.mid(32, 32);
        const QString name = offset ? QString::fromLatin1(nameField.left(nameField.indexOf('\0') < 0 ? 32 : nameField.indexOf('\0'))) : "???";
        QCOMPARE(set.slotName(2) + '|' + set.slotLocation(2), offset < 0 ? "|" : name + '|' + paths.value(0));
        QCOMPARE(set.slotTooltip(2), offset < 0 ? "" : offset ? length > 24 ? "EXROM Detected! Switch EXROM on Kestrix to Active(On)" : "Ok"
                                                            : "Unknown Cartridge settings");
        QCOMPARE(set.slotData(2).bytes(), offset < 0 ? pattern(SlotDataSize, 77) : slotBytesFrom(file, offset));
    }
};

QTEST_GUILESS_MAIN(TestCartridgeLoading)
#include "tst_cartridgeloading.moc"
