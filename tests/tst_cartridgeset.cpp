#include "CrtSet.h"
#include "FakeUserInterface.h"
#include "TestFiles.h"

#include <QSignalSpy>
#include <QTest>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SizeMode)
Q_DECLARE_METATYPE(plakmund::SlotStatus)

class TestCartridgeSet : public QObject {
    Q_OBJECT

private slots:
    void sizeModes_data();
    void sizeModes();
    void statusTooltips_data();
    void statusTooltips();
    void clearAllKeepsTooltipDataAndMode();
};

void TestCartridgeSet::sizeModes_data()
{
    QTest::addColumn<QList<SizeMode>>("presses");
    QTest::addColumn<int>("enabledRows");
    QTest::addColumn<QString>("caption");

    const auto s512 = SizeMode::Size512kb, s1 = SizeMode::Size1mb, s2 = SizeMode::Size2mb;
    const QString prefix = QStringLiteral("Drennik's Plakmund for Kestrix v0.4 | Size: ");
    QTest::newRow("2mb to 512kb") << QList{s512} << 4 << prefix + "512kb";
    QTest::newRow("2mb to 1mb") << QList{s1} << 8 << prefix + "1mb";
    QTest::newRow("2mb again") << QList{s2} << 16 << prefix + "2mb";
    QTest::newRow("512kb twice") << QList{s512, s512} << 4 << prefix + "512kb";
    QTest::newRow("512kb to 1mb") << QList{s512, s1} << 8 << prefix + "1mb";
    QTest::newRow("512kb to 2mb") << QList{s512, s2} << 16 << prefix + "2mb";
    QTest::newRow("1mb to 512kb") << QList{s1, s512} << 4 << prefix + "512kb";
    QTest::newRow("1mb to 2mb") << QList{s1, s2} << 16 << prefix + "2mb";
    QTest::newRow("1mb twice") << QList{s1, s1} << 8 << prefix + "1mb";
}

void TestCartridgeSet::sizeModes()
{
    QFETCH(QList<SizeMode>, presses);
    QFETCH(int, enabledRows);
    QFETCH(QString, caption);

    CrtSet set;
    set.SetSlotStatus(9, SlotStatus::ExromWarning);
    set.SetSlotName(9, QStringLiteral("NINE"));
    set.SetSlotLocation(9, QStringLiteral("/games/nine.crt"));
    set.SlotData(9) = Pattern(SlotDataSize, 9);
    QSignalSpy changes(&set, &CrtSet::sizeModeChanged);

    for (SizeMode mode : presses)
        set.SetSizeMode(mode);

    QCOMPARE(changes.count(), presses.size());
    QCOMPARE(set.sizeMode(), presses.last());
    QCOMPARE(ActiveSlotCount(set.sizeMode()), enabledRows);
    QCOMPARE(WindowCaption(set.sizeMode()), caption);
    for (int i = 0; i < SlotCount; ++i)
        QCOMPARE(set.isRowEnabled(i), i < enabledRows);
    QCOMPARE(set.SlotName(9), QStringLiteral("NINE"));
    QCOMPARE(set.SlotLocation(9), QStringLiteral("/games/nine.crt"));
    QCOMPARE(set.slotStatus(9), SlotStatus::ExromWarning);
    QCOMPARE(set.slotTooltip(9), StatusTooltip(SlotStatus::ExromWarning));
    QCOMPARE(set.SlotData(9), Pattern(SlotDataSize, 9));
}

void TestCartridgeSet::statusTooltips_data()
{
    QTest::addColumn<SlotStatus>("status");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("Ok") << SlotStatus::Ok << "Ok";
    QTest::newRow("ExromWarning") << SlotStatus::ExromWarning
                                  << "EXROM Detected! Switch EXROM on Kestrix to Active(On)";
    QTest::newRow("UnknownSettings") << SlotStatus::UnknownSettings << "Unknown Cartridge settings";
    QTest::newRow("UnknownDetails") << SlotStatus::UnknownDetails << "Unknown Cartridge details.";
}

void TestCartridgeSet::statusTooltips()
{
    QFETCH(SlotStatus, status);
    QFETCH(QString, tooltip);

    CrtSet set;
    set.SetSlotStatus(3, status);
    QCOMPARE(set.slotTooltip(3), tooltip);

    set.SetSlotStatus(3, SlotStatus::Empty);
    QCOMPARE(set.slotStatus(3), SlotStatus::Empty);
    QCOMPARE(set.slotTooltip(3), tooltip);
}

void TestCartridgeSet::clearAllKeepsTooltipDataAndMode()
{
    CrtSet set;
    for (int i = 0; i < SlotCount; ++i) {
        set.SetSlotStatus(i, SlotStatus::Ok);
        set.SetSlotName(i, QStringLiteral("GAME %1").arg(i));
        set.SetSlotLocation(i, QStringLiteral("/games/%1.crt").arg(i));
        set.SlotData(i) = Pattern(SlotDataSize, i);
    }
    set.SetSizeMode(SizeMode::Size1mb);
    FakeUserInterface ui;
    ui.watch(set);

    set.ClearAll();
    set.ClearAll();

    QCOMPARE(ui.log.size(), 2 * 3 * SlotCount);
    QCOMPARE(ui.log.mid(0, 6), (QStringList{"status 0", "name 0", "location 0", "status 1", "name 1", "location 1"}));
    QCOMPARE(set.sizeMode(), SizeMode::Size1mb);
    for (int i = 0; i < SlotCount; ++i) {
        QCOMPARE(set.slotStatus(i), SlotStatus::Empty);
        QCOMPARE(set.slotTooltip(i), QStringLiteral("Ok"));
        QVERIFY(set.SlotName(i).isEmpty());
        QVERIFY(set.SlotLocation(i).isEmpty());
        QCOMPARE(set.SlotData(i), Pattern(SlotDataSize, i));
        QCOMPARE(set.isRowEnabled(i), i < 8);
    }
}

QTEST_GUILESS_MAIN(TestCartridgeSet)
#include "tst_cartridgeset.moc"
