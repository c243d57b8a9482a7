#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

#include <QByteArray>

namespace plakmund {

// The EPROM image of the set's active slots, 16,384 bytes each, the highest
// slot first, so that slot 0 fills the last 16 KB.
QByteArray BuildEpromImage(const CrtSet &set);

// "Save BIN File": asks for a file name, writes the image and then its
// listing beside it. Failures are reported; the set is never changed.
void SaveBinFile(const CrtSet &set, UserInterface &ui);

} // namespace plakmund
