#include "CrtSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace plakmund {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CrtSet)
};

} // namespace

QString slotNumberText(int index)
{
    return QString::number(index, 16).toUpper();
}

QString statusTooltip(SlotStatus status)
{
    switch (status) {
    case SlotStatus::Empty:
        break;
    case SlotStatus::Ok:
        return Text::tr("Ok", "a slot's status: the cartridge is fine");
    case SlotStatus::ExromWarning:
        return Text::tr("EXROM Detected! Switch EXROM on Kestrix to Active(On)", "EXROM: a switch on the Kestrix board");
    case SlotStatus::UnknownSettings:
        return Text::tr("Unknown Cartridge settings");
    case SlotStatus::UnknownDetails:
        return Text::tr("Unknown Cartridge details.");
    }
    return {};
}

QByteArray SlotData::zeros()
{
    static const QByteArray bytes(SlotDataSize, '\0');
    return bytes;
}

SlotData SlotData::fromFile(const QByteArray &fileBytes, qsizetype offset)
{
    return SlotData(fileBytes.mid(offset, SlotDataSize).leftJustified(SlotDataSize, '\0'));
}

CrtSet::CrtSet(QObject *parent) : QObject(parent) {}

void CrtSet::setSlotName(int index, const QString &name)
{
    m_slots.at(index).displayName = name;
    emit slotNameChanged(index);
}

QString locatedFrom(const QString &location, const QString &folder)
{
    return location.isEmpty() || folder.isEmpty() ? location : QDir(folder).filePath(location);
}

void CrtSet::setSlotLocation(int index, const QString &location, const QString &path)
{
    CrtSlot &slot = m_slots.at(index);
    slot.location = location;
    slot.path = path;
}

QString CrtSet::slotLocationFrom(int index, const QString &folder) const
{
    const CrtSlot &slot = m_slots.at(index);
    if (slot.location.isEmpty() || QDir::isAbsolutePath(slot.location))
        return slot.location;
    const QDir from(folder);
    const QString file = QDir::cleanPath(QFileInfo(slot.path).absoluteFilePath());
    if (QDir::cleanPath(from.absoluteFilePath(slot.location)) == file)
        return slot.location;
    const QString relative = from.relativeFilePath(file);
    return relative == QLatin1String("..") || relative.startsWith(QLatin1String("../")) ? file : relative;
}

QStringList CrtSet::cartridgePaths() const
{
    QStringList paths;
    for (int i = 0; i < SlotCount; ++i) {
        if (!slotLocation(i).isEmpty())
            paths << cartridgePath(i);
    }
    return paths;
}

void CrtSet::setSlotStatus(int index, SlotStatus status)
{
    CrtSlot &slot = m_slots.at(index);
    slot.status = status;
    if (status != SlotStatus::Empty)
        slot.tooltip = statusTooltip(status);
    emit slotStatusChanged(index);
}

void CrtSet::setSizeMode(SizeMode mode)
{
    m_sizeMode = mode;
    emit sizeModeChanged();
}

void CrtSet::clearAll()
{
    for (int i = 0; i < SlotCount; ++i) {
        setSlotStatus(i, SlotStatus::Empty);
        setSlotName(i, QString());
        setSlotLocation(i, QString());
    }
}

} // namespace plakmund
