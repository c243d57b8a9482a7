#include "FakeUserInterface.h"
#include "PictureButton.h"
#include "QtUserInterface.h"
#include "TestFiles.h"
#include "WindowLayout.h"
#include "frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)
Q_DECLARE_METATYPE(plakmund::MessageButtons)
Q_DECLARE_METATYPE(plakmund::MessageAnswer)

namespace {

template <typename Control = QWidget>
Control *find(const QWidget &window, const QString &name, int index = -1)
{
    return window.findChild<Control *>(index < 0 ? name : memberName(name, index));
}

QLineEdit *nameBox(const QWidget &window, int slot)
{
    return find<QLineEdit>(window, QStringLiteral("txtCRTName"), slot);
}

int enabledRows(const QWidget &window)
{
    int rows = 0;
    for (int i = 0; i < SlotCount; ++i)
        rows += nameBox(window, i)->isEnabled() && find(window, QStringLiteral("cmdLoadCRT"), i)->isEnabled();
    return rows;
}

// Clicks whatever lies in front at the control's centre, as the user would.
void click(const QWidget &window, const QString &name)
{
    const QWidget *control = find(window, name);
    const QPoint centre = control->mapTo(&window, control->rect().center());
    QWidget *front = window.childAt(centre);
    QTest::mouseClick(front, Qt::LeftButton, {}, front->mapFrom(&window, centre));
}

// Drags data onto the widget and drops it there; tells whether both were taken.
bool drop(QWidget *target, const QList<QUrl> &urls, const QString &text = {})
{
    QMimeData data;
    data.setUrls(urls);
    data.setText(text);
    QDragEnterEvent enter(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(target->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return enter.isAccepted() && dropped.isAccepted();
}

// Answers the next modal dialog from inside its event loop, once it shows.
template <typename Dialog, typename Answer>
void answerModal(Answer answer)
{
    QTimer::singleShot(10, qApp, [answer] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget()))
            answer(dialog);
        else
            answerModal<Dialog>(answer);
    });
}

const QColor Yellow(255, 255, 0), White(255, 255, 255);

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void commands_data();
    void commands();
    void drops_data();
    void drops();
    void focusHighlight();
    void statusPictures_data();
    void statusPictures();
    void messageBoxes_data();
    void messageBoxes();
    void fileDialog();
    void picturesAndWrappedTitle();
};

void TestWindow::startState()
{
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Drennik's Plakmund for Kestrix v0.4 | Size: 2mb"));
    QCOMPARE(window.size(), QSize(544, 480));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
    QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, "the window opens off the screen's centre");
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdLoadCRT_0"));
    QCOMPARE(enabledRows(window), 16);
    for (int i = 0; i < SlotCount; ++i) {
        QVERIFY(nameBox(window, i)->text().isEmpty() && find(window, "picStatus", i)->toolTip().isEmpty());
        QVERIFY(!find(window, "txtCRTLoc", i)->isVisible());
    }
    for (const char *holder : {"picOK", "picError", "picUnkown", "picBlank"})
        QVERIFY(!find(window, holder)->isVisible());
    QCOMPARE(nameBox(window, 7)->font().pointSizeF(), 9.75);
    auto *title = find<QLabel>(window, "Label2");
    QCOMPARE(title->font().pointSizeF(), 12.0);
    QCOMPARE(title->font().weight(), QFont::Bold);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QCOMPARE(find<QLabel>(window, "Picture1")->pixmap().size(), QSize(269, 377));

    // Tab skips what can't take the focus: the pictures, the frames and the disabled rows.
    click(window, "Command4");
    const QStringList order{"cmdLoadCRT_0", "cmdLoadPLK", "Command1", "Command2", "Command6", "Command5", "txtCRTName_0",
                            "txtCRTName_1", "txtCRTName_2", "txtCRTName_3", "Command7", "Command8", "Command3",
                            "cmdLoadCRT_1", "cmdLoadCRT_2", "cmdLoadCRT_3", "Command4"};
    QStringList visited;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void TestWindow::commands_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown"); // the first thing the command shows
    QTest::addColumn<int>("rows");      // enabled rows afterwards; "1mb" and "2mb" start from 512kb, "512kb" from 1mb

    const QString plk = QStringLiteral("Plakmund File(.plk)|*.plk");
    QTest::newRow("row 5's load button") << "cmdLoadCRT_5" << "" << "open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin" << 16;
    QTest::newRow("Load CRT Set") << "cmdLoadPLK" << "Load CRT Set" << "open dialog [Load Plakmund File] " + plk << 16;
    QTest::newRow("Save CRT Set") << "Command1" << "Save CRT Set" << "save dialog [Save Plakmund File] " + plk + " overwrite-prompt" << 16;
    QTest::newRow("Save BIN File") << "Command2" << "Save BIN File"
                                   << "save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt" << 16;
    QTest::newRow("Help") << "Command3" << "Help" << messageLine("No Help available yet. Coming soon!", "OK", "none", "Plakmund") << 16;
    QTest::newRow("512kb") << "Command4" << "512kb" << "" << 4;
    QTest::newRow("1mb") << "Command7" << "1mb" << "" << 8;
    QTest::newRow("2mb, over the frame") << "Command8" << "2mb" << "" << 16;
    QTest::newRow("Clear All") << "Command6" << "Clear All" << "" << 16;
    QTest::newRow("Exit") << "Command5" << "Exit" << "" << 16;
}

