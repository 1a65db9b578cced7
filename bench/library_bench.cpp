// The library over a generated song folder: loading, refreshing, sorting, filtering while typing, resolving
// playlist entries and reading the playlists, against the floor of merely reading every song file's bytes.
#include "appcontext.h"
#include "corpus.h"
#include "heappolicy.h"
#include "memoryuse.h"
#include "plainread.h"
#include "playlist.h"
#include "playlists.h"
#include "prefs.h"
#include "song.h"
#include "songorder.h"
#include "songs.h"

#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include <time.h>

namespace {

// The shared settings pointing at the corpus; the library's diagnostics stay quiet.
class BenchContext : public AppContext
{
public:
    BenchContext()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("vellorin.info=false"));
        m_prefs.setSongDirectoryPath(Corpus::folder());
        AppContext::install(this);
    }
    Prefs *prefs() override { return &m_prefs; }
    Songs *songs() override { return m_songs; }
    Songs *m_songs = nullptr;

private:
    Prefs m_prefs;
};

BenchContext &context()
{
    static BenchContext shared;
    return shared;
}

bool haveCorpus(benchmark::State &state)
{
    if (Corpus::list(QStringLiteral("songs.list")).isEmpty()) {
        state.SkipWithError("no corpus: run bench/run.sh");
        return false;
    }
    context();
    return true;
}

// Set by the first library load of the process, which pays for what later loads find ready (heap, caches).
bool &loadedBefore()
{
    static bool loaded = false;
    return loaded;
}

void loadLibrary(Songs &library)
{
    loadedBefore() = true;
    library.refresh();
}

// A library read once, for the phases that work on a loaded library.
Songs &loadedLibrary()
{
    static Songs *library = [] {
        context();
        auto *songs = new Songs;
        loadLibrary(*songs);
        context().m_songs = songs;
        return songs;
    }();
    return *library;
}

} // namespace

// The floor: listing the folders and reading every file's bytes with plain system calls, nothing else.
static void BM_ReadSongBytesPlain(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    PlainRead floor(Corpus::folder());
    for (auto _ : state)
        benchmark::DoNotOptimize(floor.readAll());
}

// Every song file's bytes through Qt's buffered file.
static void BM_ReadSongBytes(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    const QStringList paths = Corpus::list(QStringLiteral("songs.list"));
    for (auto _ : state) {
        qint64 bytes = 0;
        for (const QString &path : paths) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}

// The first load of the process, before any other: it also pays for growing the heap and for what Qt sets
// up on first use. Registered first, and meaningful only while it runs first (alone it is one sample: run
// the program a few times and take the median). "floors" as for BM_LoadLibrary. Memory in MiB: "held_MiB" the
// heap the loaded library holds, "free_MiB" the freed heap the allocator keeps then, "peak_MiB" the process's
// largest resident set by then (the process before the load included).
static void BM_FirstLoadLibrary(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    if (loadedBefore()) {
        state.SkipWithError("a library was loaded before in this process");
        return;
    }
    const double floorSeconds = PlainRead(Corpus::folder()).medianSeconds();
    std::chrono::duration<double> elapsed{};
    const qint64 heapBefore = MemoryUse::heapInUse();
    constexpr double mebibyte = 1024.0 * 1024.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Songs library;
        loadLibrary(library);
        benchmark::DoNotOptimize(library.songs().size());
        elapsed = std::chrono::steady_clock::now() - start;
        state.counters["held_MiB"] = double(MemoryUse::heapInUse() - heapBefore) / mebibyte;
        state.counters["free_MiB"] = double(MemoryUse::heapKeptFree()) / mebibyte;
        state.counters["peak_MiB"] = double(MemoryUse::peakResident()) / mebibyte;
    }
    state.counters["floors"] = elapsed.count() / floorSeconds;
}

// A new library reads the whole folder: listing, decoding, titles, categories, tags, order. "floors" is its
// time as a multiple of the plain read floor measured in the same run, which holds on a loaded machine.
static void BM_LoadLibrary(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    const double floorSeconds = PlainRead(Corpus::folder()).medianSeconds();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        Songs library;
        loadLibrary(library);
        benchmark::DoNotOptimize(library.songs().size());
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.counters["floors"] = elapsed.count() / double(state.iterations()) / floorSeconds;
}

