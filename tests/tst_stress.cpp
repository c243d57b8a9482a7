#include "CartridgeFile.h"
#include "CartridgeLoading.h"
#include "EpromImage.h"
#include "FakeUserInterface.h"
#include "SetFileCommands.h"
#include "TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace plakmund;

namespace {

constexpr int Operations = 10000;

// What the program must hold, worked out independently of its code.
struct ModelSlot {
    QString name;
    QString location;
    QByteArray data = QByteArray(SlotDataSize, '\0');
};

struct CartridgeFileModel {
    QString path;
    QByteArray bytes;
};

QString HeaderNameOf(const QByteArray &file)
{
    const QByteArray field = file.mid(32, 32);
    return QString::fromLatin1(field.left(field.indexOf('\0') < 0 ? field.size() : field.indexOf('\0')));
}

bool IsHeaderLength(qsizetype length)
{
    return length == 16464 || length == 8272 || length == 4176;
}

bool IsRawLength(qsizetype length)
{
    return length == 16384 || length == 8192 || length == 4096;
}

int OpenDescriptorCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

} // namespace

class TestStress : public QObject {
    Q_OBJECT

private slots:
    void randomOperationsKeepTheImageRight();
};

void TestStress::randomOperationsKeepTheImageRight()
{
    QTemporaryDir dir;
    QRandomGenerator random(20261205);
    const QList<qsizetype> lengths{0, 79, 80, 100, 4096, 4176, 8192, 8272, 9000, 16383, 16384, 16463, 16464, 16465, 20000};
    QList<CartridgeFileModel> files;
    for (int i = 0; i < 48; ++i) {
        const qsizetype length = lengths.at(i % lengths.size());
        const QByteArray name = "GAME" + QByteArray::number(i);
        const QString path = dir.filePath(QStringLiteral("%1.crt").arg(i));
        files << CartridgeFileModel{path, CartridgeBytes(length, i, char(i % 3), name)};
        WriteFile(path, files.last().bytes);
    }
    const QString setPath = dir.filePath(QStringLiteral("set.plk"));
    const QString imagePath = dir.filePath(QStringLiteral("image.bin"));
    const int descriptorsBefore = OpenDescriptorCount();

    CrtSet set;
    FakeUserInterface ui;
    std::array<ModelSlot, SlotCount> model;
    const QList<SizeMode> modes{SizeMode::Size512kb, SizeMode::Size1mb, SizeMode::Size2mb};

    for (int operation = 0; operation < Operations; ++operation) {
        const quint32 kind = random.bounded(100);
        if (kind < 80) {
            const int slot = int(random.bounded(SlotCount));
            const CartridgeFileModel &file = files.at(random.bounded(files.size()));
            const qsizetype length = file.bytes.size();
            int offset = IsHeaderLength(length) ? 80 : 0;
            bool taken = IsHeaderLength(length) || IsRawLength(length);
            if (length > MaxCartridgeFileSize) {
                ui.messageAnswers = {MessageAnswer::Ok};
            } else if (!taken) {
                taken = random.bounded(2) == 1;
                offset = random.bounded(2) == 1 ? 80 : 0;
                ui.messageAnswers = {taken ? MessageAnswer::Cancel : MessageAnswer::Ok,
                                     offset == 80 ? MessageAnswer::Yes : MessageAnswer::No};
            }
            LoadCartridgeIntoSlot(set, ui, file.path, slot);
            if (taken) {
                model[slot].data = SlotDataFrom(file.bytes, offset);
                model[slot].location = file.path;
                model[slot].name = offset == 80 ? HeaderNameOf(file.bytes) : QStringLiteral("???");
            }
        } else if (kind < 90) {
            set.SetSizeMode(modes.at(random.bounded(modes.size())));
        } else if (kind < 93) {
            set.ClearAll();
            for (ModelSlot &slot : model)
                slot.name = slot.location = QString();
        } else {
            ui.answerDialog(setPath);
            SaveCrtSet(set, ui);
            ui.answerDialog(setPath);
            LoadCrtSet(set, ui);
            std::array<ModelSlot, SlotCount> loaded;
            int next = 0;
            for (const ModelSlot &slot : model) {
                if (slot.name.isEmpty() && slot.location.isEmpty())
                    continue;
                const QByteArray bytes = ReadFile(slot.location);
                loaded[next] = {slot.name, slot.location, SlotDataFrom(bytes, IsHeaderLength(bytes.size()) ? 80 : 0)};
                ++next;
            }
            for (int i = next; i < SlotCount; ++i)
                loaded[i].data = model[i].data;
            model = loaded;
        }
        ui.messageAnswers.clear();

        QByteArray expected;
        for (int slot = ActiveSlotCount(set.sizeMode()) - 1; slot >= 0; --slot)
            expected += model[slot].data;
        QCOMPARE(BuildEpromImage(set), expected);
        for (int slot = 0; slot < SlotCount; ++slot) {
            QCOMPARE(set.SlotName(slot), model[slot].name);
            QCOMPARE(set.SlotLocation(slot), model[slot].location);
        }
    }

    ui.answerDialog(imagePath);
    SaveBinFile(set, ui);
    QCOMPARE(ReadFile(imagePath), BuildEpromImage(set));
    QVERIFY2(!ui.log.contains(QStringLiteral("unscripted message")), "a message came that the model did not expect");
    QCOMPARE(OpenDescriptorCount(), descriptorsBefore);
}

QTEST_GUILESS_MAIN(TestStress)
#include "tst_stress.moc"
