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

namespace {

// The lines the fake logs for the short forms of the table below.
QStringList expectedLog(const QStringList &steps, const QString &path, int length)
{
    const QString title = QStringLiteral("Cartridge File Size Notice!");
    const QMap<QString, QStringList> lines{
        {"dialog", {"open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin"}},
        {"notice", {messageLine(QStringLiteral("Warning: The cartridge file size is: %1.\r\n"
                                               "It should be 16,464(16K) or 8,272(8k) Bytes or less.\r\n"
                                               "If the file is larger than 16,464 bytes the file will not be loaded.\r\n"
                                               "Hit Cancel to load the cartridge file anyway.")
                                    .arg(length),
                                "OK+Cancel", "none", title)}},
        {"header?", {messageLine("Does this cartridge have a header?", "Yes+No")}},
        {"too large", {messageLine("Cartridge file can not be larger than 16kb for use on Kestrix!", "OK", "exclamation", title)}},
        {"with header", {"status 2", "name 2", "location 2"}},
        {"raw", {"status 2", "focus 2", "name 2", "location 2"}},
        {"pipe", {failureLine(QStringLiteral("The cartridge file \"%1\" can not be read: it is not a regular file.").arg(path))}},
        {"missing", {failureLine(QStringLiteral("The cartridge file \"%1\" can not be read: it does not exist.").arg(path))}},
        {"folder", {messageLine("Please load a Cartridge file not a directory")}},
        {"not a cartridge", {messageLine("This is not a Cartridge file (*.crt,*.bin)")}}};
    QStringList log;
    for (const QString &step : steps)
        log << lines.value(step);
    return log;
}

} // namespace

class TestCartridgeLoading : public QObject {
    Q_OBJECT

private slots:
    void everyRoute_data();
    void everyRoute();
};

void TestCartridgeLoading::everyRoute_data()
{
    QTest::addColumn<QString>("route");     // "dialog", or "drop" on slot 2 ("drop 9": on slot 9)
    QTest::addColumn<QStringList>("names"); // in a folder; game.* files hold `length` bytes
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("answers"); // O(K), C(ancel), Y(es), N(o)
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("dataOffset"); // -1: slot 2 keeps what it held

    const QStringList game{"game.crt"}, bare{"gamebin"};
    for (int length : {16464, 8272, 4176})
        QTest::addRow("%d: header", length) << "dialog" << game << length << "" << QStringList{"dialog", "with header"} << 80;
    for (int length : {16384, 8192, 4096})
        QTest::addRow("%d: raw", length) << "drop" << bare << length << "" << QStringList{"raw"} << 0;
    for (int length : {16465, 16480})
        QTest::addRow("%d: too large", length) << "drop" << game << length << "O" << QStringList{"too large"} << -1;
    for (int length : {0, 79, 16463}) {
        QTest::addRow("%d: OK", length) << "drop" << game << length << "O" << QStringList{"notice"} << -1;
        QTest::addRow("%d: Cancel, Yes", length) << "drop" << game << length << "CY"
                                                 << QStringList{"notice", "header?", "with header"} << 80;
        QTest::addRow("%d: Cancel, No", length) << "drop" << game << length << "CN"
                                                << QStringList{"notice", "header?", "raw"} << 0;
    }
    QTest::newRow("dialog cancelled") << "dialog" << QStringList{""} << 0 << "" << QStringList{"dialog"} << -1;
    QTest::newRow("dialog: missing file") << "dialog" << QStringList{"gone.crt"} << 0 << "O"
                                          << QStringList{"dialog", "missing"} << -1;
    QTest::newRow("drop: .CRT, three files") << "drop" << QStringList{"game.CRT", "gamebin", "folder"} << 16464 << ""
                                             << QStringList{"with header"} << 80;
    QTest::newRow("drop: nothing") << "drop" << QStringList{} << 0 << "" << QStringList{} << -1;
    QTest::newRow("drop on a disabled row") << "drop 9" << game << 16464 << "" << QStringList{} << -1;
    QTest::newRow("drop: folder") << "drop" << QStringList{"folder"} << 0 << "O" << QStringList{"folder"} << -1;
    QTest::newRow("drop: folder.crt") << "drop" << QStringList{"folder.crt"} << 0 << "O" << QStringList{"folder"} << -1;
    QTest::newRow("drop: game.crt.zip") << "drop" << QStringList{"game.crt.zip"} << 16464 << "O"
                                        << QStringList{"not a cartridge"} << -1;
    QTest::newRow("drop: named pipe") << "drop" << QStringList{"pipe.bin"} << 0 << "O" << QStringList{"pipe"} << -1;
}

void TestCartridgeLoading::everyRoute()
{
    QFETCH(QString, route);
    QFETCH(QStringList, names);
    QFETCH(int, length);
    QFETCH(QString, answers);
    QFETCH(QStringList, steps);
    QFETCH(int, dataOffset);

    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    QDir(dir.path()).mkdir(QStringLiteral("folder.crt"));
    makeFifo(dir.filePath(QStringLiteral("pipe.bin")));
    const QByteArray file = cartridgeBytes(length, length % 97, 0, "HEADER NAME");
    for (const char *name : {"game.crt", "game.CRT", "gamebin", "game.crt.zip"})
        writeFile(dir.filePath(QLatin1String(name)), file);
    CrtSet set;
    set.setSizeMode(SizeMode::Size512kb);
    set.setSlotStatus(2, SlotStatus::ExromWarning);
    set.setSlotName(2, QStringLiteral("EARLIER"));
    set.setSlotData(2, SlotData::fromFile(pattern(SlotDataSize, 77), 0));
    FakeUserInterface ui;
    for (QChar answer : answers)
        ui.messageAnswers << QMap<QChar, MessageAnswer>{{'O', MessageAnswer::Ok}, {'C', MessageAnswer::Cancel},
                                                        {'Y', MessageAnswer::Yes}, {'N', MessageAnswer::No}}.value(answer);
    ui.watch(set);

    QStringList paths;
    for (const QString &name : names)
        paths << (name.isEmpty() ? name : dir.filePath(name));
    ui.dialogAnswers = paths;
    if (route == QLatin1String("dialog"))
        loadCartridgeFromDialog(set, ui, 2);
    else
        loadDroppedCartridge(set, ui, paths, route == QLatin1String("drop") ? 2 : 9);

    QCOMPARE(ui.log, expectedLog(steps, paths.value(0), length));
    const bool loaded = dataOffset >= 0;
    const SlotStatus status = !loaded ? SlotStatus::ExromWarning : dataOffset ? SlotStatus::Ok : SlotStatus::UnknownSettings;
    QCOMPARE(set.slotName(2), !loaded ? "EARLIER" : !dataOffset ? "???" : length > 32 ? "HEADER NAME" : "");
    QCOMPARE(set.slotLocation(2), loaded ? paths.value(0) : QString());
    QCOMPARE(set.slotStatus(2), status);
    QCOMPARE(set.slotTooltip(2), statusTooltip(status));
    QCOMPARE(set.slotData(2).bytes(), loaded ? slotBytesFrom(file, dataOffset) : pattern(SlotDataSize, 77));
    QCOMPARE(set.slotData(9).bytes() + set.slotName(9).toUtf8(), QByteArray(SlotDataSize, '\0'));
}

QTEST_GUILESS_MAIN(TestCartridgeLoading)
#include "tst_cartridgeloading.moc"
