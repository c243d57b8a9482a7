#pragma once

#include "CrtSet.h"
#include "QtUserInterface.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
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

    // Moves the keyboard focus to slot i's name box; the name shown there next
    // is selected, so that what the user types replaces it.
    void focusSlotName(int index);

protected:
    // Return and Enter press a focused button; Up and Down move between name boxes.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createSlotRows();
    void createTitleAndPicture();
    void createCommands();
    void arrangeControls();
    QPushButton *keyboardButton(QPushButton *button);
    // A button's 16 x 16 picture, sharp at the window's pixel ratio.
    QIcon commandIcon(QStringView name) const;
    void runCommand(const std::function<void()> &command);

    // Each follows one kind of change of the set or of the desktop.
    void showSlotName(int index);
    void showSlotStatus(int index);
    // The status picture at path, decoded into decoded when a row first shows it.
    const QPixmap &statusPicture(QPixmap &decoded, const QString &path);
    void showSizeMode();
    void showTitleColour();
    // Yellow for the name box that holds the focus, white for the one that had it.
    void highlightFocusedName(QWidget *focused);

    void formLoad();
    void on_cmdLoadCRT_clicked(int index);
    void on_txtCRTName_filesDropped(int index, const QStringList &paths);
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
    QLabel *m_title = nullptr;
    int m_highlighted = -1; // the name box shown yellow, if any
    bool m_commandRunning = false;
    QList<QPair<int, QStringList>> m_waitingDrops; // slot and paths of drops during a command
    // The status pictures, decoded once for all rows when one first needs it:
    // the first paint shows none, as every slot starts empty.
    QPixmap m_picOK, m_picError, m_picUnkown;
    // The pixel ratio when the window was made, which they are decoded for, as the board is.
    qreal m_builtPixelRatio = 1;
    // One folder picture for the sixteen load buttons and "Load CRT Set".
    QIcon m_folderIcon;
};

} // namespace plakmund
