#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

namespace plakmund {

// "Save CRT Set": writes the name and location of every slot that has either,
// and remembers the file as the set's.
void saveCrtSet(CrtSet &set, UserInterface &ui);

// "Load CRT Set": empties the slots, fills them from a set file and reads
// every cartridge file afresh, a relative location from the set file's folder;
// reports each missing file in record order.
void loadCrtSet(CrtSet &set, UserInterface &ui);

} // namespace plakmund
