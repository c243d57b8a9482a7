#pragma once

#include "CartridgeFormat.h"
#include "CrtSet.h"
#include "UserInterface.h"

#include <QString>
#include <QStringList>

namespace plakmund {

struct CartridgeInspection {
    bool accepted = false; // false: refused or declined, and nothing else is set
    bool withHeader = false;
    CartridgeContents contents;
    QString location;
};

// Judges the cartridge file at path by its length, asking the user where the
// length does not settle it, and reads it.
CartridgeInspection inspectCartridgeFile(UserInterface &ui, const QString &path);

// Inspects the file and, when it is taken, fills slot i: data, status, name, location.
void loadCartridgeIntoSlot(CrtSet &set, UserInterface &ui, const QString &path, int slot);

// A slot's load button: asks for a cartridge file with the open dialog.
void loadCartridgeFromDialog(CrtSet &set, UserInterface &ui, int slot);

// Files dropped on a slot's name box: the first path is tested and loaded.
void loadDroppedCartridge(CrtSet &set, UserInterface &ui, const QStringList &paths, int slot);

} // namespace plakmund
