#pragma once

#include "CartridgeFormat.h"
#include "Result.h"
#include "SetFile.h"

#include <QList>
#include <QString>

namespace plakmund {

// Loading a set as operations on files, apart from any window: what the files
// hold, and the texts the user is told of them.

// The records of the set file at path, read and checked whole.
Result<QList<SetFileRecord>> readSetFileAt(const QString &path);

// What a set's cartridge file gives its slot when the set is loaded: there is no
// question and no refusal, only a length that settles the header.
struct Reinspection {
    enum Outcome { Missing, Unreadable, Read };
    Outcome outcome = Missing;
    QString reason; // why an existing file could not be read
    bool withHeader = false;
    SlotStatus status = SlotStatus::Empty;
    SlotData data;
};

Reinspection reinspectCartridge(const QString &path);

// A record of a set file, the cartridge file it names and what that holds now.
struct LoadedRecord {
    SetFileRecord record;
    QString path;
    Reinspection found;
};

// The set file at path with every cartridge file it names looked at afresh, a
// relative location taken from the set file's folder.
Result<QList<LoadedRecord>> loadSetFile(const QString &path);

// The message for a cartridge file that is gone; it names the slot's name.
QString missingCartridgeText(const QString &displayName);

} // namespace plakmund
