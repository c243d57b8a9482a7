#pragma once

#include <QByteArrayView>
#include <QList>

namespace plakmund {

// Whether an area is blank: all 0x00, or all 0xFF as an erased chip reads.
bool isBlankArea(QByteArrayView area);

// How one game's area of a chip's dump compares with the image's.
struct AreaCheck {
    int slot = 0;
    qint64 differing = 0;        // bytes that differ
    qint64 firstDifference = -1; // the first one's offset in the area; -1: none
    bool blankInDump = false;    // all 0x00 or all 0xFF, as an erased chip reads
    bool blankInImage = false;
};

// A dump read back from a chip against the image it should hold. A dump longer
// than the image (a larger chip read back whole) is compared over the image's
// length; a shorter one over the areas it holds whole.
struct DumpCheck {
    qint64 dumpLength = 0;
    qint64 imageLength = 0;
    QList<AreaCheck> areas; // slot 0 first

    bool allSame() const;
};

DumpCheck checkDump(QByteArrayView dump, QByteArrayView image);

} // namespace plakmund
