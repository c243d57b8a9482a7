#include "EpromImage.h"

#include <QByteArrayList>

namespace plakmund {

QByteArray buildEpromImage(const CrtSet &set)
{
    QByteArrayList areas;
    for (int slot = activeSlotCount(set.sizeMode()) - 1; slot >= 0; --slot)
        areas << set.slotData(slot).bytes();
    return areas.join();
}

} // namespace plakmund
