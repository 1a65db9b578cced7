// How long the chord database generator takes: it runs in a test on every build, so seconds at most.
#include "chorddatabasebuilder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildGuitarDatabase(benchmark::State &state)
{
    const Instrument guitar = Instrument::fromPath(QStringLiteral("Guitar.pdb"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ChordDatabaseBuilder(guitar).pdb());
}
BENCHMARK(BM_BuildGuitarDatabase)->Unit(benchmark::kMillisecond);

void BM_BuildEveryDatabase(benchmark::State &state)
{
    const QList<Instrument> instruments = ChordDatabaseBuilder::instruments();
    for (auto _ : state)
        for (const Instrument &instrument : instruments)
            benchmark::DoNotOptimize(ChordDatabaseBuilder(instrument).pdb());
}
BENCHMARK(BM_BuildEveryDatabase)->Unit(benchmark::kMillisecond);

} // namespace
