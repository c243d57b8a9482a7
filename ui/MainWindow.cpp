#include "MainWindow.h"

#include "CartridgeLoading.h"
#include "ImageCommands.h"
#include "PictureButton.h"
#include "Pictures.h"
#include "SetFileCommands.h"
#include "SlotNameBox.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace plakmund {

namespace {

constexpr QSize BoardSize(269, 377);
constexpr QSize IconSize(16, 16);

// Names the control and puts it where the layout says.
template <typename Control>
Control *placed(Control *control, QStringView name, int index = -1)
{
    control->setObjectName(index < 0 ? name.toString() : memberName(name, index));
    control->setGeometry(controlRect(name, qMax(index, 0)));
    return control;
}

// "MS Sans Serif" at the given size and weight; where it is not installed, the
// style hint makes Qt take its default sans family instead.
QFont sansFont(qreal pointSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

// The board photograph at this pixel ratio; the @2x picture is read only where it is shown.
QPixmap boardPicture(qreal pixelRatio)
{
    if (pixelRatio <= 1)
        return QPixmap(QStringLiteral(":/assets/board.bmp"));
    return picture(u"board", BoardSize, pixelRatio).pixmap(BoardSize, pixelRatio);
}

// The picture of a status; Empty has none.
QStringView statusPictureName(SlotStatus status)
{
    switch (status) {
    case SlotStatus::Empty:
        break;
    case SlotStatus::Ok:
        return u"status-ok";
    case SlotStatus::ExromWarning:
    case SlotStatus::UnknownSettings:
        return u"status-error";
    case SlotStatus::UnknownDetails:
        return u"status-unknown";
    }
    return {};
}

// A forced background with a text colour to match, whatever the desktop's palette.
// Only these two are set, so the box follows the desktop in everything else.
void setColours(QWidget &box, const QColor &background)
{
    QPalette palette;
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    box.setPalette(palette);
}

} // namespace

MainWindow::MainWindow(UserInterface *ui) : m_ui(ui ? *ui : m_ownUi)
{
    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(controlRect(u"frmMain").size());
    move(screen()->availableGeometry().center() - rect().center());
#ifdef Q_OS_WIN
    // Windows' own font for windows (Segoe UI 9 point) is taller than the one this fixed layout
    // was drawn for: a command's picture and two caption lines would not fit in its button.
    setFont(QFont(QStringLiteral("Tahoma"), 8));
#endif
    m_pixelRatio = devicePixelRatioF();
    m_folderIcon = commandIcon(u"folder");
    for (SlotStatus status : {SlotStatus::Ok, SlotStatus::ExromWarning, SlotStatus::UnknownSettings, SlotStatus::UnknownDetails})
        m_statusPictures[int(status)] = picture(statusPictureName(status), IconSize, m_pixelRatio).pixmap(IconSize, m_pixelRatio);

    createSlotRows();
    createTitleAndPicture();
    createCommands();
    arrangeControls();
    m_cmdLoadCRT[0]->setFocus();

    connect(&m_set, &CrtSet::slotNameChanged, this, &MainWindow::showSlotName);
    connect(&m_set, &CrtSet::slotStatusChanged, this, &MainWindow::showSlotStatus);
    connect(&m_set, &CrtSet::sizeModeChanged, this, &MainWindow::showSizeMode);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *focused) { highlightFocusedName(focused); });
    m_set.setSizeMode(StartSizeMode);
}

MainWindow::~MainWindow()
{
    // The name boxes outlive this part of the window, and closing it as it
    // goes takes their focus away: that must not reach the highlight here.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void MainWindow::focusSlotName(int index)
{
    // After a drop from another program, or a dialog, this window is not the active one yet.
    activateWindow();
    // The box takes the focus once the load has set the name and the window is active again:
    // a screen reader then hears its focus after its text and the dialog's leaving, not before.
    m_pendingFocus = index;
    QTimer::singleShot(0, this, &MainWindow::movePendingFocus);
}

void MainWindow::movePendingFocus()
{
    if (m_pendingFocus < 0 || !isActiveWindow())
        return;
    SlotNameBox *box = m_txtCRTName.at(std::exchange(m_pendingFocus, -1));
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void MainWindow::runCommand(const std::function<void()> &command)
{
    // Where a command lets pending events through, clicks and keys wait, but a
    // drop is no user input to Qt: it waits here until the command has ended.
    m_commandRunning = true;
    command();
    m_commandRunning = false;
    for (const auto &[slot, paths] : std::exchange(m_waitingDrops, {}))
        loadDroppedFiles(slot, paths);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (auto *button = qobject_cast<QPushButton *>(watched); button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        button->click();
        return true;
    }
    const auto box = std::find(m_txtCRTName.begin(), m_txtCRTName.end(), watched);
    if (box == m_txtCRTName.end() || (key != Qt::Key_Up && key != Qt::Key_Down))
        return QWidget::eventFilter(watched, event);
    const int step = key == Qt::Key_Up ? -1 : 1;
    for (int row = int(box - m_txtCRTName.begin()) + step; row >= 0 && row < SlotCount; row += step) {
        if (m_set.isRowEnabled(row)) {
            m_txtCRTName[row]->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        showTitleColour();
    if (event->type() == QEvent::ActivationChange)
        movePendingFocus();
    QWidget::changeEvent(event);
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Decoding the icon's ten images takes 2.5 ms: the window shows that much
    // sooner with its icon set after the first paint.
    if (!std::exchange(m_iconRequested, true))
        QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QStringLiteral(":/assets/plakmund.ico"))); });
}

