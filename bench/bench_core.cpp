// Each operation of core beside a baseline that does the least work on the
// same data, so that the ratio between the two is what the report shows.
#include "CartridgeLoading.h"
#include "EpromImage.h"
#include "FakeUserInterface.h"
#include "SetFile.h"
#include "SetFileCommands.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

using namespace plakmund;

namespace {

QList<SetFileRecord> sixteenRecords(const QTemporaryDir &dir)
{
    QList<SetFileRecord> records;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString path = dir.filePath(QStringLiteral("game%1.crt").arg(slot));
        writeFile(path, cartridgeBytes(16464, slot, 0, "GAME " + QByteArray::number(slot)));
        records << SetFileRecord{QStringLiteral("GAME %1").arg(slot), path};
    }
    return records;
}

void BuildEpromImage2mb(benchmark::State &state)
{
    CrtSet set;
    for (int slot = 0; slot < SlotCount; ++slot)
        set.setSlotData(slot, SlotData::fromFile(pattern(SlotDataSize, slot), 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(buildEpromImage(activeSlotData(set)).constData());
}

void PlainCopy262144(benchmark::State &state)
{
    const QByteArray source = pattern(SlotCount * SlotDataSize, 1);
    for (auto _ : state) {
        QByteArray copy(source.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), source.constData(), size_t(source.size()));
        benchmark::DoNotOptimize(copy.constData());
    }
}

void InspectCartridgeFile16464(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 1));
    FakeUserInterface ui;
    for (auto _ : state)
        benchmark::DoNotOptimize(inspectCartridgeFile(ui, path).accepted);
}

void ReadAll16464(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath(QStringLiteral("game.crt")), cartridgeBytes(16464, 1));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().constData());
    }
}

void WriteSetFile16(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QList<SetFileRecord> records = sixteenRecords(dir);
    for (auto _ : state)
        benchmark::DoNotOptimize(writeSetFile(records).constData());
}

void ReadSetFile16(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QByteArray bytes = writeSetFile(sixteenRecords(dir));
    for (auto _ : state)
        benchmark::DoNotOptimize(readSetFile(bytes).ok());
}

// The same text split into lines and decoded, with no checks at all.
void SplitSetFileText16(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QByteArray bytes = writeSetFile(sixteenRecords(dir));
    for (auto _ : state) {
        QStringList lines;
        for (const QByteArray &line : bytes.split('\n'))
            lines << QString::fromLocal8Bit(line);
        benchmark::DoNotOptimize(lines.constData());
    }
}

void LoadCrtSet16(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString setPath = writeFile(dir.filePath(QStringLiteral("set.plk")), writeSetFile(sixteenRecords(dir)));
    CrtSet set;
    for (auto _ : state) {
        FakeUserInterface ui;
        ui.dialogAnswers << setPath;
        loadCrtSet(set, ui);
        benchmark::DoNotOptimize(set.slotData(15).bytes().constData());
    }
}

// Reading the set file and its sixteen cartridge files, and nothing else.
void ReadAllSetFiles16(benchmark::State &state)
{
    QTemporaryDir dir;
    QStringList paths{writeFile(dir.filePath(QStringLiteral("set.plk")), writeSetFile(sixteenRecords(dir)))};
    for (int slot = 0; slot < SlotCount; ++slot)
        paths << dir.filePath(QStringLiteral("game%1.crt").arg(slot));
    for (auto _ : state) {
        for (const QString &path : paths) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            benchmark::DoNotOptimize(file.readAll().constData());
        }
    }
}

} // namespace

BENCHMARK(BuildEpromImage2mb);
BENCHMARK(PlainCopy262144);
BENCHMARK(InspectCartridgeFile16464);
BENCHMARK(ReadAll16464);
BENCHMARK(WriteSetFile16);
BENCHMARK(ReadSetFile16);
BENCHMARK(SplitSetFileText16);
BENCHMARK(LoadCrtSet16);
BENCHMARK(ReadAllSetFiles16);

BENCHMARK_MAIN();
