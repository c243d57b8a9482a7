#pragma once

#include "SizeMode.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>

namespace plakmund {

inline constexpr int SlotCount = 16;
inline constexpr int SlotDataSize = 16384;

// What the inspection of a slot's cartridge file found; shown as a picture
// with a tooltip.
enum class SlotStatus {
    Empty,
    Ok,
    ExromWarning,
    UnknownSettings,
    UnknownDetails,
};

// The tooltip that a status sets; empty for Empty, which sets none.
QString StatusTooltip(SlotStatus status);

struct CrtSlot {
    QString displayName;
    QString location;
    SlotStatus status = SlotStatus::Empty;
    // The status picture's tooltip. Empty keeps the text an earlier status set.
    QString tooltip;
    QByteArray data = QByteArray(SlotDataSize, '\0');
};

// The whole working state: sixteen slots and the EPROM size mode. The window
// shows it and forwards the user's edits; the signals tell it what changed.
class CrtSet : public QObject {
    Q_OBJECT

public:
    explicit CrtSet(QObject *parent = nullptr);

    const CrtSlot &slot(int index) const { return m_slots.at(index); }

    QString SlotName(int index) const { return m_slots.at(index).displayName; }
    void SetSlotName(int index, const QString &name);

    QString SlotLocation(int index) const { return m_slots.at(index).location; }
    void SetSlotLocation(int index, const QString &location);

    SlotStatus slotStatus(int index) const { return m_slots.at(index).status; }
    QString slotTooltip(int index) const { return m_slots.at(index).tooltip; }
    void SetSlotStatus(int index, SlotStatus status);

    // The slot's 16,384 bytes; only loads write them.
    const QByteArray &SlotData(int index) const { return m_slots.at(index).data; }
    QByteArray &SlotData(int index) { return m_slots.at(index).data; }

    SizeMode sizeMode() const { return m_sizeMode; }
    void SetSizeMode(SizeMode mode);

    // Whether slot row i (name box and load button) takes input in this size mode.
    bool isRowEnabled(int index) const { return index < ActiveSlotCount(m_sizeMode); }

    // Empties every slot's status picture, name and location, in that order;
    // tooltips, data and the size mode stay.
    void ClearAll();

signals:
    void slotNameChanged(int index);
    void slotLocationChanged(int index);
    void slotStatusChanged(int index);
    // The size mode was applied (also again to the same mode): rows and caption follow.
    void sizeModeChanged();

private:
    std::array<CrtSlot, SlotCount> m_slots;
    SizeMode m_sizeMode = SizeMode::Size2mb;
};

} // namespace plakmund