// Opening songs one by one: each read, its metadata looked up, and its chords moved up a whole tone.
static void BM_ParseAndTranspose(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    const QStringList paths = Corpus::list(QStringLiteral("songs.list"));
    for (auto _ : state) {
        for (const QString &path : paths) {
            Song song(path);
            benchmark::DoNotOptimize(song.key());
            benchmark::DoNotOptimize(song.capo());
            benchmark::DoNotOptimize(song.tempo());
            benchmark::DoNotOptimize(song.tags());
            song.transpose(2);
            benchmark::DoNotOptimize(song.text());
        }
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}

// A refresh of a loaded library, with no file changed: every Song is reused.
static void BM_RefreshLibrary(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    Songs &library = loadedLibrary();
    for (auto _ : state)
        library.refresh();
}

// Seconds the call takes.
template <typename Call> double secondsOf(Call call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Sorting all songs with the sort keys each song keeps from an earlier sort, as the library's one order does.
// "first_sort_ms": the sort that made the keys.
static void BM_SortAllSongs(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    const auto comparison = SongOrder::Comparison(state.range(0));
    const QList<SongPtr> all = loadedLibrary().allSongs();
    SongOrder order;
    QList<SongPtr> first = all;
    state.counters["first_sort_ms"] = secondsOf([&] { order.sort(first, comparison); }) * 1e3;
    for (auto _ : state) {
        QList<SongPtr> songs = all;
        order.sort(songs, comparison);
        benchmark::DoNotOptimize(songs.first());
    }
}

// Typing a search letter by letter, deleting letters and typing on, then clearing it: one filter per keystroke.
// Each iteration starts from a refresh (not timed), which forgets the answers of earlier searches. The time is
// that of the filters alone; "keystroke_ms" is one keystroke's mean, "slowest_ms" the slowest of the run.
static void BM_FilterWhileTyping(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    Songs &library = loadedLibrary();
    const QStringList keystrokes = {"h", "he", "hea", "hear", "heart", "hear", "hea", "he",   "h",     "",
                                    "r", "ro", "roa", "road", "roa",   "ro",   "rov", "rove", "rover", ""};
    double slowest = 0;
    double total = 0;
    for (auto _ : state) {
        library.refresh();
        double seconds = 0;
        for (const QString &text : keystrokes) {
            const double keystroke = secondsOf([&] {
                library.setFilter(text);
                benchmark::DoNotOptimize(library.numberOfRows());
            });
            slowest = std::max(slowest, keystroke);
            seconds += keystroke;
        }
        total += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["keystroke_ms"] = total * 1e3 / double(state.iterations() * keystrokes.size());
    state.counters["slowest_ms"] = slowest * 1e3;
}

// The first keystroke of a search in a library just loaded (the load is not timed): nothing may be left for
// the search to prepare then.
static void BM_FirstSearchAfterLoad(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    for (auto _ : state) {
        Songs library;
        loadLibrary(library);
        state.SetIterationTime(secondsOf([&] {
            library.setFilter(QStringLiteral("h"));
            benchmark::DoNotOptimize(library.numberOfRows());
        }));
    }
}

// This thread's CPU time in seconds: what the main thread spends, whatever the other threads do meanwhile.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The main thread's part of a background load: the event loop runs until the load is taken, and each turn's CPU
// time counts (a turn that only waits costs next to nothing). Argument 0: a new library, every song made;
// 1: a refresh of a loaded library with nothing changed, every song reused. The time is the main thread's
// whole part; "longest_turn_ms" the longest turn, which is how long a keystroke may wait; "turns" how many
// turns did work.
static void BM_TakeBackgroundLoad(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    const bool reuse = state.range(0) == 1;
    double longest = 0;
    double busyTurns = 0;
    for (auto _ : state) {
        std::unique_ptr<Songs> fresh = reuse ? nullptr : std::make_unique<Songs>();
        Songs &library = reuse ? loadedLibrary() : *fresh;
        loadedBefore() = true;
        library.refreshInBackground();
        double mainThread = 0;
        while (library.isLoading()) {
            const double start = threadSeconds();
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const double turn = threadSeconds() - start;
            mainThread += turn;
            longest = std::max(longest, turn);
            busyTurns += turn > 1e-3;
        }
        state.SetIterationTime(mainThread);
    }
    state.counters["longest_turn_ms"] = longest * 1e3;
    state.counters["turns"] = benchmark::Counter(busyTurns, benchmark::Counter::kAvgIterations);
}

// Resolving every entry of every playlist to the library's song.
static void BM_ResolveReferences(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    Songs &library = loadedLibrary();
    QList<SongPtr> entries;
    for (const QString &path : Corpus::list(QStringLiteral("playlists.list")))
        entries += PlayList::fromFile(path)->songs();
    qint64 found = 0;
    for (auto _ : state)
        for (const SongPtr &entry : entries)
            found += library.songForSong(entry) != nullptr;
    state.counters["entries"] = double(entries.size());
    state.counters["resolved"] = benchmark::Counter(double(found), benchmark::Counter::kAvgIterations);
}

static void BM_ReadPlaylists(benchmark::State &state)
{
    if (!haveCorpus(state))
        return;
    for (auto _ : state) {
        PlayLists playlists;
        benchmark::DoNotOptimize(playlists.count());
    }
}

// First, so that no other load comes before it; one load makes one sample.
BENCHMARK(BM_FirstLoadLibrary)->Unit(benchmark::kMillisecond)->Iterations(1);
#define PHASE(bench) BENCHMARK(bench)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)
PHASE(BM_ReadSongBytesPlain);
PHASE(BM_ReadSongBytes);
PHASE(BM_LoadLibrary);
PHASE(BM_ParseAndTranspose);
PHASE(BM_RefreshLibrary);
PHASE(BM_SortAllSongs)->DenseRange(0, 4)->Iterations(3);
PHASE(BM_FilterWhileTyping)->Iterations(3)->UseManualTime();
PHASE(BM_FirstSearchAfterLoad)->Iterations(1)->UseManualTime();
PHASE(BM_TakeBackgroundLoad)->Arg(0)->Arg(1)->Iterations(3)->UseManualTime();
PHASE(BM_ResolveReferences);
PHASE(BM_ReadPlaylists);

// The settings make fonts, which need a GUI application; it runs headless.
int main(int argc, char **argv)
{
    // The heap behaves as in the application.
    HeapPolicy::keepFreedMemory();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
