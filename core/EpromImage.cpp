#include "EpromImage.h"

namespace plakmund {

QByteArray buildEpromImage(const CrtSet &set)
{
    const int games = activeSlotCount(set.sizeMode());
    QByteArray image;
    // Room for the whole image at once: growing it slot by slot copies it over and over.
    image.reserve(qsizetype(games) * SlotDataSize);
    for (int slot = games - 1; slot >= 0; --slot)
        image += set.slotData(slot).bytes();
    return image;
}

} // namespace plakmund
