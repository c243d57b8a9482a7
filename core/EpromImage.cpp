#include "EpromImage.h"

namespace plakmund {

QByteArray buildEpromImage(const CrtSet &set)
{
    QByteArray image;
    image.reserve(imageSize(set.sizeMode()));
    for (int slot = activeSlotCount(set.sizeMode()) - 1; slot >= 0; --slot)
        image += set.slotData(slot).bytes();
    return image;
}

} // namespace plakmund
