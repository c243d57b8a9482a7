#include "EpromImage.h"

namespace plakmund {

QByteArray buildEpromImage(const CrtSet &set)
{
    QByteArray image;
    image.reserve(qsizetype(activeSlotCount(set.sizeMode())) * SlotDataSize);
    for (int slot = activeSlotCount(set.sizeMode()) - 1; slot >= 0; --slot)
        image += set.slotData(slot).bytes();
    return image;
}

} // namespace plakmund