QPushButton *MainWindow::keyboardButton(QPushButton *button)
{
    button->installEventFilter(this);
    return button;
}

QIcon MainWindow::commandIcon(QStringView name) const
{
    return picture(name, IconSize, m_pixelRatio);
}

void MainWindow::createSlotRows()
{
    const QFont nameFont = sansFont(9.75, QFont::Normal);
    for (int i = 0; i < SlotCount; ++i) {
        const QString slot = slotNumberText(i);
        QPushButton *load = keyboardButton(placed(new QPushButton(m_folderIcon, QString(), this), u"cmdLoadCRT", i));
        load->setIconSize(IconSize);
        load->setToolTip(tr("Load cartridge into slot %1").arg(slot));
        load->setAccessibleName(load->toolTip());
        connect(load, &QPushButton::clicked, this, [this, i] { loadCartridge(i); });
        m_cmdLoadCRT[i] = load;

        SlotNameBox *name = placed(new SlotNameBox(this), u"txtCRTName", i);
        name->setFont(nameFont);
        name->setAccessibleName(tr("Slot %1 name").arg(slot));
        name->installEventFilter(this);
        // What the user types is the slot's display name at once.
        connect(name, &QLineEdit::textEdited, this, [this, i](const QString &text) { m_set.setSlotName(i, text); });
        connect(name, &SlotNameBox::filesDropped, this, [this, i](const QStringList &paths) { loadDroppedFiles(i, paths); });
        m_txtCRTName[i] = name;

        m_picStatus[i] = placed(new QLabel(this), u"picStatus", i);
        showSlotStatus(i);
    }
}

void MainWindow::createTitleAndPicture()
{
    auto *frame = placed(new QGroupBox(this), u"Frame2");
    frame->setAccessibleName(tr("Title", "the frame around the program's name"));
    m_title = placed(new QLabel(programTitle(), frame), u"Label2");
    m_title->setFont(sansFont(12, QFont::Bold));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);
    m_title->setAccessibleDescription(tr("The program's name"));
    showTitleColour();

    auto *board = placed(new QLabel(this), u"Picture1");
    board->setFrameStyle(QFrame::Box | QFrame::Plain);
    board->setPixmap(boardPicture(m_pixelRatio));
    board->setAccessibleName(tr("Cartridge board"));
    board->setAccessibleDescription(tr("Photograph of the Kestrix board: its EPROM, switches, LEDs and edge connector"));
}

