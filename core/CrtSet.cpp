#include "CrtSet.h"

namespace plakmund {

QString StatusTooltip(SlotStatus status)
{
    switch (status) {
    case SlotStatus::Empty:
        break;
    case SlotStatus::Ok:
        return QStringLiteral("Ok");
    case SlotStatus::ExromWarning:
        return QStringLiteral("EXROM Detected! Switch EXROM on Kestrix to Active(On)");
    case SlotStatus::UnknownSettings:
        return QStringLiteral("Unknown Cartridge settings");
    case SlotStatus::UnknownDetails:
        return QStringLiteral("Unknown Cartridge details.");
    }
    return {};
}

CrtSet::CrtSet(QObject *parent) : QObject(parent) {}

void CrtSet::SetSlotName(int index, const QString &name)
{
    m_slots.at(index).displayName = name;
    emit slotNameChanged(index);
}

void CrtSet::SetSlotLocation(int index, const QString &location)
{
    m_slots.at(index).location = location;
    emit slotLocationChanged(index);
}

void CrtSet::SetSlotStatus(int index, SlotStatus status)
{
    CrtSlot &slot = m_slots.at(index);
    slot.status = status;
    if (status != SlotStatus::Empty)
        slot.tooltip = StatusTooltip(status);
    emit slotStatusChanged(index);
}

void CrtSet::SetSizeMode(SizeMode mode)
{
    m_sizeMode = mode;
    emit sizeModeChanged();
}

void CrtSet::ClearAll()
{
    for (int i = 0; i < SlotCount; ++i) {
        SetSlotStatus(i, SlotStatus::Empty);
        SetSlotName(i, QString());
        SetSlotLocation(i, QString());
    }
}

} // namespace plakmund
