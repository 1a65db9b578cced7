// The song view on long songs: layout at two widths, an auto-zoom fit, showing a song, finding its click areas,
// and one viewport repaint while it scrolls. Usage: bench_render [benchmark flags] [song files...]; without files, the
// corpus's songs.
#include "benchsongs.h"
#include "heappolicy.h"
#include "songview.h"
#include "songviewdelegate.h"
#include "textmetrics.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

// What a song pane of a laptop screen shows, in points.
const QSizeF kVisible(760, 560);

class BenchDelegate : public SongViewDelegate
{
public:
    explicit BenchDelegate(const QString &text)
        : m_song(std::make_shared<Song>())
    {
        m_song->setText(text);
    }
    SongPtr songForSongView(const SongView &) override { return m_song; }

private:
    SongPtr m_song;
};

// Time per line of text: equal figures for songs of different lengths show that the cost grows linearly.
void countLines(benchmark::State &state, const BenchSong &song)
{
    state.counters["lines"] = double(song.lines);
    state.counters["per line"] = benchmark::Counter(double(song.lines), benchmark::Counter::kIsIterationInvariantRate |
                                                                            benchmark::Counter::kInvert);
}

void layout(benchmark::State &state, const BenchSong &song, float width)
{
    BenchDelegate delegate(song.text);
    SongView view;
    view.setDelegate(&delegate);
    for (auto _ : state) {
        view.calcLineInfosForText(song.text, width);
        benchmark::DoNotOptimize(view.lines().size());
    }
    countLines(state, song);
}

// The first layout in the process, before any other benchmark: it also pays whatever a layout makes once and
// start-up has not prepared (the kerning of letter pairs start-up did not learn, patterns, the records' first
// growth). One sample per process: bench/run.sh runs it in a few more processes for a median, to set beside a
// later layout of the same song (layout/width:560).
void firstLayout(benchmark::State &state, const BenchSong &song)
{
    // As the application does at start-up, before the user picks a song.
    SongView::prepareFonts();
    BenchDelegate delegate(song.text);
    SongView view;
    view.setDelegate(&delegate);
    for (auto _ : state) {
        view.calcLineInfosForText(song.text, 560.0f);
        benchmark::DoNotOptimize(view.lines().size());
    }
    countLines(state, song);
}

void autoZoomFit(benchmark::State &state, const BenchSong &song)
{
    BenchDelegate delegate(song.text);
    SongView view;
    view.setDelegate(&delegate);
    for (auto _ : state) {
        view.adjustFrameForView(kVisible, true);
        benchmark::DoNotOptimize(view.zoomScale());
    }
    state.counters["columns"] = view.numColumns();
    countLines(state, song);
}

// Paints `height` points of the visible part of the view from `top` into an image of a 96-dpi screen.
void paintViewport(SongView &view, QImage &screen, qreal top, qreal height = kVisible.height())
{
    const qreal scale = TextMetrics::pointScale(&screen);
    QPainter painter(&screen);
    painter.scale(scale, scale);
    painter.translate(0, -top);
    view.drawRect(painter, QRectF(0, top, kVisible.width(), height));
}

QImage screenImage()
{
    QImage screen((kVisible * 96 / 72).toSize(), QImage::Format_ARGB32_Premultiplied);
    screen.setDotsPerMeterX(3780);
    screen.setDotsPerMeterY(3780);
    return screen;
}

// A song appears: laid out, fitted, and its first screen painted.
void showSong(benchmark::State &state, const BenchSong &song)
{
    BenchDelegate delegate(song.text);
    QImage screen = screenImage();
    for (auto _ : state) {
        SongView view;
        view.setDelegate(&delegate);
        view.adjustFrameForView(kVisible, false);
        paintViewport(view, screen, 0);
    }
    countLines(state, song);
}

// A view of the song laid out and fitted to the visible size, its click areas not yet found.
std::unique_ptr<SongView> shownView(BenchDelegate &delegate)
{
    auto view = std::make_unique<SongView>();
    view->setDelegate(&delegate);
    view->adjustFrameForView(kVisible, false);
    return view;
}

// The click areas of the whole song, found when first needed (a click, the pointer, the chord pane's chord list):
// every record drawn, without its text, on a device that keeps nothing.
void clickAreas(benchmark::State &state, const BenchSong &song)
{
    BenchDelegate delegate(song.text);
    for (auto _ : state) {
        state.PauseTiming();
        const std::unique_ptr<SongView> view = shownView(delegate);
        state.ResumeTiming();
        benchmark::DoNotOptimize(view->uniqueChordNamesFromPositionY(0));
    }
    countLines(state, song);
}

