// A start of the application up to the current song drawn: the delegate with the real panes launches on a song
// folder whose current song is remembered, as main() launches it, and the event loop runs until the song pane
// has painted that song. Measured on the generated song folder and on a folder holding one of its songs alone;
// the settings live in a throw-away home.
#include "clock.h"
#include "corpus.h"
#include "heappolicy.h"
#include "mainwindowpanes.h"
#include "messageboxdialogs.h"
#include "prefs.h"
#include "song.h"
#include "songdisplay.h"
#include "songviewviewcontroller.h"
#include "userdefaults.h"
#include "vellorinappdelegate.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Notes the song pane's first paint after it has taken the current song.
class SongDrawnWatch : public QObject
{
public:
    explicit SongDrawnWatch(SongViewViewController &pane)
    {
        connect(&pane, &SongViewViewController::refreshed, this, [this] { m_songTaken = true; });
        if (auto *view = dynamic_cast<QWidget *>(&pane.songView()))
            view->installEventFilter(this);
    }
    bool drawn() const { return m_drawn; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_songTaken)
            m_drawn = true;
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_songTaken = false;
    bool m_drawn = false;
};

QString corpusSong()
{
    const QStringList songs = Corpus::list(QStringLiteral("songs.list"));
    return songs.isEmpty() ? QString() : songs.first();
}

// A folder holding the corpus's first song alone.
QString oneSongFolder()
{
    static QTemporaryDir folder;
    static const bool copied = QFile::copy(corpusSong(), folder.filePath(QFileInfo(corpusSong()).fileName()));
    return copied ? folder.path() : QString();
}

// What the last run of the application left: its song folder and the song shown, by its reference and its file.
void rememberFolderAndSong(const QString &folder)
{
    UserDefaults::setValue(QStringLiteral("songDirSecurityBookmark"), folder);
    // The one-song folder holds its copy under the same name.
    const QString song =
        folder == Corpus::folder() ? corpusSong() : QDir(folder).filePath(QFileInfo(corpusSong()).fileName());
    UserDefaults::setValue(VellorinAppDelegate::currentSongPathKey, song);
    Prefs stored;
    stored.setCurrentSong(Song(song).titleSubtitleReference());
    stored.save();
    UserDefaults::synchronize();
}

// Launches as main() does and runs the event loop until the current song is drawn; false when it never is.
bool launchUntilSongDrawn(Dialogs &dialogs)
{
    VellorinAppDelegate delegate(dialogs, MainWindowPanes::maker(dialogs, Clock::system()));
    delegate.applicationDidFinishLaunching();
    if (!delegate.songViewViewController() || !delegate.currentSong())
        return false;
    const SongDrawnWatch watch(*delegate.songViewViewController());
    const QDeadlineTimer deadline(30000);
    while (!watch.drawn() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return watch.drawn();
}

} // namespace

// Argument 0: the folder of one song; 1: the generated song folder. The first start of the process also pays
// for what Qt sets up on first use: bench/run.sh runs it in a few processes and takes the median.
static void BM_StartToSongDrawn(benchmark::State &state)
{
    if (corpusSong().isEmpty()) {
        state.SkipWithError("no corpus: run bench/run.sh");
        return;
    }
    const QString folder = state.range(0) == 0 ? oneSongFolder() : Corpus::folder();
    if (folder.isEmpty()) {
        state.SkipWithError("the one-song folder could not be made");
        return;
    }
    rememberFolderAndSong(folder);
    MessageBoxDialogs dialogs;
    for (auto _ : state) {
        if (!launchUntilSongDrawn(dialogs)) {
            state.SkipWithError("the current song was never drawn");
            return;
        }
    }
}
BENCHMARK(BM_StartToSongDrawn)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StartToSongDrawn)
    ->Name("BM_StartToSongDrawnAgain")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->Iterations(1)
    ->ReportAggregatesOnly(true);

// Widgets need an application; the settings go into a home of their own, made before Qt reads where it is.
int main(int argc, char **argv)
{
    HeapPolicy::keepFreedMemory();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qunsetenv(variable);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("vellorin"));
    QApplication::setApplicationName(QStringLiteral("vellorin"));
    QLoggingCategory::setFilterRules(QStringLiteral("vellorin.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
