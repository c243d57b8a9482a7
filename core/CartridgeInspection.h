#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

#include <QString>

namespace plakmund {

// The class of a cartridge file by its length alone.
enum class SizeClass {
    HeaderSize, // 16,464, 8,272 or 4,176 bytes: an 80-byte header block, then ROM
    RawSize,    // 16,384, 8,192 or 4,096 bytes: ROM only
    TooLarge,   // more than 16,464 bytes
    OddSize,    // any other length: the user is asked
};

SizeClass ClassifyLength(qint64 length);

struct CartridgeInspection {
    bool accepted = false;
    bool withHeader = false;
    SlotStatus status = SlotStatus::Empty;
    QString displayName;
    QString location;
};

// Judges the file at path for slot i, asking the user where its length does
// not settle it. When accepted, slot i's data already holds the file's
// contents; the caller sets the slot's other fields from the result.
CartridgeInspection InspectCartridgeFile(CrtSet &set, UserInterface &ui, const QString &path, int slot);

} // namespace plakmund
