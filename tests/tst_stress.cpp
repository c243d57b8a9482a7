#include "CartridgeLoading.h"
#include "EpromImage.h"
#include "FakeUserInterface.h"
#include "SetFileCommands.h"
#include "TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace plakmund;

Q_DECLARE_METATYPE(plakmund::SlotStatus)

namespace {

// What a slot must hold, worked out independently of the program's code.
struct ModelSlot {
    QString name, location;
    SlotStatus status = SlotStatus::Empty;
    QString tooltip;
    QByteArray data = QByteArray(16384, '\0');
};

bool isHeaderLength(qsizetype length)
{
    return length == 16464 || length == 8272 || length == 4176;
}

// Slot holds the file, taken with its 80-byte header or without; a set file
// gives the name, and then a file without header gets another status.
void fill(ModelSlot &slot, const QString &path, const QByteArray &file, bool withHeader, std::optional<QString> setName = {})
{
    static const QStringList tooltips{"", "Ok", "EXROM Detected! Switch EXROM on Kestrix to Active(On)",
                                      "Unknown Cartridge settings", "Unknown Cartridge details."};
    const QByteArray field = file.mid(32, 32);
    slot.name = setName.value_or(withHeader ? QString::fromLatin1(field.left(field.indexOf('\0') < 0 ? 32 : field.indexOf('\0')))
                                            : QStringLiteral("???"));
    slot.location = path;
    slot.data = slotBytesFrom(file, withHeader ? 80 : 0);
    if (withHeader)
        slot.status = file.size() > 24 && file.at(24) == 1 ? SlotStatus::ExromWarning : SlotStatus::Ok;
    else
        slot.status = setName ? SlotStatus::UnknownDetails : SlotStatus::UnknownSettings;
    slot.tooltip = tooltips.at(int(slot.status));
}

void empty(ModelSlot &slot)
{
    slot.name = slot.location = QString();
    slot.status = SlotStatus::Empty;
}

int openDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

} // namespace

// Random loads with random answers, size changes, Clear All and set files
// saved and loaded again, each checked against a model of every slot.
class TestStress : public QObject {
    Q_OBJECT

private slots:
    void randomOperationsMatchTheModel()
    {
        QTemporaryDir dir;
        QRandomGenerator random(20261205);
        const QList<qsizetype> lengths{0, 30, 79, 80, 100, 4096, 4176, 8192, 8272, 9000, 16383, 16384, 16463, 16464, 16465, 20000};
        const QByteArrayList names{"GAME", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", "\xC4\xD6\xDC\xE9\xFF", QByteArray("\0HIDDEN", 7)};
        const QList<char> exroms{0, 1, 2, char(0xFF), 1};
        QMap<QString, QByteArray> files;
        for (int i = 0; i < 48; ++i) {
            const QByteArray bytes = cartridgeBytes(lengths.at(i % 16), i, exroms.at(i % 5), names.at(i % 4) + char('a' + i % 26));
            files.insert(writeFile(dir.filePath(QStringLiteral("%1.crt").arg(i)), bytes), bytes);
        }
        const int descriptorsBefore = openDescriptorCount();

        CrtSet set;
        FakeUserInterface ui;
        std::array<ModelSlot, SlotCount> model;
        int games = 16;
        for (int operation = 0; operation < 10000; ++operation) {
            const quint32 kind = random.bounded(100);
            if (kind < 80) {
                const int slot = int(random.bounded(SlotCount));
                const QString path = files.keys().at(random.bounded(files.size()));
                const QByteArray &bytes = files[path];
                bool taken = bytes.size() <= 16464, withHeader = isHeaderLength(bytes.size());
                ui.messageAnswers = {MessageAnswer::Ok};
                if (taken && !withHeader && bytes.size() != 16384 && bytes.size() != 8192 && bytes.size() != 4096) {
                    taken = random.bounded(2);
                    withHeader = random.bounded(2);
                    ui.messageAnswers = {taken ? MessageAnswer::Cancel : MessageAnswer::Ok, withHeader ? MessageAnswer::Yes : MessageAnswer::No};
                }
                loadCartridgeIntoSlot(set, ui, path, slot);
                if (taken)
                    fill(model[slot], path, bytes, withHeader);
            } else if (kind < 90) {
                games = 4 << random.bounded(3);
                set.setSizeMode(games == 4 ? SizeMode::Size512kb : games == 8 ? SizeMode::Size1mb : SizeMode::Size2mb);
            } else if (kind < 93) {
                set.clearAll();
                std::for_each(model.begin(), model.end(), empty);
            } else {
                // Saved and loaded again: the records fill the slots from 0 on and
                // every file is read afresh; tooltips and data of the rest stay.
                const QString setPath = dir.filePath(QStringLiteral("set.plk"));
                ui.dialogAnswers = {setPath, setPath};
                saveCrtSet(set, ui);
                loadCrtSet(set, ui);
                std::array<ModelSlot, SlotCount> loaded = model;
                std::for_each(loaded.begin(), loaded.end(), empty);
                int next = 0;
                for (const ModelSlot &slot : model) {
                    if (!slot.name.isEmpty() || !slot.location.isEmpty()) {
                        const QByteArray &bytes = files[slot.location];
                        fill(loaded[next++], slot.location, bytes, isHeaderLength(bytes.size()), slot.name);
                    }
                }
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
        QVERIFY2(!ui.log.join(u'\n').contains(QLatin1String("unscripted")), "a question came that the model did not expect");
        QCOMPARE(openDescriptorCount(), descriptorsBefore);
    }
};

QTEST_GUILESS_MAIN(TestStress)
#include "tst_stress.moc"