void TestWindow::commands()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(int, rows);

    // Every dialog gets a cartridge file, so a row's button shows which slot it
    // loads; the set and image commands find it is no set file or overwrite it.
    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 1, 0, "FIVE"));
    FakeUserInterface ui;
    ui.dialogAnswers << path;
    ui.messageAnswers = {MessageAnswer::Ok};
    frmMain window(&ui);
    window.show();
    if (button == QLatin1String("Command4"))
        window.crtSet().setSizeMode(SizeMode::Size1mb);
    if (button == QLatin1String("Command7") || button == QLatin1String("Command8"))
        window.crtSet().setSizeMode(SizeMode::Size512kb);
    window.crtSet().setSlotStatus(0, SlotStatus::Ok);
    window.crtSet().setSlotName(0, QStringLiteral("ZERO"));

    click(window, button);

    QCOMPARE(find<QAbstractButton>(window, button)->text(), caption);
    QCOMPARE(ui.log.value(0), shown);
    QCOMPARE(enabledRows(window), rows);
    QCOMPARE(window.windowTitle().section(u' ', -1), QStringList({"512kb", "1mb", "2mb"}).at(rows / 8));
    QCOMPARE(window.crtSet().slotName(5), button == QLatin1String("cmdLoadCRT_5") ? "FIVE" : "");
    QCOMPARE(nameBox(window, 0)->text(), button == QLatin1String("Command6") ? "" : "ZERO");
    QCOMPARE(find(window, "picStatus", 0)->toolTip(), QStringLiteral("Ok"));
    QCOMPARE(window.isVisible(), button != QLatin1String("Command5"));
}

void TestWindow::drops_data()
{
    QTest::addColumn<QString>("dropped"); // "files", "text" or "remote"
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("taken");

    QTest::newRow("two files: the first loads") << "files" << 2 << true;
    QTest::newRow("a path as text") << "text" << 2 << false;
    QTest::newRow("a remote file") << "remote" << 2 << false;
    QTest::newRow("onto a disabled row") << "files" << 9 << false;
}

void TestWindow::drops()
{
    QFETCH(QString, dropped);
    QFETCH(int, slot);
    QFETCH(bool, taken);

    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 3, 0, "DROPPED"));
    const QString second = writeFile(dir.filePath(QStringLiteral("second.bin")), cartridgeBytes(16384, 4));
    FakeUserInterface ui;
    frmMain window(&ui);
    window.crtSet().setSizeMode(SizeMode::Size512kb);

    QList<QUrl> urls{QUrl::fromLocalFile(path), QUrl::fromLocalFile(second)};
    if (dropped == QLatin1String("remote"))
        urls = {QUrl(QStringLiteral("https://example.org/game.crt"))};
    QCOMPARE(drop(nameBox(window, slot), dropped == QLatin1String("text") ? QList<QUrl>{} : urls, path), taken);
    QCOMPARE(ui.log, QStringList());
    QCOMPARE(nameBox(window, slot)->text(), taken ? QStringLiteral("DROPPED") : QString());
    QCOMPARE(find<QLineEdit>(window, "txtCRTLoc", slot)->text(), taken ? path : QString());
}

