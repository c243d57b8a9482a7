// Writes arbitrary bytes to a cartridge file and inspects it for a slot, then
// looks at it again as the set-file loader does, with a user who answers at
// random. Slot data must stay 16,384 bytes and a refused file must change nothing.
#include "CartridgeInspection.h"
#include "SetFileCommands.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace plakmund;

namespace {

class RandomUser : public UserInterface {
public:
    explicit RandomUser(quint32 seed) : m_state(seed | 1u) {}

    MessageAnswer showMessage(const MessageBoxRequest &request) override
    {
        switch (request.buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::OkCancel:
            return next() ? MessageAnswer::Ok : MessageAnswer::Cancel;
        case MessageButtons::YesNo:
            break;
        }
        return next() ? MessageAnswer::Yes : MessageAnswer::No;
    }
    FileDialogResult showOpenDialog(const FileDialogRequest &) override { return {}; }
    FileDialogResult showSaveDialog(const FileDialogRequest &) override { return {}; }
    void FocusSlotName(int) override {}
    void processPendingEvents() override {}

private:
    // A small xorshift generator: reproducible from the input alone.
    bool next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state & 1u;
    }
    quint32 m_state;
};

bool SameSlots(const CrtSet &a, const CrtSet &b)
{
    for (int i = 0; i < SlotCount; ++i) {
        const CrtSlot &x = a.slot(i), &y = b.slot(i);
        if (x.displayName != y.displayName || x.location != y.location || x.status != y.status
            || x.tooltip != y.tooltip || x.data != y.data)
            return false;
    }
    return true;
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.crt"));
    if (size < 5)
        return 0;

    // The first four bytes steer the user's answers; the rest is the file.
    const quint32 seed = quint32(data[0]) | quint32(data[1]) << 8 | quint32(data[2]) << 16 | quint32(data[3]) << 24;
    const QByteArray contents(reinterpret_cast<const char *>(data + 4), qsizetype(qMin<size_t>(size - 4, 20000)));
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size());
    file.close();

    const int slot = int(seed % SlotCount);
    CrtSet set, before;
    for (CrtSet *s : {&set, &before}) {
        s->SetSlotName(slot, QStringLiteral("EARLIER"));
        s->SetSlotStatus(slot, SlotStatus::Ok);
        s->SlotData(slot).fill('\x5A');
    }
    RandomUser user(seed);

    const CartridgeInspection inspection = InspectCartridgeFile(set, user, path, slot);
    Require(set.SlotData(slot).size() == SlotDataSize);
    if (!inspection.accepted)
        Require(SameSlots(set, before));
    else
        Require(inspection.location == path && inspection.status != SlotStatus::Empty);

    set.SetSlotLocation(slot, path);
    ReinspectCartridgeFile(set, user, slot);
    Require(set.SlotData(slot).size() == SlotDataSize);
    const bool header = ClassifyLength(contents.size()) == SizeClass::HeaderSize;
    Require(header ? set.slotStatus(slot) != SlotStatus::UnknownDetails : set.slotStatus(slot) == SlotStatus::UnknownDetails);
    Require(set.SlotData(slot).left(16) == contents.mid(header ? 80 : 0, 16).leftJustified(16, '\0', true));
    return 0;
}
