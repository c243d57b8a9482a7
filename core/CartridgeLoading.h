#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

#include <QString>
#include <QStringList>

namespace plakmund {

// Inspects the file and, when it is taken, fills slot i: status, name, location.
void LoadCartridgeIntoSlot(CrtSet &set, UserInterface &ui, const QString &path, int slot);

// A slot's load button: asks for a cartridge file with the open dialog.
void LoadCartridgeFromDialog(CrtSet &set, UserInterface &ui, int slot);

// Files dropped on a slot's name box: the first path is tested and loaded.
void LoadDroppedCartridge(CrtSet &set, UserInterface &ui, const QStringList &paths, int slot);

} // namespace plakmund
