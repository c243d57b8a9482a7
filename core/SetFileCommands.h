#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

namespace plakmund {

// "Save CRT Set": writes the name and location of every slot that has either,
// and remembers the file as the set's.
void saveCrtSet(CrtSet &set, UserInterface &ui);

// "Load CRT Set": empties the slots, fills them from a set file and reads
// every cartridge file afresh, a relative location from the set file's folder.
void loadCrtSet(CrtSet &set, UserInterface &ui);

// Looks again at slot i's cartridge file after a set file filled the slot:
// reports a missing file, sets the status by length and rereads the data.
void reinspectCartridgeFile(CrtSet &set, UserInterface &ui, int slot);

} // namespace plakmund
