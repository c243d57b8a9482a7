#include "QtUserInterface.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#if QT_CONFIG(settings)
#include <QSettings>
#endif

namespace plakmund {

namespace {

// A message box's buttons in their order, each with what it answers.
QList<QPair<QMessageBox::StandardButton, MessageAnswer>> buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {{QMessageBox::Ok, MessageAnswer::Ok}};
    case MessageButtons::OkCancel:
        return {{QMessageBox::Ok, MessageAnswer::Ok}, {QMessageBox::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::YesNo:
        break;
    }
    return {{QMessageBox::Yes, MessageAnswer::Yes}, {QMessageBox::No, MessageAnswer::No}};
}

// Qt's form of a filter entry, "Cartridge Rom(.crt, .bin) (*.crt *.bin)", of
// which the dialog shows the description only.
QString nameFilter(const FileFilter &filter)
{
    return QStringLiteral("%1 (%2)").arg(filter.description, filter.patterns.join(u' '));
}

} // namespace

QtUserInterface::QtUserInterface(QWidget &window, std::function<void(int)> moveFocus)
    : m_window(window), m_moveFocus(std::move(moveFocus))
{
}

MessageAnswer QtUserInterface::showMessage(const MessageBoxRequest &request)
{
    const QMessageBox::Icon icon = request.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, request.title, request.text, QMessageBox::NoButton, &m_window);
    // Qt's standard buttons, for their words in the user's language, in their order, the
    // first the default, on every desktop: as action buttons no desktop's own order
    // (GNOME's Cancel before OK) applies.
    QHash<QAbstractButton *, MessageAnswer> answers;
    for (const auto &[standard, answer] : buttonsOf(request.buttons)) {
        QPushButton *button = box.addButton(standard);
        box.addButton(button, QMessageBox::ActionRole);
        if (answers.isEmpty())
            box.setDefaultButton(button);
        answers.insert(button, answer);
    }
    // Escape and the close button answer Cancel, or OK where it is the only
    // button; a Yes and No question has neither and waits for Yes or No.
    if (request.buttons == MessageButtons::OkCancel)
        box.setEscapeButton(answers.key(MessageAnswer::Cancel));
    box.exec();
    return answers.value(box.clickedButton(), MessageAnswer::Cancel);
}

FileDialogResult QtUserInterface::showOpenDialog(const FileDialogRequest &request)
{
    return showFileDialog(request, QFileDialog::AcceptOpen);
}

FileDialogResult QtUserInterface::showSaveDialog(const FileDialogRequest &request)
{
    return showFileDialog(request, QFileDialog::AcceptSave);
}

FileDialogResult QtUserInterface::showFileDialog(const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    // One dialog for the window's life, made when first needed: a new one for each
    // use would grow Qt's caches every time. Title, filter and file name are set
    // afresh, so nothing but the folder carries over.
    if (!m_dialog)
        makeDialog();
    m_dialog->setAcceptMode(mode);
    m_dialog->setWindowTitle(request.title.isEmpty() ? m_defaultTitles.at(mode) : request.title);
    m_dialog->setNameFilter(nameFilter(request.filter));
    m_dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    forgetLastChoice();
    const bool chosen = m_dialog->exec() == QDialog::Accepted && !m_dialog->selectedFiles().isEmpty();
    // The dialog only hides: a list of completions of the name typed, which the folder's
    // contents can bring up as it closes, must not stay on the screen.
    QLineEdit *fileName = m_dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (fileName && fileName->completer())
        fileName->completer()->popup()->hide();
    if (!chosen)
        return {};
    // In the system's own spelling, as a drop gives it.
    const QString path = QDir::toNativeSeparators(m_dialog->selectedFiles().constFirst());
    return {path, QFileInfo(path).fileName()};
}

void QtUserInterface::makeDialog()
{
    // Qt's file dialog keeps its folders and history in Qt's settings, read as it is made
    // and written as it goes; in the read-only resource tree it finds none and writes none.
    // The Qt of the Windows build has no settings at all.
#if QT_CONFIG(settings)
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral(":/no-settings"));
#endif
    m_dialog = new QFileDialog(&m_window);
    m_dialog->setOption(QFileDialog::HideNameFilterDetails);
    // Qt gives a dialog its title for opening or saving only until another title is set,
    // and again on a change of language: asked once here, in the user's language.
    for (const QFileDialog::AcceptMode mode : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        m_dialog->setAcceptMode(mode);
        QEvent languageChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(m_dialog, &languageChange);
        m_defaultTitles.at(mode) = m_dialog->windowTitle();
    }
}

void QtUserInterface::forgetLastChoice()
{
    QLineEdit *fileName = m_dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (fileName) {
        // Qt's own dialog: neither the name typed nor the entry selected in the list stays
        // (selectFile ignores an empty name).
        fileName->clear();
        m_dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"))->selectionModel()->clear();
        return;
    }
    // A desktop's own dialog is handed again the entry chosen before unless given another.
    // Given the folder itself, Windows' dialog shows an empty name, and so does GTK's save
    // dialog; GTK's open dialog would go up to select the folder, so it gets a name in the
    // folder that matches no entry.
#ifdef Q_OS_WIN
    const bool folderLeavesNameEmpty = true;
#else
    const bool folderLeavesNameEmpty = m_dialog->acceptMode() == QFileDialog::AcceptSave;
#endif
    const QString folder = m_dialog->directory().absolutePath() + u'/';
    m_dialog->selectFile(folderLeavesNameEmpty ? folder : folder + QStringLiteral("no-such-file"));
}

void QtUserInterface::focusSlotName(int index)
{
    m_moveFocus(index);
}

void QtUserInterface::processPendingEvents()
{
    // Repaints, but no click or key can start another command in the middle.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace plakmund
