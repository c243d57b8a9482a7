#include "FakeUserInterface.h"
#include "PictureButton.h"
#include "QtUserInterface.h"
#include "TestFiles.h"
#include "WindowLayout.h"
#include "frmMain.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace plakmund;

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

// Clicks whatever lies in front at the control's centre, as the user would.
void click(const QWidget &window, const QString &name)
{
    const QWidget *control = find(window, name);
    const QPoint centre = control->mapTo(&window, control->rect().center());
    QWidget *front = window.childAt(centre);
    QTest::mouseClick(front, Qt::LeftButton, {}, front->mapFrom(&window, centre));
}

// Drags data onto the widget from a source that offers these actions and, with
// Shift held, proposes to move; returns the action the widget took, if any.
Qt::DropAction drop(QWidget *target, const QList<QUrl> &urls, Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction,
                    const QString &text = {})
{
    QMimeData data;
    data.setUrls(urls);
    data.setText(text);
    QDragEnterEvent enter(target->rect().center(), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(target->rect().center(), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &dropped);
    return enter.isAccepted() && dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
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

QColor background(const QWidget *box)
{
    return box->palette().color(QPalette::Base);
}

// The rectangle around the pixels of an image that pass the test.
template <typename Test>
QRect pixelsWhere(const QImage &image, Test test)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found |= test(image.pixelColor(x, y)) ? QRect(x, y, 1, 1) : QRect();
    return found;
}

double luminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    return (std::max(luminance(a), luminance(b)) + 0.05) / (std::min(luminance(a), luminance(b)) + 0.05);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void startState()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Drennik's Plakmund for Kestrix v0.4 | Size: 2mb"));
        QCOMPARE(window.size(), window.maximumSize());
        QCOMPARE(window.size(), window.minimumSize());
        const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, "the window opens off the screen's centre");
        QCOMPARE(nameBox(window, 7)->font().pointSizeF(), 9.75);
        const QLabel *title = find<QLabel>(window, "Label2");
        QCOMPARE(title->font().pointSizeF(), 12.0);
        QCOMPARE(title->font().weight(), QFont::Bold);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QCOMPARE(find<QLabel>(window, "Picture1")->pixmap().size(), QSize(269, 377));

        // Tab starts at row 0's button and skips pictures, frames and disabled rows.
        QStringList visited{QApplication::focusWidget()->objectName()};
        click(window, "Command4");
        for (int i = 0; i < 17; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited.join(u' '), QStringLiteral("cmdLoadCRT_0 cmdLoadCRT_0 cmdLoadPLK Command1 Command2 Command6 Command5 "
                                                    "txtCRTName_0 txtCRTName_1 txtCRTName_2 txtCRTName_3 Command7 Command8 "
                                                    "Command3 cmdLoadCRT_1 cmdLoadCRT_2 cmdLoadCRT_3 Command4"));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown"); // the first thing the command shows
        QTest::addColumn<int>("rows");      // enabled rows after; "1mb" and "2mb" start in 512kb, "512kb" in 1mb

        const QString plk = QStringLiteral("Plakmund File(.plk)|*.plk");
        QTest::newRow("row 5") << "cmdLoadCRT_5" << "" << "open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin" << 16;
        QTest::newRow("Load CRT Set") << "cmdLoadPLK" << "Load CRT Set" << "open dialog [Load Plakmund File] " + plk << 16;
        QTest::newRow("Save CRT Set") << "Command1" << "Save CRT Set" << "save dialog [Save Plakmund File] " + plk + " overwrite-prompt" << 16;
        QTest::newRow("Save BIN File") << "Command2" << "Save BIN File"
                                       << "save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt" << 16;
        QTest::newRow("Help") << "Command3" << "Help" << messageLine("No Help available yet. Coming soon!", "OK", "none", "Plakmund") << 16;
        QTest::newRow("512kb") << "Command4" << "512kb" << "" << 4;
        QTest::newRow("1mb") << "Command7" << "1mb" << "" << 8;
        QTest::newRow("2mb, in front of the frame") << "Command8" << "2mb" << "" << 16;
        QTest::newRow("Clear All") << "Command6" << "Clear All" << "" << 16;
        QTest::newRow("Exit") << "Command5" << "Exit" << "" << 16;
    }

    void commands()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QFETCH(int, rows);

        // Every dialog gets a cartridge file, so a row's button shows which slot it
        // loads; the set and image commands find it is no set file or overwrite it.
        QTemporaryDir dir;
        FakeUserInterface ui;
        ui.dialogAnswers << writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 1, 0, "FIVE"));
        ui.messageAnswers = {MessageAnswer::Ok};
        frmMain window(&ui);
        window.show();
        if (rows < 16 || button == QLatin1String("Command8"))
            window.crtSet().setSizeMode(rows == 4 ? SizeMode::Size1mb : SizeMode::Size512kb);
        window.crtSet().setSlotStatus(0, SlotStatus::Ok);
        window.crtSet().setSlotName(0, QStringLiteral("ZERO"));

        click(window, button);

        QCOMPARE(find<QAbstractButton>(window, button)->text(), caption);
        QCOMPARE(ui.log.value(0), shown);
        int enabled = 0;
        for (int i = 0; i < SlotCount; ++i)
            enabled += nameBox(window, i)->isEnabled() + find(window, "cmdLoadCRT", i)->isEnabled();
        QCOMPARE(enabled, 2 * rows);
        QCOMPARE(window.windowTitle().section(u' ', -1), QStringList({"512kb", "1mb", "2mb"}).at(rows / 8));
        QCOMPARE(window.crtSet().slotName(5), button == QLatin1String("cmdLoadCRT_5") ? "FIVE" : "");
        QCOMPARE(nameBox(window, 0)->text(), button == QLatin1String("Command6") ? "" : "ZERO");
        QCOMPARE(find(window, "picStatus", 0)->toolTip(), QStringLiteral("Ok"));
        QCOMPARE(window.isVisible(), button != QLatin1String("Command5"));
    }

    void dropsAndStatusPictures()
    {
        QTemporaryDir dir;
        const QUrl game = QUrl::fromLocalFile(writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 3, 0, "DROPPED")));
        FakeUserInterface ui;
        frmMain window(&ui);
        window.crtSet().setSizeMode(SizeMode::Size512kb);
        QCOMPARE(drop(nameBox(window, 1), {}, Qt::CopyAction, game.toLocalFile()), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(window, 1), {QUrl(QStringLiteral("https://example.org/game.crt"))}), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(window, 1), {game}, Qt::MoveAction), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(window, 9), {game}), Qt::IgnoreAction);
        // Always a copy, and the drop returns before the file is loaded, so the
        // program it came from neither deletes the file nor waits.
        QCOMPARE(drop(nameBox(window, 2), {game, QUrl::fromLocalFile(dir.path())}), Qt::CopyAction);
        QCOMPARE(window.crtSet().slotLocation(2), QString());
        QTRY_COMPARE(window.crtSet().slotLocation(2), game.toLocalFile());
        QCOMPARE(nameBox(window, 1)->text() + nameBox(window, 9)->text() + nameBox(window, 2)->text(), "DROPPED");
        QCOMPARE(ui.log, QStringList());

        const QList<QPair<SlotStatus, QString>> pictures{{SlotStatus::Ok, "ok"}, {SlotStatus::ExromWarning, "error"},
            {SlotStatus::UnknownSettings, "error"}, {SlotStatus::UnknownDetails, "unknown"}};
        for (const auto &[status, picture] : pictures) {
            window.crtSet().setSlotStatus(2, status);
            QCOMPARE(find<QLabel>(window, "picStatus", 2)->pixmap().toImage(),
                     QImage(":/assets/status-" + picture + ".png").convertToFormat(QImage::Format_ARGB32_Premultiplied));
            // Empty takes the picture away and leaves the tooltip.
            window.crtSet().setSlotStatus(2, SlotStatus::Empty);
            QVERIFY(find<QLabel>(window, "picStatus", 2)->pixmap().isNull());
            QCOMPARE(find(window, "picStatus", 2)->toolTip(), statusTooltip(status));
        }
    }

    void aDropWaitsForTheCommand()
    {
        QTemporaryDir dir;
        const QUrl game = QUrl::fromLocalFile(writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 3, 0, "DROPPED")));
        FakeUserInterface ui;
        ui.dialogAnswers << writeFile(dir.filePath(QStringLiteral("empty.plk")), {});
        frmMain window(&ui);
        QStringList namesMeanwhile;
        ui.whilePendingEvents = [&] {
            QCoreApplication::processEvents();
            namesMeanwhile << window.crtSet().slotName(5);
        };
        QCOMPARE(drop(nameBox(window, 5), {game}), Qt::CopyAction);
        find<QAbstractButton>(window, "cmdLoadPLK")->click(); // lets pending events through once, after emptying the slots
        QCOMPARE(namesMeanwhile, QStringList{""});
        QCOMPARE(window.crtSet().slotName(5), QStringLiteral("DROPPED"));
    }

    void focusHighlightAndTypedNames()
    {
        // A default base colour that neither highlight colour can be taken for.
        const QPalette original = QApplication::palette();
        QPalette grey = original;
        grey.setColor(QPalette::Base, Qt::lightGray);
        QApplication::setPalette(grey);
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });

        QTemporaryDir dir;
        const QString raw = writeFile(dir.filePath(QStringLiteral("raw.bin")), cartridgeBytes(8192, 5));
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::mouseClick(nameBox(window, 3), Qt::LeftButton);
        QCOMPARE(background(nameBox(window, 3)), QColor(255, 255, 0));
        QTest::mouseClick(nameBox(window, 4), Qt::LeftButton);
        QCOMPARE(background(nameBox(window, 3)), QColor(255, 255, 255));

        // A file without header, dropped from another program, puts the focus into
        // its name box in the window, made active; what the user types replaces "???".
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QCOMPARE(drop(nameBox(window, 6), {QUrl::fromLocalFile(raw)}), Qt::CopyAction);
        QTRY_COMPARE(QApplication::focusWidget(), nameBox(window, 6));
        QCOMPARE(background(nameBox(window, 4)), QColor(255, 255, 255));
        QCOMPARE(background(nameBox(window, 6)), QColor(255, 255, 0));
        QTest::keyClicks(nameBox(window, 6), QStringLiteral("RAW GAME"));
        QCOMPARE(window.crtSet().slotName(6), QStringLiteral("RAW GAME"));

        click(window, "Command4");
        QCOMPARE(background(nameBox(window, 6)), QColor(255, 255, 255));
        QTest::mouseClick(nameBox(window, 9), Qt::LeftButton);
        QCOMPARE(background(nameBox(window, 9)), QColor(Qt::lightGray));
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("focused"); // row 3's name box: in 512kb
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("outcome"); // the first thing the fake logs, or the focus and the size after

        QTest::newRow("Return on Help") << "Command3" << QKeySequence(Qt::Key_Return) << "message [Plakmund]";
        QTest::newRow("Enter on row 1's button") << "cmdLoadCRT_1" << QKeySequence(Qt::Key_Enter) << "open dialog []";
        QTest::newRow("Enter on 512kb") << "Command4" << QKeySequence(Qt::Key_Enter) << "focus Command4 512kb";
        QTest::newRow("F1: Help") << "txtCRTName_0" << QKeySequence(QKeySequence::HelpContents) << "message [Plakmund]";
        QTest::newRow("Ctrl+O: Load CRT Set") << "txtCRTName_0" << QKeySequence(QKeySequence::Open) << "open dialog [Load Plakmund File]";
        QTest::newRow("Ctrl+S: Save CRT Set") << "txtCRTName_0" << QKeySequence(QKeySequence::Save) << "save dialog [Save Plakmund File]";
        QTest::newRow("Ctrl+B: Save BIN File") << "txtCRTName_0" << QKeySequence(Qt::CTRL | Qt::Key_B) << "save dialog [Save BIN Image]";
        QTest::newRow("Ctrl+Q: Exit") << "txtCRTName_0" << QKeySequence(Qt::CTRL | Qt::Key_Q) << "closed";
        QTest::newRow("Down") << "txtCRTName_0" << QKeySequence(Qt::Key_Down) << "focus txtCRTName_1 2mb";
        QTest::newRow("Up") << "txtCRTName_2" << QKeySequence(Qt::Key_Up) << "focus txtCRTName_1 2mb";
        QTest::newRow("Up at the top") << "txtCRTName_0" << QKeySequence(Qt::Key_Up) << "focus txtCRTName_0 2mb";
        QTest::newRow("Down, the rows below disabled") << "txtCRTName_3" << QKeySequence(Qt::Key_Down) << "focus txtCRTName_3 512kb";
    }

    void keyboard()
    {
        QFETCH(QString, focused);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, outcome);

        FakeUserInterface ui;
        ui.messageAnswers = {MessageAnswer::Ok};
        ui.dialogAnswers << QString();
        frmMain window(&ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (focused == QLatin1String("txtCRTName_3"))
            window.crtSet().setSizeMode(SizeMode::Size512kb);
        find(window, focused)->setFocus();
        QTest::keySequence(QApplication::focusWidget(), keys);
        const auto actual = [&] {
            const QWidget *focus = QApplication::focusWidget();
            return !window.isVisible() ? QStringLiteral("closed")
                                       : ui.log.value(0, QStringLiteral("focus %1 %2").arg(focus ? focus->objectName() : "none",
                                                                                           window.windowTitle().section(u' ', -1)));
        };
        QTRY_VERIFY2(actual().startsWith(outcome), qPrintable(actual()));
        QCOMPARE(find<QAbstractButton>(window, "Command2")->toolTip(), QStringLiteral("Save BIN File (Ctrl+B)"));
    }

    void accessibleNames()
    {
        frmMain window;
        window.show();
        window.crtSet().setSlotStatus(10, SlotStatus::ExromWarning);
        QSet<QString> names;
        for (QWidget *control : window.findChildren<QWidget *>()) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            if (!control->isVisible() || !accessible || accessible->role() == QAccessible::Client)
                continue;
            const QString name = accessible->text(QAccessible::Name);
            QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(control->objectName() + ": " + name));
            names << name;
        }
        const auto text = [&window](const QString &name, QAccessible::Text kind) {
            return QAccessible::queryAccessibleInterface(find(window, name))->text(kind);
        };
        QCOMPARE(text("cmdLoadCRT_10", QAccessible::Name), find(window, "cmdLoadCRT_10")->toolTip());
        QCOMPARE(text("cmdLoadCRT_10", QAccessible::Name), QStringLiteral("Load cartridge into slot A"));
        QCOMPARE(text("txtCRTName_10", QAccessible::Name), QStringLiteral("Slot A name"));
        QCOMPARE(text("txtCRTName_10", QAccessible::Description), QStringLiteral("EXROM Detected! Switch EXROM on Kestrix to Active(On)"));
        QCOMPARE(text("picStatus_10", QAccessible::Name), QStringLiteral("Slot A status: EXROM Detected! Switch EXROM on Kestrix to Active(On)"));
        window.crtSet().clearAll();
        QCOMPARE(text("txtCRTName_10", QAccessible::Description) + text("picStatus_10", QAccessible::Name), "No cartridgeSlot A status: No cartridge");
    }

    void readableUnderADarkPalette()
    {
        // Fusion with dark colours, as a dark desktop theme gives it.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        const QPalette original = QApplication::palette();
        QPalette dark = QApplication::style()->standardPalette();
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                     {QPalette::Base, QColor(35, 35, 35)}, {QPalette::Text, Qt::white},
                                     {QPalette::Button, QColor(53, 53, 53)}, {QPalette::ButtonText, Qt::white}})
            dark.setColor(role, colour);
        QApplication::setPalette(dark);
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });

        FakeUserInterface ui;
        frmMain window(&ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.crtSet().setSlotName(2, QStringLiteral("???"));
        nameBox(window, 2)->setFocus();
        nameBox(window, 1)->setFocus();
        QTRY_COMPARE(background(nameBox(window, 2)), QColor(255, 255, 255));
        const QImage box = nameBox(window, 2)->grab().toImage();
        const QImage title = find(window, "Label2")->grab().toImage();
        // The best contrast any pixel of the text makes with the background.
        const auto contrastOf = [](const QImage &image, const QColor &background) {
            double best = 1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    best = std::max(best, contrast(image.pixelColor(x, y), background));
            return best;
        };
        QVERIFY2(contrastOf(box.copy(4, 4, box.width() - 8, box.height() - 8), Qt::white) >= 4.5, "the name is too faint");
        QVERIFY2(contrastOf(title, QColor(53, 53, 53)) >= 3, "the title is too faint");
    }

    void messageBoxesAndDialogs()
    {
        // GNOME's layout puts Cancel before OK and No before Yes: the boxes keep their order all the same.
        struct GnomeLayout : QProxyStyle {
            using QProxyStyle::QProxyStyle;
            int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget, QStyleHintReturn *data) const override
            {
                return hint == SH_DialogButtonLayout ? QDialogButtonBox::GnomeLayout : QProxyStyle::styleHint(hint, option, widget, data);
            }
        };
        QApplication::setStyle(new GnomeLayout(QStyleFactory::create(QStringLiteral("Fusion"))));
        frmMain window;
        QtUserInterface ui(window);
        QStringList shown;
        // R(eturn), E(scape), C(lose), Y, N in turn; a box that stays open takes the next.
        const QList<QPair<MessageButtons, QString>> presses{{MessageButtons::OkCancel, "R"}, {MessageButtons::OkCancel, "E"},
            {MessageButtons::OkCancel, "C"}, {MessageButtons::YesNo, "ECR"}, {MessageButtons::YesNo, "N"}, {MessageButtons::Ok, "E"}};
        for (const auto &[buttons, keys] : presses) {
            answerModal<QMessageBox>([&, keys = keys](QMessageBox *box) {
                QList<QAbstractButton *> order = box->buttons();
                std::sort(order.begin(), order.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
                shown << box->windowTitle() + box->text() + QString::number(box->icon()) + ':' + box->defaultButton()->text();
                for (QAbstractButton *button : order)
                    shown.last() += ' ' + button->text();
                for (QChar key : keys) {
                    if (key == u'C')
                        box->close();
                    else
                        QTest::keyClick(box, QMap<QChar, Qt::Key>{{'R', Qt::Key_Return}, {'E', Qt::Key_Escape}, {'N', Qt::Key_N}}[key]);
                }
            });
            shown << QString::number(int(ui.showMessage({QStringLiteral("A\r\nB"), buttons, MessageIcon::Exclamation, "T"})));
        }
        QCOMPARE(shown, (QStringList{"TA\r\nB2:OK OK Cancel", "0", "TA\r\nB2:OK OK Cancel", "1", "TA\r\nB2:OK OK Cancel", "1",
                                     "TA\r\nB2:&Yes &Yes &No", "2", "TA\r\nB2:&Yes &Yes &No", "3", "TA\r\nB2:OK OK", "0"}));

        QTemporaryDir dir;
        shown.clear();
        for (const QString &name : {QStringLiteral("games.bin"), QString()}) {
            answerModal<QFileDialog>([&](QFileDialog *dialog) {
                shown << dialog->windowTitle() << dialog->nameFilters() << QString::number(dialog->acceptMode())
                      << QString::number(dialog->testOption(QFileDialog::DontConfirmOverwrite));
                dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(dir.filePath(name));
                name.isEmpty() ? dialog->reject() : static_cast<QDialog *>(dialog)->accept();
            });
            const FileDialogResult result = name.isEmpty() ? ui.showOpenDialog({{}, {"Rom(.crt, .bin)", {"*.crt", "*.bin"}}})
                                                           : ui.showSaveDialog({"Save BIN Image", {"Image", {"*.bin"}}, true});
            shown << result.path + u'|' + result.fileName;
        }
        QCOMPARE(shown, (QStringList{"Save BIN Image", "Image (*.bin)", "1", "0", dir.filePath("games.bin") + "|games.bin", "Open",
                                     "Rom(.crt, .bin) (*.crt *.bin)", "0", "1", "|"}));
    }

    void commandButtonAndTitlePictures()
    {
        // A command button shows its icon centred above its caption, which wraps at word boundaries.
        QPixmap red(16, 16);
        red.fill(Qt::red);
        PictureButton button(QStringLiteral("Save BIN File"), QIcon(red), nullptr);
        button.resize(65, 49);
        const QImage face = button.grab().toImage();
        const QRect icon = pixelsWhere(face, [](const QColor &c) { return c == Qt::red; });
        const QRect caption = pixelsWhere(face, [](const QColor &c) { return c != Qt::red && c.lightness() < 80; });
        QCOMPARE(icon.size(), QSize(16, 16));
        QVERIFY2(qAbs(icon.center().x() - caption.center().x()) <= 1 && qAbs(icon.center().x() - 32) <= 1, "not centred");
        QVERIFY2(icon.bottom() < caption.top() && caption.bottom() < 46, "the caption is not below the icon");
        QVERIFY2(caption.height() > button.fontMetrics().height(), "the caption is not on two lines");

        // The title wraps onto a second line rather than being cut off.
        frmMain window;
        QLabel *label = find<QLabel>(window, "Label2");
        const QImage title = label->grab().toImage();
        const QRect text = pixelsWhere(title, [](const QColor &c) { return c.red() > 120 && c.green() < 60; });
        QVERIFY2(text.height() > label->fontMetrics().height() && text.left() > 0 && text.right() < title.width() - 1,
                 "the title is not two whole lines");
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
