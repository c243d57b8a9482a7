#include "ModalAnswer.h"
#include "QtUserInterface.h"
#include "TestFiles.h"
#include "frmMain.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::MessageButtons)
Q_DECLARE_METATYPE(plakmund::MessageIcon)
Q_DECLARE_METATYPE(plakmund::MessageAnswer)

class TestQtUserInterface : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void fileDialog_data();
    void fileDialog();
};

void TestQtUserInterface::messageBox_data()
{
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<QString>("action"); // a button to click, "Return", "Escape" or "close"
    QTest::addColumn<MessageAnswer>("answer");

    const auto ok = MessageButtons::Ok, okCancel = MessageButtons::OkCancel, yesNo = MessageButtons::YesNo;
    const auto none = MessageIcon::None;
    QTest::newRow("OK, no icon") << ok << none << "OK" << MessageAnswer::Ok;
    QTest::newRow("OK, exclamation, escaped") << ok << MessageIcon::Exclamation << "Escape" << MessageAnswer::Ok;
    QTest::newRow("OK and Cancel: Return takes OK") << okCancel << none << "Return" << MessageAnswer::Ok;
    QTest::newRow("OK and Cancel: Cancel") << okCancel << none << "Cancel" << MessageAnswer::Cancel;
    QTest::newRow("OK and Cancel: escaped") << okCancel << none << "Escape" << MessageAnswer::Cancel;
    QTest::newRow("OK and Cancel: closed") << okCancel << none << "close" << MessageAnswer::Cancel;
    QTest::newRow("Yes and No: Yes") << yesNo << none << "Yes" << MessageAnswer::Yes;
    QTest::newRow("Yes and No: No") << yesNo << none << "No" << MessageAnswer::No;
}

void TestQtUserInterface::messageBox()
{
    QFETCH(MessageButtons, buttons);
    QFETCH(MessageIcon, icon);
    QFETCH(QString, action);
    QFETCH(MessageAnswer, answer);

    frmMain window;
    QtUserInterface ui(window);
    const MessageBoxRequest request{QStringLiteral("Warning: the size is: 9000.\r\nHit Cancel to load it anyway."),
                                    buttons, icon, QStringLiteral("Cartridge File Size Notice!")};
    const QHash<QString, QMessageBox::StandardButton> clicks = {
        {"OK", QMessageBox::Ok}, {"Cancel", QMessageBox::Cancel}, {"Yes", QMessageBox::Yes}, {"No", QMessageBox::No}};
    QStringList shown;
    AnswerModal<QMessageBox>([&](QMessageBox *box) {
        shown << box->text() << box->windowTitle() << QString::number(box->icon())
              << QString::number(box->standardButtons())
              << (box->defaultButton() && box->defaultButton() == box->button(QMessageBox::Ok) ? "OK" : "");
        if (action == QLatin1String("close"))
            box->close();
        else if (clicks.contains(action))
            box->button(clicks.value(action))->click();
        else
            QTest::keyClick(box, action == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Escape);
    });

    QCOMPARE(ui.showMessage(request), answer);
    const QMessageBox::StandardButtons expectedButtons = buttons == MessageButtons::Ok ? QMessageBox::Ok
        : buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                              : QMessageBox::Yes | QMessageBox::No;
    QCOMPARE(shown.mid(0, 4), (QStringList{request.text, request.title,
                                           QString::number(icon == MessageIcon::None ? QMessageBox::NoIcon
                                                                                     : QMessageBox::Warning),
                                           QString::number(expectedButtons)}));
    if (buttons == MessageButtons::OkCancel)
        QCOMPARE(shown.at(4), QStringLiteral("OK"));
}

void TestQtUserInterface::fileDialog_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("fileName"); // "" cancels; "existing.bin" is there already
    QTest::addColumn<QString>("shownTitle");

    QTest::newRow("open with the default title") << false << "" << "game.crt" << "Open";
    QTest::newRow("save with a title") << true << "Save BIN Image" << "games.bin" << "Save BIN Image";
    QTest::newRow("save over an existing file") << true << "Save BIN Image" << "existing.bin" << "Save BIN Image";
    QTest::newRow("save cancelled") << true << "Save BIN Image" << "" << "Save BIN Image";
}

void TestQtUserInterface::fileDialog()
{
    QFETCH(bool, save);
    QFETCH(QString, title);
    QFETCH(QString, fileName);
    QFETCH(QString, shownTitle);

    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("game.crt")), Pattern(16, 1));
    WriteFile(dir.filePath(QStringLiteral("existing.bin")), Pattern(16, 2));
    const QString path = fileName.isEmpty() ? QString() : dir.filePath(fileName);

    frmMain window;
    QtUserInterface ui(window);
    QStringList shown;
    QString overwriteQuestion;
    AnswerModal<QFileDialog>([&](QFileDialog *dialog) {
        auto *nameEdit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        shown << dialog->windowTitle() << dialog->nameFilters()
              << (dialog->testOption(QFileDialog::DontConfirmOverwrite) ? "no prompt" : "prompt")
              << (nameEdit ? nameEdit->text() : QStringLiteral("no name box"));
        if (path.isEmpty() || !nameEdit) {
            dialog->reject();
            return;
        }
        if (fileName == QLatin1String("existing.bin")) {
            AnswerModal<QMessageBox>([&](QMessageBox *box) {
                overwriteQuestion = box->text();
                box->button(QMessageBox::Yes)->click();
            });
        }
        // Typed as a user would, then the dialog's own Open or Save button.
        nameEdit->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });

    const FileFilter filter{QStringLiteral("Cartridge Rom(.crt, .bin)"), {"*.crt", "*.bin"}};
    const FileDialogResult result = save ? ui.showSaveDialog({title, filter, true}) : ui.showOpenDialog({title, filter});
    QCOMPARE(shown, (QStringList{shownTitle, QStringLiteral("Cartridge Rom(.crt, .bin) (*.crt *.bin)"),
                                 save ? "prompt" : "no prompt", QString()}));
    QCOMPARE(result.path, path);
    QCOMPARE(result.fileName, fileName);
    QCOMPARE(overwriteQuestion.contains(fileName) && !fileName.isEmpty(), fileName == QLatin1String("existing.bin"));
}

QTEST_MAIN(TestQtUserInterface)
#include "tst_qtuserinterface.moc"
