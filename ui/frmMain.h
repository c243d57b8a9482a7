#pragma once

#include "CrtSet.h"
#include "QtUserInterface.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plakmund {

class SlotNameBox;

// The program's only window: sixteen slot rows, the title, the board picture
// and the command buttons. It owns the cartridge set, shows it as the set
// reports its changes, and hands every user action to core.
class frmMain : public QWidget {
    Q_OBJECT

public:
    // Messages, dialogs and focus moves go to ui when one is given, else to
    // this window's own message boxes and file dialogs.
    explicit frmMain(UserInterface *ui = nullptr);
    ~frmMain() override;

    CrtSet &crtSet() { return m_set; }

    // Moves the keyboard focus to slot i's name box.
    void focusSlotName(int index);

private:
    void createSlotRows();
    void createTitleAndPicture();
    void createCommands();
    void createStatusHolders();
    void arrangeControls();

    // Each follows one kind of change of the set.
    void showSlotName(int index);
    void showSlotLocation(int index);
    void showSlotStatus(int index);
    void showSizeMode();

    void formLoad();
    void on_cmdLoadCRT_clicked(int index);
    void on_txtCRTName_filesDropped(int index, const QStringList &paths);
    void on_txtCRTName_focusGained(int index);
    void on_txtCRTName_focusLost(int index);
    void on_cmdLoadPLK_clicked();
    void on_Command1_clicked();
    void on_Command2_clicked();
    void on_Command3_clicked();
    void on_Command4_clicked();
    void on_Command5_clicked();
    void on_Command6_clicked();
    void on_Command7_clicked();
    void on_Command8_clicked();

    CrtSet m_set;
    QtUserInterface m_ownUi{*this};
    UserInterface &m_ui;

    std::array<QPushButton *, SlotCount> m_cmdLoadCRT{};
    std::array<SlotNameBox *, SlotCount> m_txtCRTName{};
    std::array<QLabel *, SlotCount> m_picStatus{};
    std::array<QLineEdit *, SlotCount> m_txtCRTLoc{};
    QLabel *m_picOK = nullptr;
    QLabel *m_picError = nullptr;
    QLabel *m_picUnkown = nullptr;
    QLabel *m_picBlank = nullptr;
};

} // namespace plakmund
