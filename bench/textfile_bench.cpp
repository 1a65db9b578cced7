// Reading every song file of the corpus through the encoding cascade: the floor under loading a library.
#include "corpus.h"
#include "textfile.h"

#include <benchmark/benchmark.h>

static void BM_ReadSongFolder(benchmark::State &state)
{
    const QStringList paths = Corpus::list(QStringLiteral("songs.list"));
    if (paths.isEmpty()) {
        state.SkipWithError("no corpus: run bench/run.sh");
        return;
    }
    for (auto _ : state)
        for (const QString &path : paths)
            benchmark::DoNotOptimize(TextFile::read(path, TextFile::LastResort::Latin1));
    state.SetItemsProcessed(state.iterations() * paths.size());
}
BENCHMARK(BM_ReadSongFolder)->Unit(benchmark::kMillisecond);
