#include "FakeUserInterface.h"
#include "PictureButton.h"
#include "QtUserInterface.h"
#include "TestFiles.h"
#include "WindowLayout.h"
#include "frmMain.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QProxyStyle>
#include <QScreen>
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
Qt::DropAction drop(QWidget *target, const QList<QUrl> &urls, Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(target->rect().center(), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropped(target->rect().center(), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(target, &dropped);
    return enter.isAccepted() && dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
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

// The contrast ratio of the web's accessibility guidelines between two colours.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    return (std::max(luminance(a), luminance(b)) + 0.05) / (std::min(luminance(a), luminance(b)) + 0.05);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    // One session in the window, as a user has it: its start, each button and
    // key, drops, the focus highlight and the names typed, under a dark palette
    // at the end, then Clear All and Exit.
    void session()
    {
        QTemporaryDir dir;
        const QUrl game = QUrl::fromLocalFile(writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 3, 0, "GAME")));
        const QUrl raw = QUrl::fromLocalFile(writeFile(dir.filePath(QStringLiteral("raw.bin")), cartridgeBytes(8192, 5)));
        FakeUserInterface ui;
        ui.dialogAnswers = {game.toLocalFile(), "", "", "", "", "", "", "", writeFile(dir.filePath(QStringLiteral("empty.plk")), {})};
        ui.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok};
        frmMain window(&ui);
        const auto nameBox = [&window](int slot) { return find<QLineEdit>(window, QStringLiteral("txtCRTName"), slot); };
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, "the window opens off the screen's centre");
        QCOMPARE(find(window, "Label2")->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QCOMPARE(find(window, "Label2")->font().weight(), QFont::Bold);
        // The board's bitmap inside a one-pixel border, and the window's joystick.
        QCOMPARE(find<QLabel>(window, "Picture1")->pixmap().toImage(),
                 QImage(QFINDTESTDATA("../../assets/board.bmp")).convertToFormat(QImage::Format_RGB32));
        QCOMPARE((QList<QSize>{find(window, "Picture1")->contentsRect().size(), window.windowIcon().availableSizes().value(0)}),
                 (QList<QSize>{{269, 377}, {32, 32}}));
        // Row 1's button lies in front of its name box, row 0's behind.
        QCOMPARE(window.childAt(48, 40)->objectName() + ' ' + window.childAt(48, 10)->objectName(), "cmdLoadCRT_1 txtCRTName_0");

        // Tab starts at row 0's button and skips pictures and frames.
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 41; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName().remove(QStringLiteral("txtCRTName_")).remove(QStringLiteral("cmdLoadCRT_"));
        }
        QCOMPARE(visited.join(u' '), QStringLiteral("cmdLoadCRT_0 cmdLoadPLK Command1 Command2 Command6 Command5 0 1 2 3 4 5 6 7 8 9 10 11 "
                                                    "12 13 14 15 Command7 Command8 Command3 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 Command4 0"));

        // Each button reaches its own command, each by click and the keys by key: the first dialog
        // gets a cartridge file, which shows the slot a row's button loads; the others are cancelled.
        const QList<std::tuple<const char *, QKeySequence, QString>> presses{
            {"cmdLoadCRT_5", {}, "open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin"}, {"cmdLoadCRT_1", Qt::Key_Enter, "open dialog []"},
            {"cmdLoadPLK", {}, "open dialog [Load Plakmund File] Plakmund File(.plk)|*.plk"},
            {"txtCRTName_0", QKeySequence::Open, "open dialog [Load Plakmund File]"},
            {"Command1", {}, "save dialog [Save Plakmund File] Plakmund File(.plk)|*.plk overwrite-prompt"},
            {"txtCRTName_0", QKeySequence::Save, "save dialog [Save Plakmund File]"},
            {"Command2", {}, "save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt"},
            {"txtCRTName_0", Qt::CTRL | Qt::Key_B, "save dialog [Save BIN Image]"},
            {"Command3", {}, messageLine("No Help available yet. Coming soon!", "OK", "none", "Plakmund")},
            {"Command3", Qt::Key_Return, "message [Plakmund]"}, {"txtCRTName_0", QKeySequence::HelpContents, "message [Plakmund]"},
            {"txtCRTName_0", Qt::Key_Down, "txtCRTName_1 2mb"}, {"txtCRTName_2", Qt::Key_Up, "txtCRTName_1 2mb"},
            {"txtCRTName_0", Qt::Key_Up, "txtCRTName_0 2mb"}, {"Command4", {}, "Command4 512kb 8"}, {"Command7", {}, "Command7 1mb 16"},
            {"Command4", Qt::Key_Enter, "Command4 512kb 8"}, {"Command8", {}, "Command8 2mb 32"}, {"Command4", {}, "Command4 512kb 8"},
            {"txtCRTName_3", Qt::Key_Down, "txtCRTName_3 512kb 8"}};
        for (const auto &[control, keys, outcome] : presses) {
            ui.log.clear();
            find(window, control)->setFocus();
            keys.isEmpty() ? click(window, control) : QTest::keySequence(QApplication::focusWidget(), keys);
            int rows = 0;
            for (int i = 0; i < SlotCount; ++i)
                rows += nameBox(i)->isEnabled() + find(window, "cmdLoadCRT", i)->isEnabled();
            const QString focus = QApplication::focusWidget()->objectName() + ' ' + window.windowTitle().section(u' ', -1);
            QTRY_COMPARE(ui.log.value(0, focus + ' ' + QString::number(rows)).left(outcome.size()), outcome);
        }
        QCOMPARE(window.crtSet().slotName(5), QStringLiteral("GAME"));
        QCOMPARE(find<QAbstractButton>(window, "Command2")->toolTip(), QStringLiteral("Save BIN File (Ctrl+B)"));
        // Up and Down select the name they come to, and it loses the selection with the focus.
        window.crtSet().setSlotName(2, QStringLiteral("TWO"));
        QTest::keyClick(nameBox(3), Qt::Key_Up);
        const QString selected = nameBox(2)->selectedText();
        QTest::keyClick(nameBox(2), Qt::Key_Up);
        QCOMPARE(selected + '|' + nameBox(2)->selectedText(), QStringLiteral("TWO|"));
        for (const char *button : {"cmdLoadCRT_15", "cmdLoadPLK", "Command1", "Command2", "Command6", "Command3", "Command5"})
            QVERIFY2(!find<QAbstractButton>(window, button)->icon().isNull(), button);

        // Drops: only local files, only as a copy, and only on enabled rows. The
        // file loads after the drop has returned, and after a running command.
        QCOMPARE(drop(nameBox(1), {QUrl(QStringLiteral("https://example.org/game.crt"))}), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(1), {game}, Qt::MoveAction), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(9), {game}), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(2), {game, raw}), Qt::CopyAction);
        QCOMPARE(window.crtSet().slotLocation(2), QString());
        QStringList namesMeanwhile;
        ui.whilePendingEvents = [&] {
            QCoreApplication::processEvents();
            namesMeanwhile << window.crtSet().slotName(2);
        };
        find<QAbstractButton>(window, "cmdLoadPLK")->click(); // a set file without records: every slot empties
        QCOMPARE(namesMeanwhile, QStringList{""});
        QCOMPARE(nameBox(1)->text() + nameBox(9)->text() + nameBox(2)->text(), "GAME");

        // Each status shows its picture; Empty takes the picture away and leaves the tooltip.
        for (const auto &[status, picture] : {std::pair{SlotStatus::Ok, "ok"}, {SlotStatus::ExromWarning, "error"},
                                              {SlotStatus::UnknownSettings, "error"}, {SlotStatus::UnknownDetails, "unknown"}}) {
            window.crtSet().setSlotStatus(2, status);
            const QImage shown = find<QLabel>(window, "picStatus", 2)->pixmap().toImage();
            window.crtSet().setSlotStatus(2, SlotStatus::Empty);
            const QImage asset(QStringLiteral(":/assets/status-%1.png").arg(picture));
            QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), asset.convertToFormat(QImage::Format_ARGB32_Premultiplied));
            QVERIFY(find<QLabel>(window, "picStatus", 2)->pixmap().isNull() && find(window, "picStatus", 2)->toolTip() == statusTooltip(status));
        }

        // Screen readers find every control by a name of its own; a name box tells its slot's status.
        window.crtSet().setSlotStatus(10, SlotStatus::ExromWarning);
        QSet<QString> names;
        for (QWidget *control : window.findChildren<QWidget *>()) {
            const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(!control->isVisible() || (!name.isEmpty() && !names.contains(name)), qPrintable(control->objectName() + ": " + name));
            names << name;
        }
        const auto text = [&window](const QString &name, QAccessible::Text kind) {
            return QAccessible::queryAccessibleInterface(find(window, name))->text(kind);
        };
        const QString exrom = statusTooltip(SlotStatus::ExromWarning);
        QCOMPARE((QStringList{text("cmdLoadCRT_10", QAccessible::Name), find(window, "cmdLoadCRT_10")->toolTip(),
                              text("txtCRTName_10", QAccessible::Name), text("txtCRTName_10", QAccessible::Description),
                              text("picStatus_10", QAccessible::Name), text("Label2", QAccessible::Description)}),
                 (QStringList{"Load cartridge into slot A", "Load cartridge into slot A", "Slot A name", exrom, "Slot A status: " + exrom,
                              "The program's name"}));

        // Under a dark palette, as a dark desktop theme gives it, text stays readable
        // on the forced colours of the focus highlight, and so does the title.
        QPalette dark = QApplication::palette();
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                     {QPalette::Base, QColor(35, 35, 35)}, {QPalette::Text, Qt::white}})
            dark.setColor(role, colour);
        const QPalette original = QApplication::palette();
        QApplication::setPalette(dark);
        QCoreApplication::processEvents(); // the widgets take a new palette from a posted event
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
        window.crtSet().setSizeMode(SizeMode::Size512kb);
        window.crtSet().setSlotName(3, QStringLiteral("???"));
        QTest::mouseClick(nameBox(3), Qt::LeftButton);
        QCOMPARE(nameBox(3)->palette().color(QPalette::Base), QColor(255, 255, 0));
        QTest::mouseClick(nameBox(0), Qt::LeftButton);
        QCOMPARE(nameBox(3)->palette().color(QPalette::Base), QColor(255, 255, 255));
        const QPalette box = nameBox(3)->palette(), title = find(window, "Label2")->palette();
        QVERIFY2(contrast(box.color(QPalette::Text), box.color(QPalette::Base)) >= 4.5, "the name is too faint");
        QVERIFY2(contrast(title.color(QPalette::WindowText), title.color(QPalette::Window)) >= 3, "the title is too faint");
        const QImage face = nameBox(1)->grab().toImage();
        QVERIFY2(contrast(face.pixelColor(0, face.height() / 2), dark.color(QPalette::Window)) >= 3, "the name box's frame is too faint");
        QTest::mouseClick(nameBox(9), Qt::LeftButton); // disabled: not highlighted
        QCOMPARE(nameBox(9)->palette().color(QPalette::Base), QColor(255, 255, 255));

        // A file without header, dropped from another program, brings the window forward with
        // the focus in its name box, highlighted; what the user types replaces "???".
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        ui.focusMoves = [&window](int slot) { window.focusSlotName(slot); };
        QCOMPARE(drop(nameBox(2), {raw}), Qt::CopyAction);
        QTRY_COMPARE(QApplication::focusWidget(), nameBox(2));
        QCOMPARE(nameBox(0)->palette().color(QPalette::Base).name() + nameBox(2)->palette().color(QPalette::Base).name(), "#ffffff#ffff00");
        // A second such load into the slot, which still shows "???", selects it again.
        QTest::mouseClick(nameBox(0), Qt::LeftButton);
        QCOMPARE(drop(nameBox(2), {raw}), Qt::CopyAction);
        QTRY_COMPARE(QApplication::focusWidget(), nameBox(2));
        QTest::keyClicks(nameBox(2), QStringLiteral("RAW GAME"));
        QCOMPARE(window.crtSet().slotName(2), QStringLiteral("RAW GAME"));

        click(window, "Command6"); // Clear All
        QCOMPARE(nameBox(2)->text() + nameBox(3)->text(), QString());
        QCOMPARE(find(window, "picStatus", 2)->toolTip() + '|' + text("txtCRTName_2", QAccessible::Description),
                 "Unknown Cartridge settings|No cartridge");
        QTest::keySequence(&window, Qt::CTRL | Qt::Key_Q);
        QTRY_VERIFY(!window.isVisible());
    }

    void messageBoxes()
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
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        ui.focusSlotName(3); // a focus move reaches the window, and the highlight stays while a box is open
        QWidget *name = find(window, "txtCRTName_3");
        QCOMPARE(window.focusWidget(), name);
        QStringList shown;
        // R(eturn), E(scape), C(lose), N in turn; a box that stays open takes the next.
        const QList<QPair<MessageButtons, QString>> presses{{MessageButtons::OkCancel, "R"}, {MessageButtons::OkCancel, "C"},
                                                            {MessageButtons::YesNo, "ECR"}, {MessageButtons::YesNo, "N"}};
        for (const auto &[buttons, keys] : presses) {
            QTimer::singleShot(0, &window, [&, keys = keys] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QList<QAbstractButton *> order = box->buttons();
                std::sort(order.begin(), order.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
                shown << name->palette().color(QPalette::Base).name() + box->windowTitle() + box->text() + QString::number(box->icon()) + ':'
                        + box->defaultButton()->text();
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
        QCOMPARE(shown, (QStringList{"#ffff00TA\r\nB2:OK OK Cancel", "0", "#ffff00TA\r\nB2:OK OK Cancel", "1",
                                     "#ffff00TA\r\nB2:&Yes &Yes &No", "2", "#ffff00TA\r\nB2:&Yes &Yes &No", "3"}));

        // One file dialog, its filter shown by the description alone, and no name left from the use before.
        QFileDialog *first = nullptr;
        for (const QString &title : {"Save BIN Image", "Load Plakmund File"}) {
            QTimer::singleShot(0, &window, [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                auto *typed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                shown = QStringList{dialog->windowTitle(), dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText(),
                                    typed->text(), first && first != dialog ? "another dialog" : ""};
                first = dialog;
                typed->setText(QStringLiteral("typed.bin"));
                dialog->reject();
            });
            QCOMPARE(ui.showSaveDialog({title, {"Rom(.crt, .bin)", {"*.crt", "*.bin"}}, true}).path, QString());
            QCOMPARE(shown, (QStringList{title, "Rom(.crt, .bin)", "", ""}));
        }
    }

    void commandButtonAndTitlePictures()
    {
        // A command button shows its icon centred above its caption, which wraps at word boundaries;
        // a caption of one line and the icon are centred as one block.
        QPixmap red(16, 16);
        red.fill(Qt::red);
        for (const QString &text : {QStringLiteral("Save BIN File"), QStringLiteral("Help")}) {
            PictureButton button(text, QIcon(red), nullptr);
            button.resize(65, 49);
            const QImage face = button.grab().toImage();
            const QRect icon = pixelsWhere(face, [](const QColor &c) { return c == Qt::red; });
            const QRect caption = pixelsWhere(face, [](const QColor &c) { return c != Qt::red && c.lightness() < 80; });
            QCOMPARE(icon.size(), QSize(16, 16));
            QVERIFY2(qAbs(icon.center().x() - caption.center().x()) <= 1 && qAbs(icon.center().x() - 32) <= 1, "not centred");
            QVERIFY2(icon.bottom() + 3 < caption.top() && caption.bottom() < 46, "the caption is not below the icon");
            QCOMPARE(caption.height() > button.fontMetrics().height(), text.size() > 4);
            QVERIFY2(text.size() > 4 || qAbs(icon.top() - (face.height() - 1 - caption.bottom())) <= 3, "not centred from top to bottom");
        }

        // The title wraps onto a second line rather than being cut off.
        frmMain window;
        QLabel *label = find<QLabel>(window, "Label2");
        const QImage title = label->grab().toImage();
        const QRect text = pixelsWhere(title, [](const QColor &c) { return c.red() > 120 && c.green() < 60; });
        QVERIFY2(text.height() > label->fontMetrics().height() && qAbs(text.left() - (title.width() - 1 - text.right())) <= 1,
                 "the title is not two whole lines, centred");
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
