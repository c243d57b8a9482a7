#include "frmMain.h"

#include "CartridgeLoading.h"
#include "ImageCommands.h"
#include "PictureButton.h"
#include "SetFileCommands.h"
#include "SlotNameBox.h"
#include "WindowLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace plakmund {

namespace {

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

// A large command button: its 16 x 16 icon above its caption.
PictureButton *commandButton(QWidget *container, QStringView name, const QString &caption, const QString &icon)
{
    return placed(new PictureButton(caption, QIcon(icon), container), name);
}

QPushButton *sizeButton(QWidget *container, QStringView name, const QString &caption)
{
    return placed(new QPushButton(caption, container), name);
}

// A hidden picture box that holds one status picture for the rows to copy.
QLabel *statusHolder(QWidget *window, QStringView name, const QString &picture)
{
    auto *holder = placed(new QLabel(window), name);
    holder->setPixmap(QPixmap(picture));
    holder->hide();
    return holder;
}

void setBackground(QWidget &box, const QColor &color)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, color);
    box.setPalette(palette);
}

const QString FolderIcon = QStringLiteral(":/assets/folder.png");

} // namespace

frmMain::frmMain(UserInterface *ui) : m_ui(ui ? *ui : m_ownUi)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/plakmund.ico")));
    setFixedSize(controlRect(u"frmMain").size());
    move(screen()->availableGeometry().center() - rect().center());

    createSlotRows();
    createTitleAndPicture();
    createCommands();
    createStatusHolders();
    arrangeControls();
    m_cmdLoadCRT[0]->setFocus();

    connect(&m_set, &CrtSet::slotNameChanged, this, &frmMain::showSlotName);
    connect(&m_set, &CrtSet::slotLocationChanged, this, &frmMain::showSlotLocation);
    connect(&m_set, &CrtSet::slotStatusChanged, this, &frmMain::showSlotStatus);
    connect(&m_set, &CrtSet::sizeModeChanged, this, &frmMain::showSizeMode);
    formLoad();
}

frmMain::~frmMain()
{
    // The name boxes outlive this part of the window, and closing it as it
    // goes takes their focus away: that must not reach the handlers here.
    for (SlotNameBox *box : m_txtCRTName)
        disconnect(box, nullptr, this, nullptr);
}

void frmMain::focusSlotName(int index)
{
    m_txtCRTName.at(index)->setFocus(Qt::OtherFocusReason);
}

void frmMain::createSlotRows()
{
    const QFont nameFont = sansFont(9.75, QFont::Normal);
    for (int i = 0; i < SlotCount; ++i) {
        QPushButton *load = placed(new QPushButton(this), u"cmdLoadCRT", i);
        load->setIcon(QIcon(FolderIcon));
        load->setIconSize({16, 16});
        connect(load, &QPushButton::clicked, this, [this, i] { on_cmdLoadCRT_clicked(i); });
        m_cmdLoadCRT[i] = load;

        SlotNameBox *name = placed(new SlotNameBox(this), u"txtCRTName", i);
        name->setFont(nameFont);
        // What the user types is the slot's display name at once.
        connect(name, &QLineEdit::textEdited, this, [this, i](const QString &text) { m_set.setSlotName(i, text); });
        connect(name, &SlotNameBox::filesDropped, this,
                [this, i](const QStringList &paths) { on_txtCRTName_filesDropped(i, paths); });
        connect(name, &SlotNameBox::focusGained, this, [this, i] { on_txtCRTName_focusGained(i); });
        connect(name, &SlotNameBox::focusLost, this, [this, i] { on_txtCRTName_focusLost(i); });
        m_txtCRTName[i] = name;

        m_picStatus[i] = placed(new QLabel(this), u"picStatus", i);

        m_txtCRTLoc[i] = placed(new QLineEdit(this), u"txtCRTLoc", i);
        m_txtCRTLoc[i]->hide();
    }
}

void frmMain::createTitleAndPicture()
{
    auto *frame = placed(new QGroupBox(this), u"Frame2");
    frame->setAutoFillBackground(true);
    auto *title = placed(new QLabel(QStringLiteral("Drennik's Plakmund for Kestrix"), frame), u"Label2");
    title->setFont(sansFont(12, QFont::Bold));
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, QColor(192, 0, 0));
    title->setPalette(palette);
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);

    auto *board = placed(new QLabel(this), u"Picture1");
    board->setFrameStyle(QFrame::Box | QFrame::Plain);
    board->setLineWidth(1);
    board->setPixmap(QPixmap(QStringLiteral(":/assets/board.bmp")));
}

