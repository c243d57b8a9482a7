#include "frmMain.h"

#include "CartridgeLoading.h"
#include "IconFileEngine.h"
#include "ImageCommands.h"
#include "PictureButton.h"
#include "SetFileCommands.h"
#include "SlotNameBox.h"
#include "WindowLayout.h"

#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QResource>
#include <QScreen>

namespace plakmund {

namespace {

constexpr QSize BoardSize(269, 377);

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

// The picture name.png, sharp on a screen of this pixel ratio: Qt takes
// name@2x.png from ratio 2 on, and below it the @2x picture scaled down to the
// screen's pixels is sharper than the small one scaled up.
QIcon picture(const QString &name, QSize size, qreal pixelRatio)
{
    QIcon icon(name + QStringLiteral(".png"));
    if (pixelRatio > 1 && pixelRatio < 2) {
        QPixmap exact = QPixmap(name + QStringLiteral("@2x.png")).scaled(size * pixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        exact.setDevicePixelRatio(pixelRatio);
        icon.addPixmap(exact);
    }
    return icon;
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

// What a status means, in words for the tooltip and for screen readers.
QString statusText(SlotStatus status)
{
    return status == SlotStatus::Empty ? QStringLiteral("No cartridge") : statusTooltip(status);
}

// The board photograph at this pixel ratio. At scale 1 it is the pixels built
// into the program, shown where they lie: decoding a bitmap and keeping its copy
// had cost half a millisecond and 0.7 MiB of the start-up. The @2x picture is
// read only where it is shown.
QPixmap boardPicture(qreal pixelRatio)
{
    // Checked in every build: an image over fewer bytes would read past them.
    const QResource pixels(QStringLiteral(":/assets/board.rgb32"));
    if (pixels.size() != qint64(BoardSize.width()) * BoardSize.height() * 4 || quintptr(pixels.data()) % 4 != 0) {
        qWarning("The board photograph's pixels are not the %dx%d 32-bit words the build makes; it is not shown.",
                 BoardSize.width(), BoardSize.height());
        return {};
    }
    const QPixmap bitmap = QPixmap::fromImage(QImage(pixels.data(), BoardSize.width(), BoardSize.height(), QImage::Format_RGB32));
    if (pixelRatio <= 1)
        return bitmap;
    return picture(QStringLiteral(":/assets/board"), BoardSize, pixelRatio).pixmap(BoardSize, pixelRatio);
}

} // namespace

frmMain::frmMain(UserInterface *ui) : m_ui(ui ? *ui : m_ownUi)
{
    setObjectName(QStringLiteral("frmMain"));
    // Its ten images are decoded only if the platform asks for them.
    setWindowIcon(QIcon(new IconFileEngine(QStringLiteral(":/assets/plakmund.ico"))));
    setFixedSize(controlRect(u"frmMain").size());
    move(screen()->availableGeometry().center() - rect().center());
    m_builtPixelRatio = devicePixelRatioF();
    m_folderIcon = commandIcon(u"folder");

    createSlotRows();
    createTitleAndPicture();
    createCommands();
    arrangeControls();
    m_cmdLoadCRT[0]->setFocus();

    connect(&m_set, &CrtSet::slotNameChanged, this, &frmMain::showSlotName);
    connect(&m_set, &CrtSet::slotStatusChanged, this, &frmMain::showSlotStatus);
    connect(&m_set, &CrtSet::sizeModeChanged, this, &frmMain::showSizeMode);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *focused) { highlightFocusedName(focused); });
    formLoad();
}

frmMain::~frmMain()
{
    // The name boxes outlive this part of the window, and closing it as it
    // goes takes their focus away: that must not reach the highlight here.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void frmMain::focusSlotName(int index)
{
    // After a drop from another program this window is not the active one yet:
    // activating it brings the focus, and the highlight, to the box at once.
    activateWindow();
    m_txtCRTName.at(index)->setFocus(Qt::OtherFocusReason);
    // Also where the box already shows the name that the load sets next, such as "???".
    m_txtCRTName.at(index)->selectAll();
}

void frmMain::runCommand(const std::function<void()> &command)
{
    // Where a command lets pending events through, clicks and keys wait, but a
    // drop is no user input to Qt: it waits here until the command has ended.
    m_commandRunning = true;
    command();
    m_commandRunning = false;
    for (const auto &[index, paths] : std::exchange(m_waitingDrops, {}))
        on_txtCRTName_filesDropped(index, paths);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
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

void frmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        showTitleColour();
    QWidget::changeEvent(event);
}

QPushButton *frmMain::keyboardButton(QPushButton *button)
{
    button->installEventFilter(this);
    return button;
}

QIcon frmMain::commandIcon(QStringView name) const
{
    return picture(QStringLiteral(":/assets/%1").arg(name), {16, 16}, m_builtPixelRatio);
}

void frmMain::createSlotRows()
{
    const QFont nameFont = sansFont(9.75, QFont::Normal);
    for (int i = 0; i < SlotCount; ++i) {
        const QString slot = slotNumberText(i);
        QPushButton *load = keyboardButton(placed(new QPushButton(m_folderIcon, QString(), this), u"cmdLoadCRT", i));
        load->setIconSize({16, 16});
        load->setToolTip(QStringLiteral("Load cartridge into slot ") + slot);
        load->setAccessibleName(load->toolTip());
        connect(load, &QPushButton::clicked, this, [this, i] { on_cmdLoadCRT_clicked(i); });
        m_cmdLoadCRT[i] = load;

        SlotNameBox *name = placed(new SlotNameBox(this), u"txtCRTName", i);
        name->setFont(nameFont);
        name->setAccessibleName(QStringLiteral("Slot %1 name").arg(slot));
        name->installEventFilter(this);
        // What the user types is the slot's display name at once.
        connect(name, &QLineEdit::textEdited, this, [this, i](const QString &text) { m_set.setSlotName(i, text); });
        connect(name, &SlotNameBox::filesDropped, this, [this, i](const QStringList &paths) { on_txtCRTName_filesDropped(i, paths); });
        m_txtCRTName[i] = name;

        m_picStatus[i] = placed(new QLabel(this), u"picStatus", i);
        showSlotStatus(i);
    }
}

void frmMain::createTitleAndPicture()
{
    auto *frame = placed(new QGroupBox(this), u"Frame2");
    frame->setAccessibleName(QStringLiteral("Title"));
    m_title = placed(new QLabel(QStringLiteral("Drennik's Plakmund for Kestrix"), frame), u"Label2");
    m_title->setFont(sansFont(12, QFont::Bold));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setWordWrap(true);
    m_title->setAccessibleDescription(QStringLiteral("The program's name"));
    showTitleColour();

    auto *board = placed(new QLabel(this), u"Picture1");
    board->setFrameStyle(QFrame::Box | QFrame::Plain);
    board->setPixmap(boardPicture(devicePixelRatioF()));
    board->setAccessibleName(QStringLiteral("Cartridge board"));
    board->setAccessibleDescription(QStringLiteral("Photograph of the Kestrix board: its EPROM, switches, LEDs and edge connector"));
}

void frmMain::createCommands()
{
    // Opaque, as it covers the lower edge of the board picture.
    auto *frame = placed(new QGroupBox(this), u"Frame1");
    frame->setAutoFillBackground(true);
    frame->setAccessibleName(QStringLiteral("Commands"));
    struct Command {
        QStringView name;
        QString caption;
        QIcon icon;
        QKeySequence shortcut;
        void (frmMain::*handler)();
    };
    const Command commands[] = {
        {u"cmdLoadPLK", QStringLiteral("Load CRT Set"), m_folderIcon, QKeySequence::Open, &frmMain::on_cmdLoadPLK_clicked},
        {u"Command1", QStringLiteral("Save CRT Set"), commandIcon(u"save-set"), QKeySequence::Save,
         &frmMain::on_Command1_clicked},
        {u"Command2", QStringLiteral("Save BIN File"), commandIcon(u"save-bin"),
         QKeySequence(Qt::CTRL | Qt::Key_B), &frmMain::on_Command2_clicked},
        {u"Command6", QStringLiteral("Clear All"), commandIcon(u"clear-all"), {}, &frmMain::on_Command6_clicked},
        {u"Command3", QStringLiteral("Help"), commandIcon(u"help"), QKeySequence::HelpContents,
         &frmMain::on_Command3_clicked},
        // Ctrl+Q, the standard key to quit on Linux desktops, also where Qt's
        // keyboard scheme (Windows', the offscreen platform's) has none.
        {u"Command5", QStringLiteral("Exit"), commandIcon(u"exit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
         &frmMain::on_Command5_clicked},
    };
    for (const Command &command : commands) {
        QPushButton *button = keyboardButton(placed(new PictureButton(command.caption, command.icon, frame), command.name));
        button->setShortcut(command.shortcut);
        if (!command.shortcut.isEmpty())
            button->setToolTip(QStringLiteral("%1 (%2)").arg(command.caption, command.shortcut.toString(QKeySequence::NativeText)));
        connect(button, &QPushButton::clicked, this, command.handler);
    }

    connect(keyboardButton(placed(new QPushButton(QStringLiteral("512kb"), frame), u"Command4")), &QPushButton::clicked, this,
            &frmMain::on_Command4_clicked);
    connect(keyboardButton(placed(new QPushButton(QStringLiteral("1mb"), frame), u"Command7")), &QPushButton::clicked, this,
            &frmMain::on_Command7_clicked);
    // "2mb" belongs to the window, not to the frame, and lies in front of it.
    connect(keyboardButton(placed(new QPushButton(QStringLiteral("2mb"), this), u"Command8")), &QPushButton::clicked, this,
            &frmMain::on_Command8_clicked);
}

void frmMain::arrangeControls()
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

void frmMain::showSlotName(int index)
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

const QPixmap &frmMain::statusPicture(QPixmap &decoded, const QString &path)
{
    if (decoded.isNull())
        decoded = picture(path, {16, 16}, m_builtPixelRatio).pixmap({16, 16}, m_builtPixelRatio);
    return decoded;
}

void frmMain::showSlotStatus(int index)
{
    QPixmap shown;
    switch (m_set.slotStatus(index)) {
    case SlotStatus::Empty:
        break;
    case SlotStatus::Ok:
        shown = statusPicture(m_picOK, QStringLiteral(":/assets/status-ok"));
        break;
    case SlotStatus::ExromWarning:
    case SlotStatus::UnknownSettings:
        shown = statusPicture(m_picError, QStringLiteral(":/assets/status-error"));
        break;
    case SlotStatus::UnknownDetails:
        shown = statusPicture(m_picUnkown, QStringLiteral(":/assets/status-unknown"));
        break;
    }
    m_picStatus[index]->setPixmap(shown);
    m_picStatus[index]->setToolTip(m_set.slotTooltip(index));
    const QString text = statusText(m_set.slotStatus(index));
    m_picStatus[index]->setAccessibleName(QStringLiteral("Slot %1 status: %2").arg(slotNumberText(index), text));
    m_txtCRTName[index]->setAccessibleDescription(text);
}

void frmMain::showSizeMode()
{
    for (int i = 0; i < SlotCount; ++i) {
        m_txtCRTName[i]->setEnabled(m_set.isRowEnabled(i));
        m_cmdLoadCRT[i]->setEnabled(m_set.isRowEnabled(i));
    }
    setWindowTitle(windowCaption(m_set.sizeMode()));
}

void frmMain::showTitleColour()
{
    // Dark red on a light frame; on a dark one a lighter red keeps it readable.
    const bool darkFrame = palette().color(QPalette::Window).lightness() < 128;
    QPalette palette;
    palette.setColor(QPalette::WindowText, darkFrame ? QColor(255, 112, 112) : QColor(192, 0, 0));
    m_title->setPalette(palette);
}

void frmMain::formLoad()
{
    m_set.setSizeMode(SizeMode::Size2mb);
}

void frmMain::on_cmdLoadCRT_clicked(int index)
{
    runCommand([&] { loadCartridgeFromDialog(m_set, m_ui, index); });
}

void frmMain::on_txtCRTName_filesDropped(int index, const QStringList &paths)
{
    if (m_commandRunning)
        m_waitingDrops.append({index, paths});
    else
        runCommand([&] { loadDroppedCartridge(m_set, m_ui, paths, index); });
}

void frmMain::highlightFocusedName(QWidget *focused)
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

void frmMain::on_cmdLoadPLK_clicked()
{
    runCommand([this] { loadCrtSet(m_set, m_ui); });
}

void frmMain::on_Command1_clicked()
{
    runCommand([this] { saveCrtSet(m_set, m_ui); });
}

void frmMain::on_Command2_clicked()
{
    runCommand([this] { saveBinFile(m_set, m_ui); });
}

void frmMain::on_Command3_clicked()
{
    runCommand([this] {
        m_ui.showMessage({QStringLiteral("No Help available yet. Coming soon!"), MessageButtons::Ok, MessageIcon::None,
                          QStringLiteral("Plakmund")});
    });
}

void frmMain::on_Command4_clicked()
{
    m_set.setSizeMode(SizeMode::Size512kb);
}

void frmMain::on_Command5_clicked()
{
    // Nothing to ask and nothing to save: closing the last window ends the program.
    close();
}

void frmMain::on_Command6_clicked()
{
    m_set.clearAll();
}

void frmMain::on_Command7_clicked()
{
    m_set.setSizeMode(SizeMode::Size1mb);
}

void frmMain::on_Command8_clicked()
{
    m_set.setSizeMode(SizeMode::Size2mb);
}

} // namespace plakmund
