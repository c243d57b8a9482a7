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

// The contrast ratio of the web's accessibility guidelines between a colour
// and the one of the image's pixels that stands out most from it.
double bestContrast(const QImage &image, const QColor &background)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    double best = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double a = luminance(image.pixelColor(x, y)), b = luminance(background);
            best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
        }
    }
    return best;
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
        const QPoint offCentre = window.frameGeometry().center() - window.screen()->availableGeometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, "the window opens off the screen's centre");
        QCOMPARE(find(window, "Label2")->palette().color(QPalette::WindowText), QColor(192, 0, 0));
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
                              text("picStatus_10", QAccessible::Name)}),
                 (QStringList{"Load cartridge into slot A", "Load cartridge into slot A", "Slot A name", exrom, "Slot A status: " + exrom}));
        window.crtSet().clearAll();
        QCOMPARE(text("txtCRTName_10", QAccessible::Description), QStringLiteral("No cartridge"));
    }

    void commands()
    {
        // Each button reaches its own command: the dialogs are cancelled, but row
        // 5's button gets a cartridge file, so it shows which slot it loads.
        QTemporaryDir dir;
        FakeUserInterface ui;
        ui.dialogAnswers = {writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 1, 0, "FIVE")), "", "", ""};
        ui.messageAnswers = {MessageAnswer::Ok};
        frmMain window(&ui);
        window.show();
        window.crtSet().setSlotStatus(0, SlotStatus::Ok);
        window.crtSet().setSlotName(0, QStringLiteral("ZERO"));
        QStringList shown;
        for (const char *button : {"cmdLoadCRT_5", "cmdLoadPLK", "Command1", "Command2", "Command3", "Command4", "Command7",
                                   "Command8", "Command4", "Command6", "Command5"}) {
            ui.log.clear();
            click(window, button);
            int rows = 0;
            for (int i = 0; i < SlotCount; ++i)
                rows += nameBox(window, i)->isEnabled() && find(window, "cmdLoadCRT", i)->isEnabled();
            shown << find<QAbstractButton>(window, button)->text() + ": " + ui.log.value(0, window.windowTitle().section(u' ', -1))
                    + QStringLiteral(" %1 %2 %3").arg(rows).arg(window.crtSet().slotName(5) + nameBox(window, 0)->text()).arg(window.isVisible());
        }
        const QString plk = QStringLiteral("Plakmund File(.plk)|*.plk");
        QCOMPARE(shown, (QStringList{": open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin 16 FIVEZERO 1",
                                     "Load CRT Set: open dialog [Load Plakmund File] " + plk + " 16 FIVEZERO 1",
                                     "Save CRT Set: save dialog [Save Plakmund File] " + plk + " overwrite-prompt 16 FIVEZERO 1",
                                     "Save BIN File: save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt 16 FIVEZERO 1",
                                     "Help: " + messageLine("No Help available yet. Coming soon!", "OK", "none", "Plakmund") + " 16 FIVEZERO 1",
                                     "512kb: 512kb 4 FIVEZERO 1", "1mb: 1mb 8 FIVEZERO 1", "2mb: 2mb 16 FIVEZERO 1",
                                     "512kb: 512kb 4 FIVEZERO 1", "Clear All: 512kb 4  1", "Exit: 512kb 4  0"}));
        QCOMPARE(find(window, "picStatus", 0)->toolTip(), QStringLiteral("Ok")); // Clear All keeps the tooltip
        for (const char *button : {"cmdLoadCRT_15", "cmdLoadPLK", "Command1", "Command2", "Command6", "Command3", "Command5"})
            QVERIFY2(!find<QAbstractButton>(window, button)->icon().isNull(), button);
    }

    void drops()
    {
        QTemporaryDir dir;
        const QUrl game = QUrl::fromLocalFile(writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 3, 0, "DROPPED")));
        FakeUserInterface ui;
        ui.dialogAnswers << writeFile(dir.filePath(QStringLiteral("empty.plk")), {});
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
        // A drop that comes while a command lets pending events through waits for its end.
        QStringList namesMeanwhile;
        ui.whilePendingEvents = [&] {
            QCoreApplication::processEvents();
            namesMeanwhile << window.crtSet().slotName(2);
        };
        find<QAbstractButton>(window, "cmdLoadPLK")->click(); // a set file that holds no record
        QCOMPARE(namesMeanwhile, QStringList{""});
        QCOMPARE(nameBox(window, 1)->text() + nameBox(window, 9)->text() + nameBox(window, 2)->text(), "DROPPED");
        QCOMPARE(window.crtSet().slotLocation(2), game.toLocalFile());

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

    void focusHighlightUnderADarkPalette()
    {
        // Fusion with dark colours, as a dark desktop theme gives them; the name
        // boxes' own base colour is neither of the highlight's.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        const QPalette original = QApplication::palette();
        QPalette dark = original;
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                     {QPalette::Base, QColor(35, 35, 35)}, {QPalette::Text, Qt::white}})
            dark.setColor(role, colour);
        QApplication::setPalette(dark);
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });

        QTemporaryDir dir;
        const QString raw = writeFile(dir.filePath(QStringLiteral("raw.bin")), cartridgeBytes(8192, 5));
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.crtSet().setSlotName(3, QStringLiteral("???"));
        QTest::mouseClick(nameBox(window, 3), Qt::LeftButton);
        QCOMPARE(background(nameBox(window, 3)), QColor(255, 255, 0));
        QTest::mouseClick(nameBox(window, 4), Qt::LeftButton);
        QCOMPARE(background(nameBox(window, 3)), QColor(255, 255, 255));
        const QImage box = nameBox(window, 3)->grab().toImage();
        QVERIFY2(bestContrast(box.copy(box.rect().adjusted(4, 4, -4, -4)), Qt::white) >= 4.5, "the name is too faint");
        QVERIFY2(bestContrast(find(window, "Label2")->grab().toImage(), QColor(53, 53, 53)) >= 3, "the title is too faint");

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
        QCOMPARE(background(nameBox(window, 9)), QColor(35, 35, 35));
    }

    void keyboard()
    {
        // Return and Enter press a focused button; the shortcuts press theirs; Up
        // and Down move between the enabled name boxes.
        FakeUserInterface ui;
        ui.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok};
        ui.dialogAnswers = {"", "", "", ""};
        frmMain window(&ui);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QList<std::tuple<const char *, QKeySequence, QString>> presses{
            {"Command3", Qt::Key_Return, "message [Plakmund]"}, {"cmdLoadCRT_1", Qt::Key_Enter, "open dialog []"},
            {"txtCRTName_0", QKeySequence::HelpContents, "message [Plakmund]"},
            {"txtCRTName_0", QKeySequence::Open, "open dialog [Load Plakmund File]"},
            {"txtCRTName_0", QKeySequence::Save, "save dialog [Save Plakmund File]"},
            {"txtCRTName_0", Qt::CTRL | Qt::Key_B, "save dialog [Save BIN Image]"}, {"txtCRTName_0", Qt::Key_Down, "txtCRTName_1"},
            {"txtCRTName_2", Qt::Key_Up, "txtCRTName_1"}, {"txtCRTName_0", Qt::Key_Up, "txtCRTName_0"},
            {"Command4", Qt::Key_Enter, "Command4"}, {"txtCRTName_3", Qt::Key_Down, "txtCRTName_3"}};
        for (const auto &[focused, keys, outcome] : presses) {
            ui.log.clear();
            find(window, focused)->setFocus();
            QTest::keySequence(QApplication::focusWidget(), keys);
            QTRY_COMPARE(ui.log.value(0, QApplication::focusWidget()->objectName()).left(outcome.size()), outcome);
        }
        QCOMPARE(window.windowTitle().right(5), QStringLiteral("512kb"));
        QCOMPARE(find<QAbstractButton>(window, "Command2")->toolTip(), QStringLiteral("Save BIN File (Ctrl+B)"));
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
        QStringList shown;
        // R(eturn), E(scape), C(lose), N in turn; a box that stays open takes the next.
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
        QVERIFY2(icon.bottom() + 3 < caption.top() && caption.bottom() < 46, "the caption is not below the icon");
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
