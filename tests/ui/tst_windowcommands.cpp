#include "FakeUserInterface.h"
#include "TestFiles.h"
#include "WindowLayout.h"
#include "frmMain.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)

namespace {

template <typename Control = QWidget>
Control *Find(const QWidget &window, const char *name, int index = -1)
{
    const QString objectName = index < 0 ? QString::fromLatin1(name) : MemberName(QString::fromLatin1(name), index);
    return window.findChild<Control *>(objectName);
}

QLineEdit *NameBox(const QWidget &window, int slot)
{
    return Find<QLineEdit>(window, "txtCRTName", slot);
}

QColor Background(const QWidget &window, int slot)
{
    return NameBox(window, slot)->palette().color(QPalette::Base);
}

QImage Picture(const QWidget &window, const char *name, int index = -1)
{
    return Find<QLabel>(window, name, index)->pixmap().toImage();
}

void Click(const QWidget &window, const char *button)
{
    QTest::mouseClick(Find(window, button), Qt::LeftButton);
}

// Drags the files onto the widget and drops them there, as the platform
// would; tells whether the widget took the drag and the drop.
QPair<bool, bool> DropFiles(QWidget *target, const QList<QUrl> &urls, const QString &text = {})
{
    QMimeData data;
    data.setUrls(urls);
    data.setText(text);
    const QPoint point = target->rect().center();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return {enter.isAccepted(), drop.isAccepted()};
}

const QColor Yellow(255, 255, 0);
const QColor White(255, 255, 255);
const QString CaptionPrefix = QStringLiteral("Drennik's Plakmund for Kestrix v0.4 | Size: ");

} // namespace

class TestWindowCommands : public QObject {
    Q_OBJECT

private slots:
    void sizeButtons_data();
    void sizeButtons();
    void statusPictures_data();
    void statusPictures();
    void drops_data();
    void drops();
    void focusHighlight();
    void clearAll();
    void buttonsReachTheirCommands_data();
    void buttonsReachTheirCommands();
    void exit_data();
    void exit();
    void typedNameReachesListing();
};

void TestWindowCommands::sizeButtons_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<int>("enabledRows");
    QTest::addColumn<QString>("caption");

    // Command4 is "512kb", Command7 "1mb", Command8 "2mb".
    QTest::newRow("512kb") << QStringList{"Command4"} << 4 << CaptionPrefix + "512kb";
    QTest::newRow("1mb") << QStringList{"Command7"} << 8 << CaptionPrefix + "1mb";
    QTest::newRow("2mb again") << QStringList{"Command8"} << 16 << CaptionPrefix + "2mb";
    QTest::newRow("512kb twice") << QStringList{"Command4", "Command4"} << 4 << CaptionPrefix + "512kb";
    QTest::newRow("512kb then 1mb") << QStringList{"Command4", "Command7"} << 8 << CaptionPrefix + "1mb";
    QTest::newRow("512kb then 2mb") << QStringList{"Command4", "Command8"} << 16 << CaptionPrefix + "2mb";
    QTest::newRow("1mb then 512kb") << QStringList{"Command7", "Command4"} << 4 << CaptionPrefix + "512kb";
    QTest::newRow("1mb twice") << QStringList{"Command7", "Command7"} << 8 << CaptionPrefix + "1mb";
    QTest::newRow("1mb then 2mb") << QStringList{"Command7", "Command8"} << 16 << CaptionPrefix + "2mb";
}

void TestWindowCommands::sizeButtons()
{
    QFETCH(QStringList, presses);
    QFETCH(int, enabledRows);
    QFETCH(QString, caption);

    frmMain window;
    CrtSet &set = window.crtSet();
    set.SetSlotStatus(9, SlotStatus::ExromWarning);
    set.SetSlotName(9, QStringLiteral("NINE"));
    set.SetSlotLocation(9, QStringLiteral("/games/nine.crt"));
    set.SlotData(9) = Pattern(SlotDataSize, 9);
    for (const QString &button : presses)
        Click(window, qPrintable(button));

    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(ActiveSlotCount(set.sizeMode()), enabledRows);
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(NameBox(window, i)->isEnabled(), i < enabledRows);
        QCOMPARE(Find(window, "cmdLoadCRT", i)->isEnabled(), i < enabledRows);
    }
    // A disabled row still shows what its slot holds, and the slot keeps it all.
    QCOMPARE(NameBox(window, 9)->text(), QStringLiteral("NINE"));
    QCOMPARE(Find<QLineEdit>(window, "txtCRTLoc", 9)->text(), QStringLiteral("/games/nine.crt"));
    QCOMPARE(Picture(window, "picStatus", 9), Picture(window, "picError"));
    QCOMPARE(Find(window, "picStatus", 9)->toolTip(),
             QStringLiteral("EXROM Detected! Switch EXROM on Kestrix to Active(On)"));
    QCOMPARE(set.SlotData(9), Pattern(SlotDataSize, 9));
}

