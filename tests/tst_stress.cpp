#include "CartridgeLoading.h"
#include "EpromImage.h"
#include "FakeUserInterface.h"
#include "ImageCommands.h"
#include "SetFileCommands.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)

namespace {

// What a slot must hold, worked out independently of the program's code.
struct ModelSlot {
    QString name;
    QString location;
    SlotStatus status = SlotStatus::Empty;
    QString tooltip;
    QByteArray data = QByteArray(16384, '\0');
};

void setStatus(ModelSlot &slot, SlotStatus status)
{
    static const QMap<SlotStatus, QString> tooltips{
        {SlotStatus::Ok, "Ok"},
        {SlotStatus::ExromWarning, "EXROM Detected! Switch EXROM on Kestrix to Active(On)"},
        {SlotStatus::UnknownSettings, "Unknown Cartridge settings"},
        {SlotStatus::UnknownDetails, "Unknown Cartridge details."}};
    slot.status = status;
    slot.tooltip = tooltips.value(status, slot.tooltip);
}

bool isHeaderLength(qsizetype length)
{
    return length == 16464 || length == 8272 || length == 4176;
}

// The slot a file fills when taken with its 80-byte header, or without; a
// set file gives the name, and the status of a file without header differs.
ModelSlot filled(const QString &path, const QByteArray &file, bool withHeader, std::optional<QString> setName = {})
{
    const QByteArray field = file.mid(32, 32);
    const QString headerName = QString::fromLatin1(field.left(field.indexOf('\0') < 0 ? 32 : field.indexOf('\0')));
    ModelSlot slot;
    slot.name = setName.value_or(withHeader ? headerName : "???");
    slot.location = path;
    slot.data = slotBytesFrom(file, withHeader ? 80 : 0);
    const SlotStatus headerStatus = file.size() > 24 && file.at(24) == 1 ? SlotStatus::ExromWarning : SlotStatus::Ok;
    setStatus(slot, withHeader ? headerStatus : setName ? SlotStatus::UnknownDetails : SlotStatus::UnknownSettings);
    return slot;
}

int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void randomOperationsMatchTheModel();
};

void TestStress::randomOperationsMatchTheModel()
{
    QTemporaryDir dir;
    QRandomGenerator random(20261205);
    const QList<qsizetype> lengths{0, 30, 79, 80, 100, 4096, 4176, 8192, 8272, 9000, 16383, 16384, 16463, 16464, 16465, 20000};
    const QList<QByteArray> names{"GAME", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", "\xC4\xD6\xDC\xE9\xFF", " Orbit  Dash "};
    const QList<char> exroms{0, 1, 2, char(0xFF), 1};
    QMap<QString, QByteArray> files; // every file the test made, also those removed since
    for (int i = 0; i < 48; ++i) {
        const QByteArray bytes = cartridgeBytes(lengths.at(i % 16), i, exroms.at(i % 5), names.at(i % 4) + char('a' + i % 26));
        files.insert(writeFile(dir.filePath(QStringLiteral("%1.crt").arg(i)), bytes), bytes);
    }
    const QStringList paths = files.keys();
    const int descriptorsBefore = openDescriptorCount();

    CrtSet set;
    FakeUserInterface ui;
    std::array<ModelSlot, SlotCount> model;
    const QList<QPair<SizeMode, int>> modes{{SizeMode::Size512kb, 4}, {SizeMode::Size1mb, 8}, {SizeMode::Size2mb, 16}};
    int games = 16;
    for (int operation = 0; operation < 10000; ++operation) {
        const quint32 kind = random.bounded(100);
        if (kind < 78) {
            const int slot = int(random.bounded(SlotCount));
            const QString path = paths.at(random.bounded(paths.size()));
            const QByteArray &bytes = files[path];
            const bool exists = QFile::exists(path), byDrop = random.bounded(2);
            bool taken = exists && bytes.size() <= 16464 && (!byDrop || slot < games);
            bool withHeader = isHeaderLength(bytes.size());
            ui.messageAnswers = {MessageAnswer::Ok};
            if (taken && !withHeader && bytes.size() != 16384 && bytes.size() != 8192 && bytes.size() != 4096) {
                taken = random.bounded(2);
                withHeader = random.bounded(2);
                ui.messageAnswers = {taken ? MessageAnswer::Cancel : MessageAnswer::Ok,
                                     withHeader ? MessageAnswer::Yes : MessageAnswer::No};
            }
            ui.dialogAnswers = {path};
            byDrop ? loadDroppedCartridge(set, ui, {path}, slot) : loadCartridgeFromDialog(set, ui, slot);
            if (taken)
                model[slot] = filled(path, bytes, withHeader);
        } else if (kind < 88) {
            const auto [mode, count] = modes.at(random.bounded(modes.size()));
            set.setSizeMode(mode);
            games = count;
        } else if (kind < 91) {
            set.clearAll();
            for (ModelSlot &slot : model) {
                slot.name = slot.location = QString();
                slot.status = SlotStatus::Empty;
            }
        } else if (kind < 93) {
            // A cartridge file disappears, or comes back.
            const QString path = paths.at(random.bounded(paths.size()));
            QFile::exists(path) ? QFile::remove(path) : (writeFile(path, files[path]), true);
        } else {
            // Saved and loaded again: the records fill the slots from 0 on, and
            // every file is read afresh; a missing one leaves its slot empty.
            const QString setPath = dir.filePath(QStringLiteral("set.plk"));
            ui.dialogAnswers = {setPath, setPath};
            ui.messageAnswers.clear();
            std::array<ModelSlot, SlotCount> loaded = model;
            int next = 0;
            for (const ModelSlot &slot : model) {
                if (slot.name.isEmpty() && slot.location.isEmpty())
                    continue;
                ModelSlot &target = loaded[next++];
                target.name = target.location = QString();
                target.status = SlotStatus::Empty;
                if (QFile::exists(slot.location))
                    target = filled(slot.location, files[slot.location], isHeaderLength(files[slot.location].size()), slot.name);
                else
                    ui.messageAnswers << MessageAnswer::Ok;
            }
            for (; next < SlotCount; ++next) {
                loaded[next].name = loaded[next].location = QString();
                loaded[next].status = SlotStatus::Empty;
            }
            saveCrtSet(set, ui);
            loadCrtSet(set, ui);
            model = loaded;
        }
        ui.messageAnswers.clear();

        QByteArray image;
        for (int slot = 0; slot < SlotCount; ++slot) {
            QCOMPARE(set.slotName(slot), model[slot].name);
            QCOMPARE(set.slotLocation(slot), model[slot].location);
            QCOMPARE(set.slotStatus(slot), model[slot].status);
            QCOMPARE(set.slotTooltip(slot), model[slot].tooltip);
            if (slot < games)
                image.prepend(model[slot].data);
        }
        QCOMPARE(buildEpromImage(set), image);
    }

    ui.dialogAnswers = {dir.filePath(QStringLiteral("image.bin"))};
    saveBinFile(set, ui);
    QCOMPARE(readFile(dir.filePath(QStringLiteral("image.bin"))), buildEpromImage(set));
    QVERIFY2(!ui.log.join(u'\n').contains(QLatin1String("unscripted")), "a question came that the model did not expect");
    QCOMPARE(openDescriptorCount(), descriptorsBefore);
}

QTEST_GUILESS_MAIN(TestStress)
#include "tst_stress.moc"
