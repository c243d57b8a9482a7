#include "QtUserInterface.h"

#include "frmMain.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace plakmund {

namespace {

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

// Qt's form of a filter entry: "Cartridge Rom(.crt, .bin) (*.crt *.bin)".
QString nameFilter(const FileFilter &filter)
{
    return QStringLiteral("%1 (%2)").arg(filter.description, filter.patterns.join(u' '));
}

} // namespace

QtUserInterface::QtUserInterface(frmMain &window) : m_window(window) {}

MessageAnswer QtUserInterface::showMessage(const MessageBoxRequest &request)
{
    const QMessageBox::Icon icon =
        request.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, request.title, request.text, qtButtons(request.buttons), &m_window);
    if (request.buttons == MessageButtons::OkCancel) {
        box.setDefaultButton(QMessageBox::Ok);
        // Escape and the title bar's close button answer Cancel.
        box.setEscapeButton(QMessageBox::Cancel);
    }
    box.exec();
    return answerOf(box.standardButton(box.clickedButton()));
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
    // A new dialog each time, so no file name carries over; an empty title
    // leaves the dialog its default one for opening or saving.
    QFileDialog dialog(&m_window, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(nameFilter(request.filter));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().constFirst();
    return {path, QFileInfo(path).fileName()};
}

void QtUserInterface::focusSlotName(int index)
{
    m_window.focusSlotName(index);
}

void QtUserInterface::processPendingEvents()
{
    // Repaints, but no click or key can start another command in the middle.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace plakmund
