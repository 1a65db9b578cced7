#include "songviewviewcontroller.h"

#include "appcontext.h"
#include "audioplayer.h"
#include "chord.h"
#include "chordviewwidget.h"
#include "dialogs.h"
#include "log.h"
#include "mainwindow.h"
#include "metronomeengine.h"
#include "metronomeflashview.h"
#include "pdfsong.h"
#include "pdfsongviewwidget.h"
#include "prefs.h"
#include "songdisplay.h"
#include "songviewwidget.h"

#include <QAbstractAnimation>
#include <QEvent>
#include <QNativeGestureEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

Prefs &SongViewViewController::appPrefs()
{
    if (Prefs *prefs = AppContext::instance()->prefs())
        return *prefs;
    Log::write(QStringLiteral("%1:%2: song pane without settings, using defaults").arg(__FILE__).arg(__LINE__));
    static Prefs defaults;
    return defaults;
}

SongViewViewController::SongViewViewController(Dialogs &dialogs, CurrentSong currentSong,
                                               std::unique_ptr<SongDisplay> songView, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_currentSong(std::move(currentSong))
    , m_songView(std::move(songView))
{
    m_songView->setSongSource([this] { return m_song; });
    m_songView->setChordClickHandler([this](const QString &name, const QRectF &rect) { showChords(name, rect); });
    buildPane();
    setButtonTitles();
    fillTransposePopup();
    fillCapoPopup();
}

SongViewViewController::~SongViewViewController()
{
    // The song widget belongs to the display pointer: the scroll area must not delete it too.
    if (m_songScrollView)
        m_songScrollView->takeWidget();
}

void SongViewViewController::buildPane()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitView = new QSplitter(Qt::Horizontal, this);
    layout->addWidget(m_splitView);

    // The container has no layout of its own: its children are placed by hand so the toolbars can slide.
    m_songContainerView = new QWidget(m_splitView);
    m_songContainerView->installEventFilter(this);

    m_songScrollView = SongViewWidget::makeScrollArea(m_songView->widget(), m_songContainerView, this);

    m_pdfScrollView = new QScrollArea(m_songContainerView);
    m_pdfSongView = new PDFSongViewWidget;
    m_pdfScrollView->setWidget(m_pdfSongView);
    m_pdfScrollView->setWidgetResizable(false);
    m_pdfScrollView->hide();

    m_metronomeFlashView = new MetronomeFlashView(m_songContainerView);
    m_metronomeFlashView->setObjectName(QStringLiteral("metronomeFlashView"));
    m_metronomeFlashView->setFixedHeight(8);
    m_metronomeFlashView->hide();

    buildToolbars();

    m_chordScrollView = new QScrollArea(m_splitView);
    m_chordView = new ChordViewWidget;
    m_chordView->chordView().setShowTitle(true);
    m_chordScrollView->setWidget(m_chordView);
    // The diagrams take the size their grid wants, scrolling when the pane is smaller.
    m_chordScrollView->setWidgetResizable(false);
    // The viewport, not the scroll area: its new width is known only once the scroll area has laid it out.
    m_chordScrollView->viewport()->installEventFilter(this);
    // Only the chord pane collapses; the song keeps at least 60 pixels, and the handle stays thin.
    m_splitView->setCollapsible(0, false);
    m_songContainerView->setMinimumSize(60, 60);
    m_splitView->setHandleWidth(3);
    // The chord side pane starts closed.
    m_chordScrollView->hide();
    layoutContainer();
}

bool SongViewViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == m_songContainerView)
            layoutContainer();
        else if (watched == m_songScrollView)
            adjustSongFrame();
        else if (watched == m_chordScrollView->viewport())
            updateSongChords();
    }
    return QWidget::eventFilter(watched, event);
}

bool SongViewViewController::event(QEvent *event)
{
    if (event->type() == QEvent::NativeGesture) {
        const auto *gesture = static_cast<QNativeGestureEvent *>(event);
        // Begin and end of a pinch come as events of their own; only the steps between change the zoom.
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            magnify(gesture->value());
            return true;
        }
    }
    return QWidget::event(event);
}