void TestWindow::focusHighlight()
{
    // A default base colour that neither highlight colour can be taken for.
    const QPalette original = QApplication::palette();
    QPalette grey = original;
    grey.setColor(QPalette::Base, Qt::lightGray);
    QApplication::setPalette(grey);
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
    const auto background = [](QWidget *box) { return box->palette().color(QPalette::Base); };

    QTemporaryDir dir;
    const QString raw = writeFile(dir.filePath(QStringLiteral("raw.bin")), cartridgeBytes(8192, 5));
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(nameBox(window, 3), Qt::LeftButton);
    QCOMPARE(background(nameBox(window, 3)), Yellow);
    QTest::mouseClick(nameBox(window, 4), Qt::LeftButton);
    QCOMPARE(background(nameBox(window, 3)), White);
    QCOMPARE(background(nameBox(window, 4)), Yellow);

    // A file without header puts the focus into its name box, where a typed name is the slot's name.
    QVERIFY(drop(nameBox(window, 6), {QUrl::fromLocalFile(raw)}));
    QCOMPARE(QApplication::focusWidget(), nameBox(window, 6));
    QCOMPARE(background(nameBox(window, 4)), White);
    QCOMPARE(background(nameBox(window, 6)), Yellow);
    QTest::keyClick(nameBox(window, 6), Qt::Key_Home);
    QTest::keyClicks(nameBox(window, 6), QStringLiteral("MY "));
    QCOMPARE(window.crtSet().slotName(6), QStringLiteral("MY ???"));

    click(window, "Command4");
    QCOMPARE(background(nameBox(window, 6)), White);
    QTest::mouseClick(nameBox(window, 9), Qt::LeftButton);
    QCOMPARE(background(nameBox(window, 9)), QColor(Qt::lightGray));
    QCOMPARE(background(nameBox(window, 0)), QColor(Qt::lightGray));
}

void TestWindow::statusPictures_data()
{
    QTest::addColumn<SlotStatus>("status");
    QTest::addColumn<QString>("holder");

    QTest::newRow("Ok") << SlotStatus::Ok << "picOK";
    QTest::newRow("ExromWarning") << SlotStatus::ExromWarning << "picError";
    QTest::newRow("UnknownSettings") << SlotStatus::UnknownSettings << "picError";
    QTest::newRow("UnknownDetails") << SlotStatus::UnknownDetails << "picUnkown";
}

void TestWindow::statusPictures()
{
    QFETCH(SlotStatus, status);
    QFETCH(QString, holder);

    frmMain window;
    const auto picture = [&window](const QString &name, int index = -1) {
        return find<QLabel>(window, name, index)->pixmap().toImage();
    };
    window.crtSet().setSlotStatus(3, status);
    QCOMPARE(picture("picStatus", 3), picture(holder));
    QCOMPARE(find(window, "picStatus", 3)->toolTip(), statusTooltip(status));
    // Empty takes the picture away and leaves the tooltip.
    window.crtSet().setSlotStatus(3, SlotStatus::Empty);
    QCOMPARE(picture("picStatus", 3), picture("picBlank"));
    QCOMPARE(picture("picBlank").pixelColor(8, 8).alpha(), 0);
    QCOMPARE(find(window, "picStatus", 3)->toolTip(), statusTooltip(status));
}

