#include "DumpCheck.h"

#include "CrtSet.h"

#include <algorithm>

namespace plakmund {

bool isBlankArea(QByteArrayView area)
{
    return area.count('\0') == area.size() || area.count('\xFF') == area.size();
}

bool DumpCheck::allSame() const
{
    return dumpLength >= imageLength
        && std::all_of(areas.begin(), areas.end(), [](const AreaCheck &area) { return area.differing == 0; });
}

DumpCheck checkDump(QByteArrayView dump, QByteArrayView image)
{
    DumpCheck check{dump.size(), image.size()};
    const qsizetype games = image.size() / SlotDataSize;
    // The image keeps the highest slot first, so slot s lies at (games - 1 - s) areas.
    for (qsizetype slot = 0; slot < games; ++slot) {
        const qsizetype offset = (games - 1 - slot) * SlotDataSize;
        if (offset + SlotDataSize > dump.size())
            continue;
        const QByteArrayView expected = image.sliced(offset, SlotDataSize), read = dump.sliced(offset, SlotDataSize);
        AreaCheck area{int(slot)};
        for (qsizetype i = 0; i < SlotDataSize; ++i) {
            if (expected[i] != read[i] && area.differing++ == 0)
                area.firstDifference = i;
        }
        area.blankInDump = isBlankArea(read);
        area.blankInImage = isBlankArea(expected);
        check.areas << area;
    }
    return check;
}

} // namespace plakmund
