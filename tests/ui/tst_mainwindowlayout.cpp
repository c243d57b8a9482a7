#include "WindowLayout.h"
#include "frmMain.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

using namespace plakmund;

namespace {

template <typename Control = QWidget>
Control *Find(const QWidget &window, const QString &name)
{
    return window.findChild<Control *>(name);
}

QStringList Members(const char *name, int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << MemberName(QString::fromLatin1(name), i);
    return names;
}

} // namespace

class TestMainWindowLayout : public QObject {
    Q_OBJECT

private slots:
    void controlRects_data();
    void controlRects();
    void startState();
    void frontToBack_data();
    void frontToBack();
    void tabOrder_data();
    void tabOrder();
};

void TestMainWindowLayout::controlRects_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("rect");

    // Worked out by hand from the design's twips, 15 to a pixel.
    for (int i = 0; i < 16; ++i) {
        QTest::addRow("cmdLoadCRT_%d", i) << "frmMain" << QRect(8, 8 + 24 * i, 41, 25);
        QTest::addRow("txtCRTName_%d", i) << "frmMain" << QRect(48, 8 + 24 * i, 183, 27);
        QTest::addRow("picStatus_%d", i) << "frmMain" << QRect(232, 14 + 24 * i, 16, 16);
        QTest::addRow("txtCRTLoc_%d", i) << "frmMain" << QRect(624, 8 + 24 * i, 377, 25);
    }
    QTest::newRow("Frame2") << "frmMain" << QRect(264, 3, 273, 57);
    QTest::newRow("Label2") << "Frame2" << QRect(8, 8, 241, 49);
    QTest::newRow("Picture1") << "frmMain" << QRect(264, 67, 271, 379);
    QTest::newRow("Frame1") << "frmMain" << QRect(8, 400, 531, 73);
    QTest::newRow("cmdLoadPLK") << "Frame1" << QRect(96, 16, 65, 49);
    QTest::newRow("Command1") << "Frame1" << QRect(168, 16, 65, 49);
    QTest::newRow("Command2") << "Frame1" << QRect(240, 16, 65, 49);
    QTest::newRow("Command6") << "Frame1" << QRect(312, 16, 65, 49);
    QTest::newRow("Command3") << "Frame1" << QRect(384, 16, 65, 49);
    QTest::newRow("Command5") << "Frame1" << QRect(456, 16, 65, 49);
    QTest::newRow("Command4") << "Frame1" << QRect(24, 16, 43, 20);
    QTest::newRow("Command7") << "Frame1" << QRect(8, 40, 41, 20);
    QTest::newRow("Command8") << "frmMain" << QRect(56, 440, 41, 20);
    QTest::newRow("picOK") << "frmMain" << QRect(632, 416, 17, 17);
    QTest::newRow("picError") << "frmMain" << QRect(632, 440, 17, 17);
    QTest::newRow("picUnkown") << "frmMain" << QRect(680, 440, 17, 17);
    QTest::newRow("picBlank") << "frmMain" << QRect(648, 424, 17, 17);
}

void TestMainWindowLayout::controlRects()
{
    QFETCH(QString, container);
    QFETCH(QRect, rect);

    const frmMain window;
    const QWidget *control = Find(window, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), rect);
}

