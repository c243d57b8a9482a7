// Feeds arbitrary bytes to the judgement of a cartridge file and checks what
// it gives a slot, with and without the header, against a simple model:
// the length class, the status, the name and all 16,384 bytes of slot data.
#include "CartridgeFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cstdlib>

using namespace plakmund;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

SizeClass modelClass(size_t length)
{
    switch (length) {
    case 16464: case 8272: case 4176:
        return SizeClass::HeaderSize;
    case 16384: case 8192: case 4096:
        return SizeClass::RawSize;
    default:
        return length > 16464 ? SizeClass::TooLarge : SizeClass::OddSize;
    }
}

// The model of a slot's data: the file's bytes from offset on, then zeros, 16,384 in all.
void requireSlotData(const SlotData &data, const uint8_t *file, size_t size, size_t offset)
{
    QByteArray expected(16384, '\0');
    if (offset < size)
        std::memcpy(expected.data(), file + offset, std::min<size_t>(size - offset, 16384));
    require(data.bytes() == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    require(classifyLength(file.size()) == modelClass(size));

    const CartridgeContents withHeader = readWithHeader(file);
    require(withHeader.status == (size > 24 && data[24] == 1 ? SlotStatus::ExromWarning : SlotStatus::Ok));
    // Windows-1252: Latin-1 but for 0x80 to 0x9F, where five bytes name no letter.
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                      0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString name;
    for (size_t i = 32; i < 64 && i < size && data[i] != 0; ++i)
        name += QChar(data[i] >= 0x80 && data[i] < 0xA0 ? high[data[i] - 0x80] : char16_t(data[i]));
    require(withHeader.displayName == name);
    requireSlotData(withHeader.data, data, size, 80);

    const CartridgeContents raw = readWithoutHeader(file);
    require(raw.status == SlotStatus::UnknownSettings && raw.displayName == QLatin1String("???"));
    requireSlotData(raw.data, data, size, 0);
    return 0;
}
