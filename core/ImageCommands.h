#pragma once

#include "CrtSet.h"
#include "UserInterface.h"

namespace plakmund {

// "Save BIN File": asks for a file name, writes the image and then its
// listing beside it, as a pair. Failures are reported; the set is never changed.
void saveBinFile(const CrtSet &set, UserInterface &ui);

} // namespace plakmund
