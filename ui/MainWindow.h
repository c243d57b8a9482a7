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
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // Messages, dialogs and focus moves go to ui when one is given, else to
    // this window's own message boxes and file dialogs.
    explicit MainWindow(UserInterface *ui = nullptr);
    ~MainWindow() override;

    CrtSet &crtSet() { return m_set; }

    // Moves the keyboard focus to slot i's name box and selects the name there,
    // so that what the user types replaces it.
    void focusSlotName(int index);

protected:
    // Return and Enter press a focused button; Up and Down move between name boxes.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createSlotRows();
    void createTitleAndPicture();
    void createCommands();
    void arrangeControls();
    QPushButton *keyboardButton(QPushButton *button);
    // A button's 16 x 16 picture, sharp at the window's pixel ratio.
    QIcon commandIcon(QStringView name) const;
    // Runs one of the user's commands; drops that arrive meanwhile wait for its end.
    void runCommand(const std::function<void()> &command);

    // Each follows one kind of change of the set or of the desktop.
    void showSlotName(int index);
    void showSlotStatus(int index);
    void showSizeMode();
    void showTitleColour();
    // Yellow for the name box that holds the focus, white for the one that had it.
    void highlightFocusedName(QWidget *focused);
    // Gives the focus to the name box that focusSlotName chose, once this window is active.
    void movePendingFocus();

    // The user's commands, each from its button (or, for a load, a drop).
    void loadCartridge(int slot);
    void loadDroppedFiles(int slot, const QStringList &paths);
    void loadCrtSet();
    void saveCrtSet();
    void saveBinFile();
    void clearAll();
    void showHelp();
    void exitProgram();
    void chooseSize(SizeMode mode);

    CrtSet m_set;
    QtUserInterface m_ownUi{*this, [this](int index) { focusSlotName(index); }};
    UserInterface &m_ui;

    std::array<QPushButton *, SlotCount> m_cmdLoadCRT{};
    std::array<SlotNameBox *, SlotCount> m_txtCRTName{};
    std::array<QLabel *, SlotCount> m_picStatus{};
    QLabel *m_title = nullptr;
    int m_highlighted = -1; // the name box shown yellow, if any
    int m_pendingFocus = -1; // the name box to take the focus, if any
    bool m_commandRunning = false;
    QList<QPair<int, QStringList>> m_waitingDrops; // slot and paths of drops during a command
    bool m_iconRequested = false;
    // The pixel ratio the window's pictures are made for: the one it was made at.
    qreal m_pixelRatio = 1;
    // One folder picture for the sixteen load buttons and "Load CRT Set".
    QIcon m_folderIcon;
    std::array<QPixmap, 5> m_statusPictures; // by SlotStatus; none for Empty
};

} // namespace plakmund