void frmMain::createCommands()
{
    // Opaque, as it covers the lower edge of the board picture.
    auto *frame = placed(new QGroupBox(this), u"Frame1");
    frame->setAutoFillBackground(true);
    connect(commandButton(frame, u"cmdLoadPLK", QStringLiteral("Load CRT Set"), FolderIcon), &QPushButton::clicked,
            this, &frmMain::on_cmdLoadPLK_clicked);
    connect(commandButton(frame, u"Command1", QStringLiteral("Save CRT Set"), QStringLiteral(":/assets/save-set.png")),
            &QPushButton::clicked, this, &frmMain::on_Command1_clicked);
    connect(commandButton(frame, u"Command2", QStringLiteral("Save BIN File"), QStringLiteral(":/assets/save-bin.png")),
            &QPushButton::clicked, this, &frmMain::on_Command2_clicked);
    connect(commandButton(frame, u"Command6", QStringLiteral("Clear All"), QStringLiteral(":/assets/clear-all.png")),
            &QPushButton::clicked, this, &frmMain::on_Command6_clicked);
    connect(commandButton(frame, u"Command3", QStringLiteral("Help"), QStringLiteral(":/assets/help.png")),
            &QPushButton::clicked, this, &frmMain::on_Command3_clicked);
    connect(commandButton(frame, u"Command5", QStringLiteral("Exit"), QStringLiteral(":/assets/exit.png")),
            &QPushButton::clicked, this, &frmMain::on_Command5_clicked);

    connect(sizeButton(frame, u"Command4", QStringLiteral("512kb")), &QPushButton::clicked, this,
            &frmMain::on_Command4_clicked);
    connect(sizeButton(frame, u"Command7", QStringLiteral("1mb")), &QPushButton::clicked, this,
            &frmMain::on_Command7_clicked);
    // "2mb" belongs to the window, not to the frame, and lies in front of it.
    connect(sizeButton(this, u"Command8", QStringLiteral("2mb")), &QPushButton::clicked, this,
            &frmMain::on_Command8_clicked);
}

void frmMain::createStatusHolders()
{
    m_picOK = statusHolder(this, u"picOK", QStringLiteral(":/assets/status-ok.png"));
    m_picError = statusHolder(this, u"picError", QStringLiteral(":/assets/status-error.png"));
    m_picUnkown = statusHolder(this, u"picUnkown", QStringLiteral(":/assets/status-unknown.png"));
    m_picBlank = statusHolder(this, u"picBlank", QStringLiteral(":/assets/status-blank.png"));
}

void frmMain::arrangeControls()
{
    const QStringList frontToBack = frontToBackOrder();
    for (auto name = frontToBack.crbegin(); name != frontToBack.crend(); ++name)
        findChild<QWidget *>(*name, Qt::FindDirectChildrenOnly)->raise();

    // Qt links only controls that can take the focus; the others are skipped.
    QWidget *previous = nullptr;
    for (const QString &name : tabOrder()) {
        QWidget *control = findChild<QWidget *>(name);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

void frmMain::showSlotName(int index)
{
    // Setting the text a box already has would move the user's cursor.
    const QString name = m_set.slotName(index);
    if (m_txtCRTName[index]->text() != name)
        m_txtCRTName[index]->setText(name);
}

void frmMain::showSlotLocation(int index)
{
    m_txtCRTLoc[index]->setText(m_set.slotLocation(index));
}

void frmMain::showSlotStatus(int index)
{
    const QLabel *holder = m_picBlank;
    switch (m_set.slotStatus(index)) {
    case SlotStatus::Empty:
        break;
    case SlotStatus::Ok:
        holder = m_picOK;
        break;
    case SlotStatus::ExromWarning:
    case SlotStatus::UnknownSettings:
        holder = m_picError;
        break;
    case SlotStatus::UnknownDetails:
        holder = m_picUnkown;
        break;
    }
    m_picStatus[index]->setPixmap(holder->pixmap());
    m_picStatus[index]->setToolTip(m_set.slotTooltip(index));
}

void frmMain::showSizeMode()
{
    for (int i = 0; i < SlotCount; ++i) {
        m_txtCRTName[i]->setEnabled(m_set.isRowEnabled(i));
        m_cmdLoadCRT[i]->setEnabled(m_set.isRowEnabled(i));
    }
    setWindowTitle(windowCaption(m_set.sizeMode()));
}

void frmMain::formLoad()
{
    m_set.setSizeMode(SizeMode::Size2mb);
}

void frmMain::on_cmdLoadCRT_clicked(int index)
{
    loadCartridgeFromDialog(m_set, m_ui, index);
}

void frmMain::on_txtCRTName_filesDropped(int index, const QStringList &paths)
{
    loadDroppedCartridge(m_set, m_ui, paths, index);
}

void frmMain::on_txtCRTName_focusGained(int index)
{
    setBackground(*m_txtCRTName[index], QColor(255, 255, 0));
}

void frmMain::on_txtCRTName_focusLost(int index)
{
    setBackground(*m_txtCRTName[index], QColor(255, 255, 255));
}

void frmMain::on_cmdLoadPLK_clicked()
{
    loadCrtSet(m_set, m_ui);
}

void frmMain::on_Command1_clicked()
{
    saveCrtSet(m_set, m_ui);
}

void frmMain::on_Command2_clicked()
{
    saveBinFile(m_set, m_ui);
}

void frmMain::on_Command3_clicked()
{
    m_ui.showMessage({QStringLiteral("No Help available yet. Coming soon!"), MessageButtons::Ok, MessageIcon::None,
                      QStringLiteral("Plakmund")});
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
