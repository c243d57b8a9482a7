// Feeds arbitrary bytes to the set-file reader: it must never crash, and
// whatever it accepts must survive writing and reading again unchanged.
#include "SetFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const plakmund::Result<QList<plakmund::SetFileRecord>> read = plakmund::readSetFile(bytes);
    if (!read.ok())
        return 0;
    if (read.value().size() > plakmund::SlotCount)
        std::abort();
    const plakmund::Result<QList<plakmund::SetFileRecord>> again = plakmund::readSetFile(plakmund::writeSetFile(read.value()));
    if (!again.ok() || again.value() != read.value())
        std::abort();
    return 0;
}
