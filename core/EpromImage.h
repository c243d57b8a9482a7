#pragma once

#include "CrtSet.h"

#include <QByteArray>
#include <QList>

namespace plakmund {

// The EPROM image of games, the data of slots 0 to N - 1 of an image of N games:
// 16,384 bytes each, the highest slot first, so that slot 0 fills the last 16 KB.
QByteArray buildEpromImage(const QList<SlotData> &games);

// The data of the slots that the set's size mode puts into its image.
QList<SlotData> activeSlotData(const CrtSet &set);

} // namespace plakmund