void TestMainWindowLayout::startState()
{
    frmMain window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Drennik's Plakmund for Kestrix v0.4 | Size: 2mb"));
    QCOMPARE(window.minimumSize(), QSize(544, 480));
    QCOMPARE(window.maximumSize(), QSize(544, 480));
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(256, 256)));
    for (int i = 0; i < 16; ++i) {
        auto *status = Find<QLabel>(window, MemberName(u"picStatus", i));
        QVERIFY(status->pixmap().isNull() && status->toolTip().isEmpty());
        QVERIFY(Find<QLineEdit>(window, MemberName(u"txtCRTName", i))->text().isEmpty());
        QVERIFY(Find(window, MemberName(u"txtCRTName", i))->isEnabled());
        QVERIFY(Find(window, MemberName(u"cmdLoadCRT", i))->isEnabled());
        QVERIFY(!Find(window, MemberName(u"txtCRTLoc", i))->isVisibleTo(&window));
    }
    for (const char *holder : {"picOK", "picError", "picUnkown", "picBlank"})
        QVERIFY(!Find(window, QLatin1String(holder))->isVisibleTo(&window));
    const QStringList captions = {"Load CRT Set", "Save CRT Set", "Save BIN File", "Clear All", "Help", "Exit",
                                  "512kb", "1mb", "2mb"};
    const QStringList names = {"cmdLoadPLK", "Command1", "Command2", "Command6", "Command3", "Command5",
                               "Command4", "Command7", "Command8"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(Find<QAbstractButton>(window, names[i])->text(), captions[i]);
    QCOMPARE(Find<QLabel>(window, QStringLiteral("Picture1"))->pixmap().size(), QSize(269, 377));

    // Where "MS Sans Serif" is missing, the toolkit's general font family stands in.
    const QString family = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
        ? QStringLiteral("MS Sans Serif")
        : QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
    const QFont nameFont = Find(window, QStringLiteral("txtCRTName_7"))->font();
    QCOMPARE(QFontInfo(nameFont).family(), family);
    QCOMPARE(nameFont.pointSizeF(), 9.75);
    QCOMPARE(nameFont.weight(), QFont::Normal);
    auto *title = Find<QLabel>(window, QStringLiteral("Label2"));
    QCOMPARE(title->text(), QStringLiteral("Drennik's Plakmund for Kestrix"));
    QCOMPARE(QFontInfo(title->font()).family(), family);
    QCOMPARE(title->font().pointSizeF(), 12.0);
    QCOMPARE(title->font().weight(), QFont::Bold);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QVERIFY(title->alignment() & Qt::AlignHCenter);

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdLoadCRT_0"));
    // Centred on the screen, give or take the rounding of odd sizes.
    const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, "the window opens off the screen's centre");
}

void TestMainWindowLayout::frontToBack_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("frontmost");

    QTest::newRow("Frame1 over the foot of Picture1") << QPoint(300, 405) << "Frame1";
    QTest::newRow("2mb's top left corner over Frame1") << QPoint(56, 440) << "Command8";
    QTest::newRow("2mb's bottom right corner over Frame1") << QPoint(96, 459) << "Command8";
    QTest::newRow("row 1's button over its name box") << QPoint(48, 40) << "cmdLoadCRT_1";
    QTest::newRow("row 0's name box over its button") << QPoint(48, 10) << "txtCRTName_0";
    QTest::newRow("row 1's button over row 0's") << QPoint(20, 32) << "cmdLoadCRT_1";
    QTest::newRow("row 15's name box over row 14's") << QPoint(100, 369) << "txtCRTName_15";
}

void TestMainWindowLayout::frontToBack()
{
    QFETCH(QPoint, point);
    QFETCH(QString, frontmost);

    frmMain window;
    QWidget *control = window.childAt(point);
    QCOMPARE(control->objectName(), frontmost);
    // What lies in front takes the click there.
    if (frontmost == QLatin1String("Command8")) {
        QTest::mouseClick(Find(window, QStringLiteral("Command4")), Qt::LeftButton);
        QTest::mouseClick(control, Qt::LeftButton, {}, control->mapFrom(&window, point));
        QCOMPARE(window.crtSet().sizeMode(), SizeMode::Size2mb);
    }
}

void TestMainWindowLayout::tabOrder_data()
{
    QTest::addColumn<QString>("sizeButton");
    QTest::addColumn<int>("rows");

    QTest::newRow("2mb: all rows") << "Command8" << 16;
    QTest::newRow("1mb: rows 8 to 15 skipped") << "Command7" << 8;
    QTest::newRow("512kb: rows 4 to 15 skipped") << "Command4" << 4;
}

void TestMainWindowLayout::tabOrder()
{
    QFETCH(QString, sizeButton);
    QFETCH(int, rows);

    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(Find(window, sizeButton), Qt::LeftButton);
    Find(window, QStringLiteral("cmdLoadCRT_0"))->setFocus();

    const QStringList expected = QStringList{"cmdLoadPLK", "Command1", "Command2", "Command6", "Command5"}
        + Members("txtCRTName", 0, rows - 1) + QStringList{"Command7", "Command8", "Command3"}
        + Members("cmdLoadCRT", 1, rows - 1) + QStringList{"Command4", "cmdLoadCRT_0"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindowlayout.moc"