void MainWindow::createCommands()
{
    // Opaque, as it covers the lower edge of the board picture.
    auto *frame = placed(new QGroupBox(this), u"Frame1");
    frame->setAutoFillBackground(true);
    frame->setAccessibleName(tr("Commands"));
    struct Command {
        QStringView name;
        QString caption;
        QIcon icon;
        QKeySequence shortcut;
        void (MainWindow::*handler)();
    };
    const Command commands[] = {
        {u"cmdLoadPLK", tr("Load CRT Set", "a command button"), m_folderIcon, QKeySequence::Open, &MainWindow::loadCrtSet},
        {u"Command1", tr("Save CRT Set", "a command button"), commandIcon(u"save-set"), QKeySequence::Save, &MainWindow::saveCrtSet},
        {u"Command2", tr("Save BIN File", "a command button"), commandIcon(u"save-bin"), QKeySequence(Qt::CTRL | Qt::Key_B),
         &MainWindow::saveBinFile},
        {u"Command6", tr("Clear All", "a command button: empties every slot"), commandIcon(u"clear-all"), {}, &MainWindow::clearAll},
        {u"Command3", tr("Help", "a command button"), commandIcon(u"help"), QKeySequence::HelpContents, &MainWindow::showHelp},
        // Ctrl+Q, the standard key to quit on Linux desktops, also where Qt's
        // keyboard scheme (Windows', the offscreen platform's) has none.
        {u"Command5", tr("Exit", "a command button: ends the program"), commandIcon(u"exit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exitProgram},
    };
    for (const Command &command : commands) {
        QPushButton *button = keyboardButton(placed(new PictureButton(command.caption, command.icon, frame), command.name));
        button->setShortcut(command.shortcut);
        if (!command.shortcut.isEmpty())
            button->setToolTip(tr("%1 (%2)", "a command's tooltip: its caption and its shortcut key")
                                  .arg(command.caption, command.shortcut.toString(QKeySequence::NativeText)));
        connect(button, &QPushButton::clicked, this, command.handler);
    }

    // The size buttons, captioned with the size's name; "2mb" belongs to the
    // window, not to the frame, and lies in front of it.
    const std::tuple<QStringView, SizeMode, QWidget *> sizes[] = {
        {u"Command4", SizeMode::Size512kb, frame}, {u"Command7", SizeMode::Size1mb, frame}, {u"Command8", SizeMode::Size2mb, this}};
    for (const auto &[name, mode, container] : sizes) {
        QPushButton *button = keyboardButton(placed(new QPushButton(sizeModeName(mode), container), name));
        connect(button, &QPushButton::clicked, this, [this, mode = mode] { chooseSize(mode); });
    }
}

void MainWindow::arrangeControls()
{
    // Every control by its name, found in one pass over the children.
    QHash<QString, QWidget *> controls;
    for (QWidget *control : findChildren<QWidget *>())
        controls.insert(control->objectName(), control);

    const QStringList frontToBack = frontToBackOrder();
    for (auto name = frontToBack.crbegin(); name != frontToBack.crend(); ++name)
        controls.value(*name)->raise();

    const QStringList focusOrder = tabOrder();
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        setTabOrder(controls.value(focusOrder.at(i - 1)), controls.value(focusOrder.at(i)));
}

void MainWindow::showSlotName(int index)
{
    // Setting the text a box already has would move the user's cursor.
    SlotNameBox *box = m_txtCRTName[index];
    const QString name = m_set.slotName(index);
    if (box->text() == name)
        return;
    box->setText(name);
    if (focusWidget() == box)
        box->selectAll();
}

void MainWindow::showSlotStatus(int index)
{
    const SlotStatus status = m_set.slotStatus(index);
    m_picStatus[index]->setPixmap(m_statusPictures[int(status)]);
    m_picStatus[index]->setToolTip(m_set.slotTooltip(index));
    // What the status means, in words for screen readers.
    const QString text = status == SlotStatus::Empty ? tr("No cartridge") : statusTooltip(status);
    m_picStatus[index]->setAccessibleName(tr("Slot %1 status: %2").arg(slotNumberText(index), text));
    m_txtCRTName[index]->setAccessibleDescription(text);
}

void MainWindow::showSizeMode()
{
    for (int i = 0; i < SlotCount; ++i) {
        m_txtCRTName[i]->setEnabled(m_set.isRowEnabled(i));
        m_cmdLoadCRT[i]->setEnabled(m_set.isRowEnabled(i));
    }
    setWindowTitle(windowCaption(m_set.sizeMode()));
}

void MainWindow::showTitleColour()
{
    // Dark red on a light frame; on a dark one a lighter red keeps it readable.
    const bool darkFrame = palette().color(QPalette::Window).lightness() < 128;
    QPalette palette;
    palette.setColor(QPalette::WindowText, darkFrame ? QColor(255, 112, 112) : QColor(192, 0, 0));
    m_title->setPalette(palette);
}

void MainWindow::highlightFocusedName(QWidget *focused)
{
    // Only a move among this window's own controls counts: the focus leaving for
    // another program or for one of this window's message boxes keeps the highlight.
    if (!focused || focused->window() != this)
        return;
    const auto box = std::find(m_txtCRTName.begin(), m_txtCRTName.end(), focused);
    const int index = box == m_txtCRTName.end() ? -1 : int(box - m_txtCRTName.begin());
    if (index == m_highlighted)
        return;
    if (m_highlighted >= 0)
        setColours(*m_txtCRTName[m_highlighted], QColor(255, 255, 255));
    if (index >= 0)
        setColours(*m_txtCRTName[index], QColor(255, 255, 0));
    m_highlighted = index;
}

void MainWindow::loadCartridge(int slot)
{
    runCommand([&] { loadCartridgeFromDialog(m_set, m_ui, slot); });
}

void MainWindow::loadDroppedFiles(int slot, const QStringList &paths)
{
    if (m_commandRunning)
        m_waitingDrops.append({slot, paths});
    else
        runCommand([&] { loadDroppedCartridge(m_set, m_ui, paths, slot); });
}

void MainWindow::loadCrtSet()
{
    runCommand([this] { plakmund::loadCrtSet(m_set, m_ui); });
}

void MainWindow::saveCrtSet()
{
    runCommand([this] { plakmund::saveCrtSet(m_set, m_ui); });
}

void MainWindow::saveBinFile()
{
    runCommand([this] { plakmund::saveBinFile(m_set, m_ui); });
}

void MainWindow::clearAll()
{
    m_set.clearAll();
}

void MainWindow::showHelp()
{
    runCommand([this] {
        m_ui.showMessage({tr("No Help available yet. Coming soon!"), MessageButtons::Ok, MessageIcon::None,
                          QStringLiteral("Plakmund")});
    });
}

void MainWindow::exitProgram()
{
    // Nothing to ask and nothing to save: closing the last window ends the program.
    close();
}

void MainWindow::chooseSize(SizeMode mode)
{
    m_set.setSizeMode(mode);
}

} // namespace plakmund
