// Each operation of core beside a baseline that does the least work on the
// same data, so that the ratio between the two is what the report shows.
#include "CartridgeInspection.h"
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

QList<SetFileRecord> SixteenRecords(const QTemporaryDir &dir)
{
    QList<SetFileRecord> records;
    for (int slot = 0; slot < SlotCount; ++slot) {
        const QString path = dir.filePath(QStringLiteral("game%1.crt").arg(slot));
        WriteFile(path, CartridgeBytes(16464, slot, 0, "GAME " + QByteArray::number(slot)));
        records << SetFileRecord{QStringLiteral("GAME %1").arg(slot), path};
    }
    return records;
}

void BuildEpromImage2mb(benchmark::State &state)
{
    CrtSet set;
    for (int slot = 0; slot < SlotCount; ++slot)
        set.SlotData(slot) = Pattern(SlotDataSize, slot);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildEpromImage(set).constData());
}

void PlainCopy262144(benchmark::State &state)
{
    const QByteArray source = Pattern(SlotCount * SlotDataSize, 1);
    for (auto _ : state) {
        QByteArray copy(source.size(), Qt::Uninitialized);
        std::memcpy(copy.data(), source.constData(), size_t(source.size()));
        benchmark::DoNotOptimize(copy.constData());
    }
}

void InspectCartridgeFile16464(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.crt")), CartridgeBytes(16464, 1));
    CrtSet set;
    FakeUserInterface ui;
    for (auto _ : state)
        benchmark::DoNotOptimize(InspectCartridgeFile(set, ui, path, 0).accepted);
}

void ReadAll16464(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir.filePath(QStringLiteral("game.crt")), CartridgeBytes(16464, 1));
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().constData());
    }
}

void WriteSetFile16(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QList<SetFileRecord> records = SixteenRecords(dir);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteSetFile(records).constData());
}

void ReadSetFile16(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QByteArray bytes = WriteSetFile(SixteenRecords(dir));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSetFile(bytes).ok());
}

// The same text split into lines and decoded, with no checks at all.
void SplitSetFileText16(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QByteArray bytes = WriteSetFile(SixteenRecords(dir));
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
    const QString setPath = WriteFile(dir.filePath(QStringLiteral("set.plk")), WriteSetFile(SixteenRecords(dir)));
    CrtSet set;
    for (auto _ : state) {
        FakeUserInterface ui;
        ui.answerDialog(setPath);
        LoadCrtSet(set, ui);
        benchmark::DoNotOptimize(set.SlotData(15).constData());
    }
}

// Reading the set file and its sixteen cartridge files, and nothing else.
void ReadAllSetFiles16(benchmark::State &state)
{
    QTemporaryDir dir;
    QStringList paths{WriteFile(dir.filePath(QStringLiteral("set.plk")), WriteSetFile(SixteenRecords(dir)))};
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
