#pragma once

#include "SizeMode.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

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

// A slot's number as the user reads it: 0 to 9, then A to F.
QString slotNumberText(int index);

// The file a location names: a relative one taken from folder, that of its set file.
QString locatedFrom(const QString &location, const QString &folder);

// The tooltip that a status sets; empty for Empty, which sets none.
QString statusTooltip(SlotStatus status);

// A slot's contents: always exactly 16,384 bytes, a cartridge's ROM without
// its header. All zero until a cartridge is read into it.
class SlotData {
public:
    SlotData() = default;

    // The file's bytes from offset on, cut to 16,384; zeros past the file's
    // end, so that nothing of an earlier cartridge remains.
    static SlotData fromFile(const QByteArray &fileBytes, qsizetype offset);

    const QByteArray &bytes() const { return m_bytes; }

private:
    explicit SlotData(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    // One block of zeros that every slot not yet loaded shares.
    static QByteArray zeros();

    QByteArray m_bytes = zeros();
};

struct CrtSlot {
    QString displayName;
    QString location;
    QString path; // the cartridge file: the location, where relative taken from its set file's folder
    SlotStatus status = SlotStatus::Empty;
    // The status picture's tooltip. Empty keeps the text an earlier status set.
    QString tooltip;
    SlotData data;
};

// The whole working state: sixteen slots and the EPROM size mode. The window
// shows it and forwards the user's edits; the signals tell it what changed.
class CrtSet : public QObject {
    Q_OBJECT

public:
    explicit CrtSet(QObject *parent = nullptr);

    QString slotName(int index) const { return m_slots.at(index).displayName; }
    void setSlotName(int index, const QString &name);

    QString slotLocation(int index) const { return m_slots.at(index).location; }
    // path is the file the location names, where a set file's folder took a relative one.
    void setSlotLocation(int index, const QString &location, const QString &path);
    void setSlotLocation(int index, const QString &location) { setSlotLocation(index, location, location); }
    // Slot i's location as a set file in folder holds it so that it names the same
    // file: as it is where it still does, else relative where the file lies beneath
    // folder, else the full path.
    QString slotLocationFrom(int index, const QString &folder) const;

    // The set file the slots were last loaded from or saved to, if any.
    QString setFileLocation() const { return m_setFileLocation; }
    void setSetFileLocation(const QString &path) { m_setFileLocation = path; }
    // Where slot i's cartridge file is; empty where the slot has no location.
    QString cartridgePath(int index) const { return m_slots.at(index).path; }
    // The cartridge files of all sixteen slots, where they have one.
    QStringList cartridgePaths() const;

    SlotStatus slotStatus(int index) const { return m_slots.at(index).status; }
    QString slotTooltip(int index) const { return m_slots.at(index).tooltip; }
    void setSlotStatus(int index, SlotStatus status);

    const SlotData &slotData(int index) const { return m_slots.at(index).data; }
    void setSlotData(int index, const SlotData &data) { m_slots.at(index).data = data; }

    SizeMode sizeMode() const { return m_sizeMode; }
    void setSizeMode(SizeMode mode);

    // Whether slot row i (name box and load button) takes input in this size mode.
    bool isRowEnabled(int index) const { return index < activeSlotCount(m_sizeMode); }

    // Empties every slot's status picture, name and location, in that order;
    // tooltips, data and the size mode stay.
    void clearAll();

signals:
    void slotNameChanged(int index);
    void slotStatusChanged(int index);
    // The size mode was applied (also again to the same mode): rows and caption follow.
    void sizeModeChanged();

private:
    std::array<CrtSlot, SlotCount> m_slots;
    SizeMode m_sizeMode = StartSizeMode;
    QString m_setFileLocation;
};

} // namespace plakmund