void TestWindowCommands::statusPictures_data()
{
    QTest::addColumn<SlotStatus>("status");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("Ok") << SlotStatus::Ok << "picOK" << "Ok";
    QTest::newRow("ExromWarning") << SlotStatus::ExromWarning << "picError"
                                  << "EXROM Detected! Switch EXROM on Kestrix to Active(On)";
    QTest::newRow("UnknownSettings") << SlotStatus::UnknownSettings << "picError" << "Unknown Cartridge settings";
    QTest::newRow("UnknownDetails") << SlotStatus::UnknownDetails << "picUnkown" << "Unknown Cartridge details.";
}

void TestWindowCommands::statusPictures()
{
    QFETCH(SlotStatus, status);
    QFETCH(QString, holder);
    QFETCH(QString, tooltip);

    frmMain window;
    window.crtSet().SetSlotStatus(3, status);
    QCOMPARE(Picture(window, "picStatus", 3), Picture(window, qPrintable(holder)));
    QCOMPARE(Find(window, "picStatus", 3)->toolTip(), tooltip);

    // Empty takes the picture away and leaves the tooltip.
    window.crtSet().SetSlotStatus(3, SlotStatus::Empty);
    QCOMPARE(Picture(window, "picStatus", 3), Picture(window, "picBlank"));
    QCOMPARE(Find(window, "picStatus", 3)->toolTip(), tooltip);
}

void TestWindowCommands::drops_data()
{
    QTest::addColumn<QString>("dropped"); // "files", "text" or "remote"
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("two files onto row 2: the first is loaded") << "files" << 2 << true;
    QTest::newRow("path as text only") << "text" << 2 << false;
    QTest::newRow("remote URL") << "remote" << 2 << false;
    QTest::newRow("files onto row 9, disabled in 512kb") << "files" << 9 << false;
}

void TestWindowCommands::drops()
{
    QFETCH(QString, dropped);
    QFETCH(int, slot);
    QFETCH(bool, accepted);

    QTemporaryDir dir;
    const QByteArray bytes = CartridgeBytes(16464, 3, 0, "DROPPED GAME");
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.crt")), bytes);
    const QString second = WriteFile(dir.filePath(QStringLiteral("second.bin")), CartridgeBytes(16384, 4));
    FakeUserInterface ui;
    frmMain window(&ui);
    Click(window, "Command4");

    QList<QUrl> urls = {QUrl::fromLocalFile(path), QUrl::fromLocalFile(second)};
    if (dropped == QLatin1String("remote"))
        urls = {QUrl(QStringLiteral("https://example.org/game.crt"))};
    const bool asText = dropped == QLatin1String("text");
    QCOMPARE(DropFiles(NameBox(window, slot), asText ? QList<QUrl>{} : urls, asText ? path : QString()),
             qMakePair(accepted, accepted));
    QCOMPARE(ui.log, QStringList());
    QCOMPARE(NameBox(window, slot)->text(), accepted ? QStringLiteral("DROPPED GAME") : QString());
    QCOMPARE(Find<QLineEdit>(window, "txtCRTLoc", slot)->text(), accepted ? path : QString());
    QCOMPARE(Find(window, "picStatus", slot)->toolTip(), accepted ? QStringLiteral("Ok") : QString());
    QCOMPARE(window.crtSet().SlotData(slot), accepted ? bytes.mid(80) : QByteArray(SlotDataSize, '\0'));
    if (accepted)
        QCOMPARE(Picture(window, "picStatus", slot), Picture(window, "picOK"));
}

void TestWindowCommands::focusHighlight()
{
    // A default base colour that neither highlight colour can be taken for.
    const QPalette original = QApplication::palette();
    QPalette grey = original;
    grey.setColor(QPalette::Base, Qt::lightGray);
    QApplication::setPalette(grey);
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });

    QTemporaryDir dir;
    const QString raw = WriteFile(dir.filePath(QStringLiteral("raw.bin")), CartridgeBytes(8192, 5));
    frmMain window; // its own dialogs: a raw file of 8,192 bytes asks nothing
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < 16; ++i)
        QCOMPARE(Background(window, i), QColor(Qt::lightGray));

    QTest::mouseClick(NameBox(window, 3), Qt::LeftButton);
    QCOMPARE(Background(window, 3), Yellow);
    QTest::mouseClick(NameBox(window, 4), Qt::LeftButton);
    QCOMPARE(Background(window, 3), White);
    QCOMPARE(Background(window, 4), Yellow);

    // Loading a file without header moves the focus into the slot's name box.
    QCOMPARE(DropFiles(NameBox(window, 6), {QUrl::fromLocalFile(raw)}), qMakePair(true, true));
    QCOMPARE(QApplication::focusWidget(), NameBox(window, 6));
    QCOMPARE(NameBox(window, 6)->text(), QStringLiteral("???"));
    QCOMPARE(Background(window, 4), White);
    QCOMPARE(Background(window, 6), Yellow);

    Click(window, "Command4");
    QCOMPARE(Background(window, 6), White);
    QTest::mouseClick(NameBox(window, 9), Qt::LeftButton);
    QCOMPARE(Background(window, 9), QColor(Qt::lightGray));
}

