#pragma once

#include "CrtSet.h"

#include <QByteArray>

namespace plakmund {

// The EPROM image of the set's active slots, 16,384 bytes each, the highest
// slot first, so that slot 0 fills the last 16 KB.
QByteArray buildEpromImage(const CrtSet &set);

} // namespace plakmund
