#include "FakeUserInterface.h"
#include "MainWindow.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "TestFiles.h"
#include "Translations.h"
#include "WindowLayout.h"

#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

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

// The window as a user meets it: a fresh window for each test, shown and active,
// its messages and dialogs answered by a script.
class TestWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeUserInterface m_ui;
    std::unique_ptr<MainWindow> m_window;

    QLineEdit *nameBox(int slot) const { return find<QLineEdit>(*m_window, QStringLiteral("txtCRTName"), slot); }
    QUrl game() const { return QUrl::fromLocalFile(writeFile(m_dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 3))); }
    QUrl raw() const { return QUrl::fromLocalFile(writeFile(m_dir.filePath(QStringLiteral("raw.bin")), cartridgeBytes(8192, 5))); }

private slots:
    void init()
    {
        m_ui = FakeUserInterface();
        m_ui.focusMoves = [this](int slot) { m_window->focusSlotName(slot); };
        m_window = std::make_unique<MainWindow>(&m_ui);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void opensCentredWithItsPictures()
    {
        const QPoint offCentre = m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2, "the window opens off the screen's centre");
        // The board's bitmap inside a one-pixel border, and the joystick once the window is painted.
        QCOMPARE(find<QLabel>(*m_window, "Picture1")->pixmap().toImage(),
                 QImage(QFINDTESTDATA("../../assets/board.bmp")).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(find(*m_window, "Picture1")->contentsRect().size(), QSize(269, 377));
        QTRY_COMPARE(m_window->windowIcon().availableSizes().value(0), QSize(32, 32));
        // The dark red title wraps onto a second line rather than being cut off, and the commands'
        // frame hides the lower edge of the board.
        const QLabel *title = find<QLabel>(*m_window, "Label2");
        const int height = title->heightForWidth(title->contentsRect().width());
        QVERIFY2(height > title->fontMetrics().height() && height <= title->contentsRect().height(), "the title is cut off");
        const QColor overBoard = m_window->grab().toImage().pixelColor(400, 406);
        QCOMPARE(overBoard.green(), overBoard.red());
        QCOMPARE(find(*m_window, "Command2")->toolTip() + '|' + QString::number(nameBox(0)->font().pointSizeF()) + '|'
                     + find<QLabel>(*m_window, "Label2")->palette().color(QPalette::WindowText).name(), "Save BIN File (Ctrl+B)|9.75|#c00000");
        // Row 1's button lies in front of its name box, row 0's behind.
        QCOMPARE(m_window->childAt(48, 40)->objectName() + ' ' + m_window->childAt(48, 10)->objectName(), "cmdLoadCRT_1 txtCRTName_0");
    }

    void buttonsAndKeysReachTheirCommands_data()
    {
        QTest::addColumn<QString>("size");    // the size button pressed first, if any
        QTest::addColumn<QString>("control"); // clicked, or given the focus for the keys (a shortcut presses its button)
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("outcome"); // the first call to the user, or focus, size and enabled controls; names loaded

        const QString load = "open dialog [] Cartridge Rom(.crt, .bin)|*.crt;*.bin";
        const QString openSet = "open dialog [Load Plakmund File] Plakmund File(.plk)|*.plk";
        const QString saveSet = "save dialog [Save Plakmund File] Plakmund File(.plk)|*.plk overwrite-prompt";
        const QString saveImage = "save dialog [Save BIN Image] Binary Cartridge Image(.bin)|*.bin overwrite-prompt";
        const QString help = messageLine("No Help available yet. Coming soon!", "OK", "none", "Plakmund");
        QTest::newRow("a row's load button") << "" << "cmdLoadCRT_5" << QKeySequence() << load + "GAME";
        QTest::newRow("Ctrl+O") << "" << "txtCRTName_0" << QKeySequence(QKeySequence::Open) << openSet;
        QTest::newRow("Ctrl+S") << "" << "txtCRTName_0" << QKeySequence(QKeySequence::Save) << saveSet;
        QTest::newRow("Ctrl+B") << "" << "txtCRTName_0" << QKeySequence(Qt::CTRL | Qt::Key_B) << saveImage;
        QTest::newRow("F1") << "" << "txtCRTName_0" << QKeySequence(QKeySequence::HelpContents) << help;
        const QString caption = "Drennik's Plakmund for Kestrix v0.4 | Size: ";
        QTest::newRow("Down") << "" << "txtCRTName_0" << QKeySequence(Qt::Key_Down) << "txtCRTName_1 " + caption + "2mb 32";
        QTest::newRow("Up") << "" << "txtCRTName_2" << QKeySequence(Qt::Key_Up) << "txtCRTName_1 " + caption + "2mb 32";
        QTest::newRow("Down from the last enabled") << "Command4" << "txtCRTName_3" << QKeySequence(Qt::Key_Down)
                                                    << "txtCRTName_3 " + caption + "512kb 8";
        QTest::newRow("512kb by Return, twice") << "Command4" << "Command4" << QKeySequence(Qt::Key_Return) << "Command4 " + caption + "512kb 8";
        QTest::newRow("1mb after 512kb") << "Command4" << "Command7" << QKeySequence() << "Command7 " + caption + "1mb 16";
        QTest::newRow("2mb after 512kb") << "Command4" << "Command8" << QKeySequence() << "Command8 " + caption + "2mb 32";
    }

    void buttonsAndKeysReachTheirCommands()
    {
        QFETCH(QString, size);
        QFETCH(QString, control);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, outcome);

        m_ui.dialogAnswers = {game().toLocalFile()};
        if (!size.isEmpty())
            click(*m_window, size);
        find(*m_window, control)->setFocus();
        keys.isEmpty() ? click(*m_window, control) : QTest::keySequence(QApplication::focusWidget(), keys);
        int enabled = 0;
        for (int i = 0; i < SlotCount; ++i)
            enabled += nameBox(i)->isEnabled() + find(*m_window, "cmdLoadCRT", i)->isEnabled();
        const QString state = QStringLiteral("%1 %2 %3").arg(QApplication::focusWidget()->objectName(), m_window->windowTitle()).arg(enabled);
        // A load fills the slot of its button.
        QTRY_COMPARE(m_ui.log.value(0, state) + nameBox(5)->text() + nameBox(1)->text(), outcome);
    }

    void dropsTakeLocalFilesAsCopiesOnEnabledRows()
    {
        click(*m_window, QStringLiteral("Command4")); // 512kb: rows 4 to F disabled
        QCOMPARE(drop(nameBox(1), {QUrl(QStringLiteral("https://example.org/game.crt"))}), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(1), {game()}, Qt::MoveAction), Qt::IgnoreAction);
        QCOMPARE(drop(nameBox(9), {game()}), Qt::IgnoreAction);
        // The first of two files loads once the drop has returned, and once a running command has ended.
        QCOMPARE(drop(nameBox(2), {game(), raw()}), Qt::CopyAction);
        QCOMPARE(m_window->crtSet().slotLocation(2), QString());
        QStringList namesMeanwhile;
        m_ui.whilePendingEvents = [&] {
            QCoreApplication::processEvents();
            namesMeanwhile << m_window->crtSet().slotName(2);
        };
        m_ui.dialogAnswers = {writeFile(m_dir.filePath(QStringLiteral("empty.plk")), {})};
        click(*m_window, QStringLiteral("cmdLoadPLK")); // a set file without records: every slot empties
        QCOMPARE(namesMeanwhile, QStringList{""});
        QCOMPARE(nameBox(1)->text() + nameBox(2)->text() + nameBox(9)->text(), QStringLiteral("GAME"));
    }

    void statusPicturesAndTooltips()
    {
        for (const auto &[status, picture] : {std::pair{SlotStatus::Ok, "ok"}, {SlotStatus::ExromWarning, "error"},
                                              {SlotStatus::UnknownSettings, "error"}, {SlotStatus::UnknownDetails, "unknown"}}) {
            m_window->crtSet().setSlotStatus(2, status);
            QCOMPARE(find<QLabel>(*m_window, "picStatus", 2)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                     QImage(QStringLiteral(":/assets/status-%1.png").arg(picture)).convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
        // Between scale 1 and 2 pictures are drawn from the @2x file at the screen's own pixels.
        const QPixmap sharp = picture(u"folder", {16, 16}, 1.5).pixmap({16, 16}, 1.5);
        QCOMPARE(QString::number(sharp.width()) + 'x' + QString::number(sharp.devicePixelRatio()), "24x1.5");
        // Empty takes the picture away and leaves the tooltip.
        m_window->crtSet().setSlotStatus(2, SlotStatus::Empty);
        QVERIFY(find<QLabel>(*m_window, "picStatus", 2)->pixmap().isNull());
        QCOMPARE(find(*m_window, "picStatus", 2)->toolTip(), statusTooltip(SlotStatus::UnknownDetails));
    }

    void screenReadersHearEveryControl()
    {
        // Every control has a name of its own; a name box tells its slot's status.
        m_window->crtSet().setSlotStatus(10, SlotStatus::ExromWarning);
        QSet<QString> names;
        for (QWidget *control : m_window->findChildren<QWidget *>()) {
            const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
            QVERIFY2(!control->isVisible() || (!name.isEmpty() && !names.contains(name)), qPrintable(control->objectName() + ": " + name));
            names << name;
        }
        const auto said = [](QWidget *control, QAccessible::Text kind) { return QAccessible::queryAccessibleInterface(control)->text(kind); };
        const QString exrom = statusTooltip(SlotStatus::ExromWarning);
        QCOMPARE(said(nameBox(10), QAccessible::Name) + '|' + said(nameBox(10), QAccessible::Description) + '|'
                     + said(find(*m_window, "picStatus", 10), QAccessible::Name) + '|' + find(*m_window, "cmdLoadCRT", 10)->toolTip(),
                 "Slot A name|" + exrom + "|Slot A status: " + exrom + "|Load cartridge into slot A");

        // Tab moves no caret in an empty name box: told of a caret move before the focus,
        // a screen reader never names the box.
        int caretMoves = 0;
        for (int i = 0; i < SlotCount; ++i)
            connect(nameBox(i), &QLineEdit::cursorPositionChanged, this, [&caretMoves] { ++caretMoves; });
        // From row 0's button, where the focus starts, past the command buttons.
        for (int i = 0; i < 8; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), nameBox(2));
        QCOMPARE(caretMoves, 0);
    }

    void darkPaletteKeepsTextAndFramesReadable()
    {
        // Under a dark palette, as a dark desktop theme gives it, text stays readable on the
        // forced colours of the focus highlight, and so do the title and the name boxes' frames.
        QPalette dark = QApplication::palette();
        for (auto [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)}, {QPalette::WindowText, Qt::white},
                                     {QPalette::Base, QColor(35, 35, 35)}, {QPalette::Text, Qt::white}})
            dark.setColor(role, colour);
        const QPalette original = QApplication::palette();
        QApplication::setPalette(dark);
        QCoreApplication::processEvents(); // the widgets take a new palette from a posted event
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
        QTest::mouseClick(nameBox(3), Qt::LeftButton);
        QTest::mouseClick(nameBox(0), Qt::LeftButton);
        QCOMPARE(nameBox(3)->palette().color(QPalette::Base).name() + nameBox(0)->palette().color(QPalette::Base).name(), "#ffffff#ffff00");
        const QPalette box = nameBox(3)->palette(), title = find(*m_window, "Label2")->palette();
        QVERIFY2(contrast(box.color(QPalette::Text), box.color(QPalette::Base)) >= 4.5, "the name is too faint");
        QVERIFY2(contrast(title.color(QPalette::WindowText), dark.color(QPalette::Window)) >= 3, "the title is too faint");
        const QImage face = nameBox(1)->grab().toImage();
        QVERIFY2(contrast(face.pixelColor(0, face.height() / 2), dark.color(QPalette::Window)) >= 3, "the name box's frame is too faint");
    }

    void loadWithoutHeaderThenClearAllAndExit()
    {
        // Dropped from another program, the file brings the window forward with the focus in its
        // name box, highlighted; a second such load selects "???" again, and typing replaces it.
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        QCOMPARE(drop(nameBox(2), {raw()}), Qt::CopyAction);
        QTRY_COMPARE(QApplication::focusWidget(), nameBox(2));
        QCOMPARE(nameBox(2)->selectedText(), QStringLiteral("???"));
        QTest::mouseClick(nameBox(0), Qt::LeftButton);
        QCOMPARE(drop(nameBox(2), {raw()}), Qt::CopyAction);
        QTRY_COMPARE(QApplication::focusWidget(), nameBox(2));
        QCOMPARE(nameBox(0)->palette().color(QPalette::Base).name() + nameBox(2)->palette().color(QPalette::Base).name(), "#ffffff#ffff00");
        QTest::keyClicks(nameBox(2), QStringLiteral("RAW GAME"));
        QCOMPARE(m_window->crtSet().slotName(2), QStringLiteral("RAW GAME"));

        // Clear All empties the box and leaves the picture's tooltip; Ctrl+Q ends it all.
        click(*m_window, QStringLiteral("Command6"));
        QCOMPARE(nameBox(2)->text() + '|' + find(*m_window, "picStatus", 2)->toolTip() + '|'
                     + QAccessible::queryAccessibleInterface(nameBox(2))->text(QAccessible::Description),
                 "|Unknown Cartridge settings|No cartridge");
        QTest::keySequence(m_window.get(), Qt::CTRL | Qt::Key_Q);
        QTRY_VERIFY(!m_window->isVisible());
    }

    void commandButtonsShowTheirPictureAboveTheCaption()
    {
        QPixmap red(16, 16);
        red.fill(Qt::red);
        PictureButton button(QStringLiteral("Help"), QIcon(red), nullptr);
        button.resize(65, 49);
        const QImage face = button.grab().toImage();
        QRect icon, caption; // the picture's pixels and the caption's dark ones
        for (int i = 0; i < face.width() * face.height(); ++i) {
            const QPoint pixel(i % face.width(), i / face.width());
            const QColor c = face.pixelColor(pixel);
            (c == Qt::red ? icon : caption) |= c == Qt::red || c.lightness() < 80 ? QRect(pixel, QSize(1, 1)) : QRect();
        }
        // The caption below the picture, the two centred as one block.
        QVERIFY(icon.bottom() < caption.top() && qAbs(icon.top() - (face.height() - 1 - caption.bottom())) <= 3);
    }

    // The window in each language it speaks, at its fixed size, every command's caption inside
    // its button on two lines at most, its message boxes with Qt's words for the buttons.
    void speaksTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("commands"); // the six command captions, then the window caption
        QTest::addColumn<QString>("buttons");  // an OK and Cancel box's
        QTest::newRow("C") << "C" << "Load CRT Set|Save CRT Set|Save BIN File|Clear All|Help|Exit|Drennik's Plakmund for Kestrix v0.4 | Size: 2mb"
                           << "OK Cancel";
        QTest::newRow("de") << "de_DE" << "CRT-Set laden|CRT-Set speichern|BIN-Datei speichern|Alle leeren|Hilfe|Beenden|"
                                          "Drennik's Plakmund for Kestrix v0.4 | Größe: 2mb" << "OK Abbrechen";
        QTest::newRow("nl") << "nl_NL" << "CRT-set laden|CRT-set opslaan|BIN opslaan|Alles wissen|Help|Afsluiten|"
                                          "Drennik's Plakmund for Kestrix v0.4 | Grootte: 2mb" << "OK Annuleren";
    }

    void speaksTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, commands);
        QFETCH(QString, buttons);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        installTranslations();
        const auto english = qScopeGuard([&] {
            for (QTranslator *translator : qApp->findChildren<QTranslator *>())
                delete translator; // which removes it
            QLocale::setDefault(before);
        });
        m_window = std::make_unique<MainWindow>(&m_ui);
        m_window->show();
        QStringList captions;
        for (const char *name : {"cmdLoadPLK", "Command1", "Command2", "Command6", "Command3", "Command5"}) {
            const auto *button = find<PictureButton>(*m_window, name);
            captions << button->text();
            const QFontMetrics metrics = button->fontMetrics();
            const int width = button->width() - 6; // inside the bevel
            const QRect caption = metrics.boundingRect(QRect(0, 0, width, 100), Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
            QVERIFY2(caption.width() <= width && caption.height() <= 2 * metrics.lineSpacing(), qPrintable(button->text()));
        }
        QCOMPARE(captions.join(u'|') + u'|' + m_window->windowTitle(), commands);
        QCOMPARE(m_window->size(), QSize(544, 480));

        QtUserInterface ui(*m_window, [](int) {});
        QTimer::singleShot(0, m_window.get(), [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            captions.clear();
            for (QAbstractButton *button : box->buttons())
                captions << button->text();
            box->reject();
        });
        ui.showMessage({QStringLiteral("A"), MessageButtons::OkCancel});
        QCOMPARE(captions.join(u' '), buttons);
    }

    void messageBoxesAndTheFileDialog()
    {
        // The buttons in their order, the first the default, whatever the desktop's own order.
        QtUserInterface ui(*m_window, [this](int slot) { m_window->focusSlotName(slot); });
        ui.focusSlotName(3); // the highlight stays while a box is open
        QStringList shown;
        // R(eturn), E(scape), C(lose), N in turn; a box that stays open takes the next.
        for (const auto &[buttons, keys] : {std::pair{MessageButtons::OkCancel, "R"}, {MessageButtons::OkCancel, "C"},
                                            {MessageButtons::YesNo, "ECR"}, {MessageButtons::YesNo, "N"}}) {
            QTimer::singleShot(0, m_window.get(), [&, keys = QString(keys)] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                shown << nameBox(3)->palette().color(QPalette::Base).name() + box->windowTitle() + box->text()
                        + QString::number(box->icon()) + ':' + box->defaultButton()->text();
                for (QAbstractButton *button : box->buttons())
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

        // One file dialog, its filter shown by the description alone, Qt's own title where none is
        // given; nothing of the use before stays but the folder, so Return opens nothing, and no
        // settings file is left when the window closes.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
        QFileDialog *first = nullptr;
        for (const QString title : {"Save BIN Image", ""}) {
            QTimer::singleShot(0, m_window.get(), [&] {
                auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                auto *typed = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                auto *list = dialog->findChild<QListView *>(QStringLiteral("listView"));
                shown = QStringList{dialog->windowTitle(), dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText(),
                                    typed->text() + (list->selectionModel()->hasSelection() ? "selected" : ""), first && first != dialog ? "another dialog" : "",
                                    dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "no overwrite prompt" : ""};
                if (!first) { // the first time an entry is chosen in the list, then cancelled
                    dialog->setDirectory(m_dir.path());
                    list->setCurrentIndex(qobject_cast<QFileSystemModel *>(list->model())->index(game().toLocalFile()));
                }
                QTest::keyClick(typed, std::exchange(first, dialog) ? Qt::Key_Return : Qt::Key_Escape);
                if (dialog->isVisible())
                    dialog->reject();
            });
            const auto show = title.isEmpty() ? &QtUserInterface::showOpenDialog : &QtUserInterface::showSaveDialog;
            QCOMPARE((ui.*show)({title, {"Rom(.crt, .bin)", {"*.crt", "*.bin"}}, true}).path, QString());
            QCOMPARE(shown, (QStringList{title.isEmpty() ? "Open" : title, "Rom(.crt, .bin)", "", "", ""}));
        }
        m_window.reset();
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("config"))));
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