void SongViewViewController::refreshScrollToTop(bool scrollToTop, bool fast)
{
    Prefs &prefs = appPrefs();
    m_largeChordDiagrams = prefs.largeChordDiagrams();
    m_chordCellWidth = m_largeChordDiagrams ? 70 : 48;
    m_song = m_currentSong ? m_currentSong() : SongPtr();

    applyCapoTransposition();
    updateWindowTitle();
    showSongOrPdf();
    takeMetronomeValues();
    if (!fast)
        takeLinkedAudio();
    fillTransposePopup();
    loadInstrumentOfSong();
    showTransposition();

    m_songView->setShowChords(!prefs.showlyricsonly());
    m_songView->setZoomScale(saneZoom(prefs.zoomScale()));
    adjustSongFrame();
    relayoutWhenChordsReady();

    takePlayingTime();
    updatePlayingTimeLabel();
    updatePixPerMS();
    Q_EMIT autoScrollCanSaveChanged(autoScrollCanSave());

    m_songView->widget()->update();
    updateSongChords();
    openSongChordsWhenWanted();
    Q_EMIT refreshed();
    if (scrollToTop)
        this->scrollToTop();
}

void SongViewViewController::scrollToTop()
{
    m_songScrollView->verticalScrollBar()->setValue(0);
    m_songScrollView->horizontalScrollBar()->setValue(0);
    m_pdfScrollView->verticalScrollBar()->setValue(0);
    m_pdfScrollView->horizontalScrollBar()->setValue(0);
}

void SongViewViewController::applyCapoTransposition()
{
    // Only a new song or a changed capo resets the transposition, so a song with a capo can still be transposed.
    if (!m_song || (m_capoSong.lock() == m_song && m_capo == m_song->capo()))
        return;
    resetTransposition(m_song);
}

void SongViewViewController::resetTransposition(const SongPtr &song)
{
    rememberCapoOf(song);
    m_songView->setTranspose(int(-m_capo));
}

void SongViewViewController::rememberCapoOf(const SongPtr &song)
{
    m_capoSong = song;
    m_capo = song->capo();
}

void SongViewViewController::updateWindowTitle()
{
    // With the title drawn in the song, the window does not repeat it.
    const bool titleInSong = appPrefs().showTitleSubtitle();
    const QString title =
        m_song && !titleInSong ? tr("Vellorin - %1").arg(m_song->titleSubtitleReference()) : tr("Vellorin");
    // In the main window the title also names the peers the song is shared with.
    if (auto *mainWindow = qobject_cast<MainWindow *>(window()))
        mainWindow->setSongTitle(title);
    else
        window()->setWindowTitle(title);
}

void SongViewViewController::showSongOrPdf()
{
    const bool pdf = m_song && dynamic_cast<const PDFSong *>(m_song.get());
    m_songScrollView->setVisible(!pdf);
    m_pdfScrollView->setVisible(pdf);
    if (!pdf)
        return;
    m_pdfSongView->setPath(m_song->path());
    m_pdfSongView->adjustFrameForView(m_pdfScrollView->viewport());
    m_pdfSongView->update();
}

void SongViewViewController::takeLinkedAudio()
{
    const QString path = m_song ? m_song->musicpath() : QString();
    if (path.isEmpty()) {
        if (audioToolbarVisible())
            afterDelayForSameSong(500, [this] {
                if (audioToolbarVisible())
                    initToolbar(nullptr);
            });
        stopLinkedAudio();
        return;
    }
    if (!showsToolbar() && !appPrefs().startMusicWithAutoScroll())
        afterDelayForSameSong(500, [this] { initToolbar(m_audioPlayToolbar); });
    playLinkedAudio(path);
}

void SongViewViewController::takePlayingTime()
{
    if (!m_song) {
        m_playingTime = 0;
        return;
    }
    m_playingTime = m_song->playingTime();
    if (m_playingTime != 0)
        return;
    const int songTempo = m_song->tempo();
    const float tempo = songTempo != 0 ? float(songTempo) : appPrefs().tempo();
    m_playingTime = m_song->playingTimeForTempo(tempo, m_songView->frameHeight());
}

void SongViewViewController::adjustSongFrame()
{
    m_songView->adjustFrameForView(*m_songScrollView, appPrefs().autozoom());
    Q_EMIT zoomShown(m_songView->zoomScale());
}

void SongViewViewController::afterDelayForSameSong(int ms, const std::function<void()> &action)
{
    // A later refresh does not cancel the call; a call meant for a song no longer shown is dropped instead.
    QTimer::singleShot(ms, this, [this, song = std::weak_ptr<Song>(m_song), action] {
        if (song.lock() == m_song)
            action();
    });
}
