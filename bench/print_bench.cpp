// Printing a list of songs as one PDF document: pagination alone, and the whole print job.
#include "corpus.h"
#include "heappolicy.h"

#include "appcontext.h"
#include "chords.h"
#include "playlist.h"
#include "prefs.h"
#include "song.h"
#include "songs.h"
#include "songsprintview.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// The application's settings, chord library and song library, made as at start-up, so that printed songs get
// their chord rows and playlist entries find their songs.
class BenchContext : public AppContext
{
public:
    BenchContext()
        : m_prefs(Prefs::initFromFileSystem())
    {
        m_prefs->setSongDirectoryPath(Corpus::folder());
        AppContext::install(this);
        m_prefs->initChordsForCurrentInstrument();
        if (Chords *library = m_prefs->chords(); library && !library->isReady()) {
            QEventLoop loop;
            QObject::connect(library, &Chords::ready, &loop, &QEventLoop::quit);
            QTimer::singleShot(30000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        m_songs.refresh();
    }
    ~BenchContext() override { AppContext::install(nullptr); }

    Prefs *prefs() override { return m_prefs.get(); }
    Chords *chords() override { return m_prefs->chords(); }
    Songs *songs() override { return &m_songs; }

    // The library's songs that the playlist's entries name, each with the key its entry asks for, as the print
    // command hands them over. VELLORIN_BENCH_PLAYLIST names another playlist file of the song folder.
    QList<PrintItem> playlistSongs()
    {
        const QString name = qEnvironmentVariable("VELLORIN_BENCH_PLAYLIST", QStringLiteral("Benchmark 100.lst"));
        const auto playlist = PlayList::fromFile(Corpus::folder() + QLatin1Char('/') + name);
        QList<PrintItem> items;
        for (const SongPtr &entry : playlist->songs()) {
            if (const SongPtr song = m_songs.songForSong(entry); song && !song->isNote())
                items.append({song, entry->playlistkey()});
        }
        return items;
    }

    // The playlist's songs, with print auto-zoom off or on as range(0) says; none (and the run marked
    // skipped) when the corpus is missing.
    QList<PrintItem> itemsForRun(benchmark::State &state)
    {
        m_prefs->setPrintAutoZoom(state.range(0) != 0);
        const QList<PrintItem> items = playlistSongs();
        if (items.isEmpty())
            state.SkipWithError("no songs: run bench/run.sh to make the corpus with its playlist");
        return items;
    }

private:
    std::unique_ptr<Prefs> m_prefs;
    Songs m_songs;
};

void setUpPdfPrinter(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

// range(0): print auto-zoom off or on.
void BM_PaginateSongs(benchmark::State &state)
{
    BenchContext context;
    const QList<PrintItem> items = context.itemsForRun(state);
    if (items.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, QStringLiteral("/dev/null"));
    int pages = 0;
    for (auto _ : state) {
        SongsPrintView job(items, std::nullopt, *context.prefs());
        pages = job.knowsPageRange(printer);
        benchmark::DoNotOptimize(pages);
    }
    state.counters["songs"] = double(items.size());
    state.counters["pages"] = pages;
}
BENCHMARK(BM_PaginateSongs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PrintSongsToPdf(benchmark::State &state)
{
    BenchContext context;
    const QList<PrintItem> items = context.itemsForRun(state);
    if (items.isEmpty())
        return;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("songs.pdf"));
    int pages = 0;
    for (auto _ : state) {
        SongsPrintView job(items, std::nullopt, *context.prefs());
        QPrinter printer(QPrinter::HighResolution);
        setUpPdfPrinter(printer, path);
        if (!job.print(printer))
            state.SkipWithError("printing failed");
        pages = job.pageCount();
    }
    state.counters["songs"] = double(items.size());
    state.counters["pages"] = pages;
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_PrintSongsToPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The heap behaves as in the application.
    HeapPolicy::keepFreedMemory();
    // Settings and chord library come from a fresh support folder, not the user's.
    QTemporaryDir home;
    setenv("XDG_DATA_HOME", home.path().toUtf8().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.path().toUtf8().constData(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The print side's diagnostics are a few lines per song: kept out of the figures and the output.
    QLoggingCategory::setFilterRules(QStringLiteral("vellorin.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
