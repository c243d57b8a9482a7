#pragma once

#include "UserInterface.h"

#include <QFileDialog>
#include <QPointer>

namespace plakmund {

class MainWindow;

// Core's user interface as modal message boxes and file dialogs over the
// main window, whose name boxes take the focus moves.
class QtUserInterface final : public UserInterface {
public:
    explicit QtUserInterface(MainWindow &window);

    MessageAnswer showMessage(const MessageBoxRequest &request) override;
    FileDialogResult showOpenDialog(const FileDialogRequest &request) override;
    FileDialogResult showSaveDialog(const FileDialogRequest &request) override;
    void focusSlotName(int index) override;
    void processPendingEvents() override;

private:
    FileDialogResult showFileDialog(const FileDialogRequest &request, QFileDialog::AcceptMode mode);

    MainWindow &m_window;
    QPointer<QFileDialog> m_dialog; // a child of the window, which owns it
};

} // namespace plakmund