void TestWindow::messageBoxes_data()
{
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<int>("key"); // a key pressed, or 0 to close the box
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("OK: Return") << MessageButtons::Ok << int(Qt::Key_Return) << MessageAnswer::Ok;
    QTest::newRow("OK and Cancel: Return takes OK") << MessageButtons::OkCancel << int(Qt::Key_Return) << MessageAnswer::Ok;
    QTest::newRow("OK and Cancel: Escape") << MessageButtons::OkCancel << int(Qt::Key_Escape) << MessageAnswer::Cancel;
    QTest::newRow("OK and Cancel: closed") << MessageButtons::OkCancel << 0 << MessageAnswer::Cancel;
    QTest::newRow("Yes and No: Y") << MessageButtons::YesNo << int(Qt::Key_Y) << MessageAnswer::Yes;
    QTest::newRow("Yes and No: N") << MessageButtons::YesNo << int(Qt::Key_N) << MessageAnswer::No;
}

void TestWindow::messageBoxes()
{
    QFETCH(MessageButtons, buttons);
    QFETCH(int, key);
    QFETCH(MessageAnswer, answer);

    frmMain window;
    QtUserInterface ui(window);
    QStringList shown;
    answerModal<QMessageBox>([&](QMessageBox *box) {
        shown << box->windowTitle() << box->text() << QString::number(box->icon());
        key ? QTest::keyClick(box, Qt::Key(key)) : void(box->close());
    });
    QCOMPARE(ui.showMessage({QStringLiteral("Line 1\r\nLine 2"), buttons, MessageIcon::Exclamation, "Title"}), answer);
    QCOMPARE(shown, (QStringList{"Title", "Line 1\r\nLine 2", QString::number(QMessageBox::Warning)}));
}

void TestWindow::fileDialog()
{
    QTemporaryDir dir;
    frmMain window;
    QtUserInterface ui(window);
    QStringList shown;
    for (const QString &name : {QStringLiteral("games.bin"), QString()}) {
        answerModal<QFileDialog>([&](QFileDialog *dialog) {
            shown << dialog->windowTitle() << dialog->nameFilters() << QString::number(dialog->acceptMode())
                  << QString::number(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name.isEmpty() ? name : dir.filePath(name));
            name.isEmpty() ? dialog->reject() : static_cast<QDialog *>(dialog)->accept();
        });
        const FileDialogResult result = name.isEmpty() ? ui.showOpenDialog({{}, {"Cartridge Rom(.crt, .bin)", {"*.crt", "*.bin"}}})
                                                       : ui.showSaveDialog({"Save BIN Image", {"Image", {"*.bin"}}, true});
        QCOMPARE(result.path + u'|' + result.fileName, name.isEmpty() ? "|" : dir.filePath(name) + "|" + name);
    }
    QCOMPARE(shown, (QStringList{"Save BIN Image", "Image (*.bin)", "1", "0", "Open", "Cartridge Rom(.crt, .bin) (*.crt *.bin)", "0", "1"}));
}

void TestWindow::picturesAndWrappedTitle()
{
    // A command button shows its icon centred above its caption, which wraps at word boundaries.
    QPixmap red(16, 16);
    red.fill(Qt::red);
    PictureButton button(QStringLiteral("Save BIN File"), QIcon(red), nullptr);
    button.resize(65, 49);
    const QImage face = button.grab().toImage();
    QRect icon, caption;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QColor colour = face.pixelColor(x, y);
            if (colour == Qt::red)
                icon |= QRect(x, y, 1, 1);
            else if (colour.lightness() < 80)
                caption |= QRect(x, y, 1, 1);
        }
    }
    QCOMPARE(icon.size(), QSize(16, 16));
    QVERIFY2(qAbs(icon.center().x() - caption.center().x()) <= 1 && qAbs(icon.center().x() - 32) <= 1, "not centred");
    QVERIFY2( icon.bottom() < caption.top() && caption.bottom() < 46, "the caption is not below the icon");
    QVERIFY2(caption.height() > button.fontMetrics().height(), "the caption is not on two lines");

    // The title wraps at word boundaries onto a second line rather than being cut off.
    frmMain window;
    QLabel *label = find<QLabel>(window, "Label2");
    const QImage title = label->grab().toImage();
    QList<int> redRows;
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x)
            if (title.pixelColor(x, y).red() > 120 && title.pixelColor(x, y).green() < 60) {
                redRows << y;
                break;
            }
    }
    QVERIFY2(!redRows.isEmpty() && redRows.last() - redRows.first() > QFontMetrics(label->font()).height(), "the title is one line");
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