// Seconds to find the click areas of a freshly shown view of the delegate's song.
double secondsForClickAreas(BenchDelegate &delegate)
{
    const std::unique_ptr<SongView> view = shownView(delegate);
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(view->uniqueChordNamesFromPositionY(0));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The click areas of a song repeated to 500 and to 4,000 lines, found in turn in every iteration, so that a busy
// machine slows both alike: `growth`, the cost per line at 4,000 lines over that at 500, is 1 when it is linear.
void clickAreasGrowth(benchmark::State &state, const BenchSong &song)
{
    constexpr qsizetype kShort = 500;
    constexpr qsizetype kLong = 4000;
    BenchDelegate shortSong(BenchSongs::repeatedToLines(song.text, kShort));
    BenchDelegate longSong(BenchSongs::repeatedToLines(song.text, kLong));
    double shortSeconds = 0;
    double longSeconds = 0;
    for (auto _ : state) {
        const double shortTime = secondsForClickAreas(shortSong);
        const double longTime = secondsForClickAreas(longSong);
        shortSeconds += shortTime;
        longSeconds += longTime;
        state.SetIterationTime(shortTime + longTime);
    }
    const double shortPerLine = shortSeconds / double(kShort);
    const double longPerLine = longSeconds / double(kLong);
    const double iterations = double(state.iterations());
    state.counters["us per line at 500"] = 1e6 * shortPerLine / iterations;
    state.counters["us per line at 4000"] = 1e6 * longPerLine / iterations;
    state.counters["growth"] = longPerLine / shortPerLine;
}

// While the song scrolls by itself the view is repainted every few milliseconds: one viewport in the middle, or
// only the strip that scrolling a pixel or two uncovers (what a scroll area repaints after moving its contents).
void repaintWhileScrolling(benchmark::State &state, const BenchSong &song, qreal height)
{
    BenchDelegate delegate(song.text);
    SongView view;
    view.setDelegate(&delegate);
    view.adjustFrameForView(kVisible, false);
    QImage screen = screenImage();
    const qreal top = std::max(0.0, view.frameSize().height() / 2 - kVisible.height() / 2);
    paintViewport(view, screen, top);
    for (auto _ : state)
        paintViewport(view, screen, top + kVisible.height() - height, height);
    state.counters["lines"] = double(song.lines);
}

void registerFor(const BenchSong &song)
{
    const std::string name = song.name.toStdString();
    benchmark::RegisterBenchmark(("layout/width:560/" + name).c_str(), layout, song, 560.0f)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("layout/width:280/" + name).c_str(), layout, song, 280.0f)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("auto-zoom fit/" + name).c_str(), autoZoomFit, song)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("show song/" + name).c_str(), showSong, song)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("click areas/" + name).c_str(), clickAreas, song)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("repaint while scrolling/viewport/" + name).c_str(), repaintWhileScrolling, song,
                                 kVisible.height())
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("repaint while scrolling/2-point strip/" + name).c_str(), repaintWhileScrolling, song,
                                 2.0)
        ->Unit(benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char **argv)
{
    // The heap behaves as in the application.
    HeapPolicy::keepFreedMemory();
    benchmark::Initialize(&argc, argv);
    QGuiApplication application(argc, argv);
    QStringList files;
    for (int i = 1; i < argc; ++i)
        files.append(QString::fromLocal8Bit(argv[i]));
    const QList<BenchSong> songs = BenchSongs::songs(files);
    if (songs.isEmpty()) {
        std::fprintf(stderr, "no songs: name song files, or make the corpus with bench/run.sh\n");
        return 1;
    }
    // Registered first, so that it runs first: the corpus's long song (the last song, or the last file named).
    const BenchSong &first = songs.last();
    benchmark::RegisterBenchmark(("first layout/width:560/" + first.name.toStdString()).c_str(), firstLayout, first)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    for (const BenchSong &song : songs)
        registerFor(song);
    const BenchSong &longest = *std::ranges::max_element(songs, {}, &BenchSong::lines);
    benchmark::RegisterBenchmark("click areas growth/500 to 4000 lines", clickAreasGrowth, longest)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
