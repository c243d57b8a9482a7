#include "EpromImage.h"

#include <QByteArrayList>

namespace plakmund {

QByteArray buildEpromImage(const QList<SlotData> &games)
{
    QByteArrayList areas;
    for (qsizetype slot = games.size() - 1; slot >= 0; --slot)
        areas << games.at(slot).bytes();
    return areas.join();
}

QList<SlotData> activeSlotData(const CrtSet &set)
{
    QList<SlotData> games;
    for (int slot = 0; slot < activeSlotCount(set.sizeMode()); ++slot)
        games << set.slotData(slot);
    return games;
}

} // namespace plakmund