void TestWindowCommands::clearAll()
{
    QTemporaryDir dir;
    const QByteArray bytes = CartridgeBytes(16464, 6, 0, "CLEARED");
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.crt")), bytes);
    FakeUserInterface ui;
    frmMain window(&ui);
    DropFiles(NameBox(window, 0), {QUrl::fromLocalFile(path)});
    DropFiles(NameBox(window, 12), {QUrl::fromLocalFile(path)});
    Click(window, "Command4");
    QCOMPARE(Picture(window, "picBlank").pixelColor(8, 8).alpha(), 0);

    for (int press = 1; press <= 2; ++press) {
        Click(window, "Command6");
        for (int i = 0; i < 16; ++i) {
            QVERIFY(NameBox(window, i)->text().isEmpty());
            QVERIFY(Find<QLineEdit>(window, "txtCRTLoc", i)->text().isEmpty());
            QCOMPARE(NameBox(window, i)->isEnabled(), i < 4);
            QCOMPARE(Picture(window, "picStatus", i), Picture(window, "picBlank"));
            QCOMPARE(Find(window, "picStatus", i)->toolTip(), QLatin1String(i % 12 == 0 ? "Ok" : ""));
        }
        QCOMPARE(window.crtSet().SlotData(12), bytes.mid(80));
        QCOMPARE(window.windowTitle(), CaptionPrefix + "512kb");
    }
    QCOMPARE(ui.log, QStringList());
}

void TestWindowCommands::buttonsReachTheirCommands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown"); // the first thing the command shows

    QTest::newRow("a row's load button") << "cmdLoadCRT_5" << "open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin";
    QTest::newRow("Load CRT Set") << "cmdLoadPLK" << "open dialog [Load Plakmund File] Plakmund File(.plk)|*.plk";
    QTest::newRow("Save CRT Set") << "Command1"
                                  << "save dialog [Save Plakmund File] Plakmund File(.plk)|*.plk overwrite-prompt";
    QTest::newRow("Save BIN File") << "Command2"
                                   << "save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt";
    QTest::newRow("Help") << "Command3"
                          << MessageLine(QStringLiteral("No Help available yet. Coming soon!"), QStringLiteral("OK"),
                                         QStringLiteral("none"), QStringLiteral("Plakmund"));
}

void TestWindowCommands::buttonsReachTheirCommands()
{
    QFETCH(QString, button);
    QFETCH(QString, shown);

    // Every dialog is answered with a cartridge file, so a row's button shows
    // which slot it loads; the other commands find it is no set or overwrite it.
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.crt")), CartridgeBytes(16464, 1, 0, "FIVE"));
    FakeUserInterface ui;
    ui.answerDialog(path);
    ui.messageAnswers = {MessageAnswer::Ok};
    frmMain window(&ui);

    Click(window, qPrintable(button));

    QCOMPARE(ui.log.value(0), shown);
    QCOMPARE(window.crtSet().SlotName(5), button == QLatin1String("cmdLoadCRT_5") ? "FIVE" : "");
    QCOMPARE(window.windowTitle(), CaptionPrefix + "2mb");
}

void TestWindowCommands::exit_data()
{
    QTest::addColumn<bool>("byTitleBar");
    QTest::newRow("Exit button") << false;
    QTest::newRow("title bar's close button") << true;
}

void TestWindowCommands::exit()
{
    QFETCH(bool, byTitleBar);

    FakeUserInterface ui;
    frmMain window(&ui);
    window.crtSet().SetSlotName(0, QStringLiteral("UNSAVED"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The program ends when its event loop does; the guard ends a loop that
    // would otherwise go on.
    QTimer::singleShot(0, &window, [&window, byTitleBar] {
        if (byTitleBar)
            window.windowHandle()->close();
        else
            Click(window, "Command5");
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(ui.log, QStringList());
}

void TestWindowCommands::typedNameReachesListing()
{
    QTemporaryDir dir;
    FakeUserInterface ui;
    frmMain window(&ui);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit *box = NameBox(window, 1);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, QStringLiteral("GAME"));
    // Typing in the middle keeps the cursor where the user put it.
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClicks(box, QStringLiteral("MY "));
    QCOMPARE(window.crtSet().SlotName(1), QStringLiteral("MY GAME"));

    Click(window, "Command4");
    ui.answerDialog(dir.filePath(QStringLiteral("games.bin")));
    Click(window, "Command2");

    QFile listing(dir.filePath(QStringLiteral("games.bin-list.txt")));
    QVERIFY(listing.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = listing.readAll().split('\n');
    QCOMPARE(lines.mid(3, 2), (QList<QByteArray>{"0 - \r", "1 - MY GAME\r"}));
}

QTEST_MAIN(TestWindowCommands)
#include "tst_windowcommands.moc"
