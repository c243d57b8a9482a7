// Feeds arbitrary bytes to the listing reader, which split uses for the names of
// an image's games: it must never crash, and whatever it accepts must read the
// same again once written.
#include "Listing.h"
#include "TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace plakmund;
    const Result<ListedImage> read = readListing(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!read.ok())
        return 0;
    const ListedImage &listed = read.value();
    if (listed.displayNames.size() != activeSlotCount(listed.mode))
        std::abort();
    const Result<ListedImage> again = readListing(textFileBytes(buildListing(listed.imageFileName, listed.mode, listed.displayNames)));
    if (!again.ok() || again.value().imageFileName != listed.imageFileName || again.value().mode != listed.mode
        || again.value().displayNames != listed.displayNames)
        std::abort();
    return 0;
}
