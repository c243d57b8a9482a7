#pragma once

#include "UserInterface.h"

#include <QFileDialog>
#include <QPointer>

#include <array>
#include <functional>

namespace plakmund {

// Core's user interface as modal message boxes and file dialogs over the
// window; focus moves go to the window's name boxes through moveFocus.
class QtUserInterface final : public UserInterface {
public:
    QtUserInterface(QWidget &window, std::function<void(int)> moveFocus);

    MessageAnswer showMessage(const MessageBoxRequest &request) override;
    FileDialogResult showOpenDialog(const FileDialogRequest &request) override;
    FileDialogResult showSaveDialog(const FileDialogRequest &request) override;
    void focusSlotName(int index) override;
    void processPendingEvents() override;

private:
    FileDialogResult showFileDialog(const FileDialogRequest &request, QFileDialog::AcceptMode mode);
    void makeDialog();
    void forgetLastChoice();

    QWidget &m_window;
    std::function<void(int)> m_moveFocus;
    QPointer<QFileDialog> m_dialog; // a child of the window, which owns it
    std::array<QString, 2> m_defaultTitles; // Qt's own, by QFileDialog::AcceptMode
};

} // namespace plakmund
