// The song pane: the current song laid out (or a PDF song's pages), four toolbars that slide in above it one at
// a time, the metronome flash strip and the chord side pane.
#pragma once

#include "chordviewdelegate.h"
#include "metronomeengine.h"
#include "monotonicclock.h"
#include "song.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class AudioDurationProbe;
class AudioPlayer;
class Chord;
class ChordViewWidget;
class Dialogs;
class Instrument;
class MetronomeFlashView;
class MinSecTextField;
class PDFSongViewWidget;
class Prefs;
class QAbstractAnimation;
class QColorDialog;
class QComboBox;
class QLabel;
class QMenu;
class QParallelAnimationGroup;
class QPushButton;
class QScrollArea;
class QSlider;
class QSplitter;
class QTimer;
class SongDisplay;
class SongPaneCommands;
class ToolWindows;

class SongViewViewController : public QWidget, public MetronomeDelegate, private ChordViewDelegate
{
    Q_OBJECT

public:
    // The application's current song, asked at each refresh.
    using CurrentSong = std::function<SongPtr()>;

    // Questions go through dialogs; the song widget comes in through its interface, so tests can watch it.
    SongViewViewController(Dialogs &dialogs, CurrentSong currentSong, std::unique_ptr<SongDisplay> songView,
                           QWidget *parent = nullptr);
    ~SongViewViewController() override;

    // The smallest and largest zoom a step, the slider or a pinch can reach.
    static constexpr float minimumZoom = 0.25f;
    static constexpr float maximumZoom = 5.0f;
    // A zoom within the limits; 1.0 for a value that is no number.
    static float saneZoom(double zoomScale);
    // Length of the toolbar slide, milliseconds.
    static constexpr int toolbarSlideMs = 400;

    // What the toolbars ask of the application (writing the song, the playlist key, the peers); nothing is
    // asked while none is set.
    void setCommands(SongPaneCommands *commands) { m_commands = commands; }
    // Who opens the chord windows (not owned); without one a chord click opens nothing.
    void setToolWindows(ToolWindows *toolWindows) { m_toolWindows = toolWindows; }

    // --- Refresh: after the shown song, its text or a setting changed ---
    void refresh() { refreshScrollToTop(true); }
    // fast: while typing in the editor; leaves the linked audio alone.
    void refreshScrollToTop(bool scrollToTop, bool fast = false);
    void scrollToTop();

    // Transposes by minus the song's capo, as for a song just shown, and remembers the song and capo: a refresh
    // keeps a transposition set after this unless the song or its capo changed since.
    void resetTransposition(const SongPtr &song);

    // The song shown, taken from the application at each refresh; null while none is shown.
    const SongPtr &song() const { return m_song; }
    SongDisplay &songView() { return *m_songView; }
    QScrollArea *songScrollView() const { return m_songScrollView; }
    QScrollArea *pdfScrollView() const { return m_pdfScrollView; }

    // --- Toolbars: at most one is shown ---
    // Hides whichever toolbar is shown and slides the given one in; nullptr only hides.
    void initToolbar(QWidget *toolbar);
    // The transposition, auto-scroll or audio toolbar is shown (the metronome toolbar does not count).
    bool showsToolbar() const;
    bool showsMusicToolbar() const { return audioToolbarVisible(); }
    bool transposeToolbarVisible() const { return isShown(m_transposeToolbar); }
    bool autoScrollToolbarVisible() const { return isShown(m_autoScrollToolbar); }
    bool audioToolbarVisible() const { return isShown(m_audioPlayToolbar); }
    bool metronomeToolbarVisible() const { return isShown(m_metronomeToolbar); }
    void toggleTransposeToolbar() { toggleToolbar(m_transposeToolbar); }
    void toggleAutoScrollToolbar() { toggleToolbar(m_autoScrollToolbar); }
    void toggleAudioToolbar() { toggleToolbar(m_audioPlayToolbar); }
    void toggleMetronomeToolbar() { toggleToolbar(m_metronomeToolbar); }
    // Hides the shown toolbar; nothing (no animation) when none is shown.
    void hideToolbars();
    void hideToolbar() { initToolbar(nullptr); }
    void showAudioToolbar();
    // Segment 0 shows the transposition toolbar, 1 the auto-scroll toolbar; others do nothing.
    void mainToolbarSelected(int segment);
    QWidget *transposeToolbar() const { return m_transposeToolbar; }
    QWidget *autoScrollToolbar() const { return m_autoScrollToolbar; }
    QWidget *audioPlayToolbar() const { return m_audioPlayToolbar; }
    QWidget *metronomeToolbar() const { return m_metronomeToolbar; }

    // --- Zoom: every manual zoom switches auto-zoom off and is kept in the settings ---
    void zoomIn();
    void zoomOut();
    void resetZoom();
    // The zoom slider's value.
    void zoomChanged(float value);
    // One changed step of a pinch: the zoom grows by the factor (1 + magnification).
    void magnify(double magnification);
    void switchAutozoom(bool on);

    // --- Transposition: semitones and the all-flat and all-sharp spelling live in the song view ---
    // One semitone up or down, kept within -6..+6 (+6 up gives -5); a value from outside that range first
    // counts as its equivalent within it (11 up gives 0). Then refresh, playlist key, peers.
    void transposeUp();
    void transposeDown();
    // Any value, kept as it is; peers, refresh. No playlist key.
    void setTranspose(int semitones);
    // A peer's transposition: refresh only, nothing goes back to the peers or into the playlist.
    void peerTranspose(int semitones);
    // An item of the transposition pop-up (-6..+6) or of the capo pop-up (0..9).
    void transposeFromPopup(int step);
    void capoFromPopup(int capo);
    void transposeAllb();
    void transposeAllsharp();
    // The transposition bar's pop-ups and flat / sharp buttons act; off for a song that cannot be transposed.
    void setTranspositionEnabled(bool enabled);
    // Writes the transposition into the song's text, then the playlist key.
    void transposeSave();
    // There is a transposition or a spelling to save.
    bool transposeCanSave() const;
    // The accidental a saved transposition and the playlist key are written with: 'b', '#' or none.
    QChar transposeFavorChar() const;
    QChar transposeFavor() const;
    // The transposed key of a step ("0" or the number itself for a song without a key), and "No Capo" or
    // "Capo n".
    QString transposeLabelForStep(qint64 step) const;
    QString capoLabelForStep(qint64 step) const;
    // Hands the key the song is now played in to the application's playlist.
    void updatePlaylistKey();

    // --- Auto-scroll: the song moves up so that all of it passes in its playing time ---
    // One tick of the auto-scroll timer, milliseconds; pauses are counted in ticks.
    static constexpr int autoScrollTickMs = 10;
    // The shortest playing time the toolbar and the steps set, seconds.
    static constexpr int shortestPlayingTime = 30;
    // Auto-zoom is off and some of the song lies below the visible part.
    bool canAutoScroll() const;
    bool isAutoScrolling() const;
    void startStopAutoScroll();
    // Holds the song still for the seconds, on top of a pause under way.
    void delayAutoScrollingBy(double seconds);
    // What the timer does every tick: wait out a pause, take over a hand scroll, or move on.
    void tick();
    // One second less (never below 30 s) or more of playing time.
    void autoScrollFaster();
    void autoScrollSlower();
    // Writes the field's playing time into the song.
    void autoScrollSave();
    // The playing time in effect is not the one stored in the song.
    bool autoScrollCanSave() const;
    // Scrolls the song so the laid-out line is at the top.
    void scrollToLine(qint64 line);
    MinSecTextField *playingTimeTextField() const { return m_playingTimeTextField; }

    // --- Linked audio: the song's recording plays beside it, at a chosen speed with its pitch kept ---
    using AudioPlayerFactory = std::function<std::unique_ptr<AudioPlayer>()>;
    // How the player is made when a song with a recording is shown, and what reads a recording's duration
    // (GStreamer's unless set).
    void setAudioPlayerFactory(AudioPlayerFactory factory) { m_makeAudioPlayer = std::move(factory); }
    void setAudioDurationProbe(AudioDurationProbe &probe) { m_audioDurationProbe = &probe; }
    // Shows the stop button and plays at the chosen speed; the slider follows every half second until playback
    // stops, also when there is nothing to play.
    void startAudio();
    // Pauses where it is and shows the start button.
    void stopAudio();
    bool isAudioPlaying() const;
    // Ten seconds on (past the end of the file ends playback), or back (never before the start).
    void forwardAudio();
    void backwardAudio();
    // The slider moved to ms: seeks to the whole second.
    void progressChangedAudio(int ms);
    // Each tick of the progress timer.
    void updateAudioProgressSlider();
    // An item of the speed pop-up: its percent becomes the speed (not saved) and applies while playing.
    void audioSpeedChanged(int index);
    // Selects the pop-up item of the speed in effect; none when no item carries it.
    void setAudioSpeedPopup();
    // The player of the shown song's recording; nullptr when it has none.
    AudioPlayer *audioPlayer() const { return m_audioPlayer.get(); }
    QPushButton *startAudioButton() const { return m_startAudioButton; }
    QPushButton *stopAudioButton() const { return m_stopAudioButton; }
    QSlider *audioProgressSlider() const { return m_audioProgressSlider; }
    QComboBox *audioSpeedPopupButton() const { return m_audioSpeedPopupButton; }
    bool audioProgressTimerRunning() const;

    // --- Chords ---
    // The chord side pane: whether the song has chords for it, whether it is open, and opening or closing it
    // (beside the song when the setting songChordsAtRight is on, below it otherwise).
    bool hasSongChords() const;
    bool isSongChordsVisible() const;
    void showHideSongChords();
    // Fills the pane with a diagram of every chord the song shows, fingered for the current instrument; closes
    // it when there is none to show or the instrument is a keyboard, without changing the setting showSongChords.
    void updateSongChords();
    ChordViewWidget *chordView() const { return m_chordView; }
    // A click on a chord name (as drawn) in the song, or on a diagram of the chord side pane.
    void showChords(const QString &name, const QRectF &rect);

    // --- Values the refresh sets for the auto-scroll, metronome and audio controls ---
    int playingTime() const { return m_playingTime; }
    int tempoMetronome() const { return m_tempoMetronome; }
    qint64 metronomeTicksPerBar() const { return m_metronomeTicksPerBar; }
    // Points per millisecond of the auto-scroll for the shown song's height and playing time.
    float pixPerMs() const { return m_pixPerMs; }
    // The linked audio file given to the player; empty without one.
    const QString &audioPath() const { return m_audioPath; }
    QString transposeButtonTitle() const;
    QString capoButtonTitle() const;
    // Width of a diagram of the chord side pane, points, and whether the diagrams are large.
    int chordCellWidth() const { return m_chordCellWidth; }
    bool largeChordDiagrams() const { return m_largeChordDiagrams; }

    // --- Metronome: a click, a flash or both at the shown song's tempo, optionally only as a count-in ---
    using MetronomeFactory = std::function<std::unique_ptr<MetronomeEngine>()>;
    // How the click engine is made on the first start with the click on (the real one unless set), and the clock
    // that times the beats of flash-only mode (the computer's unless set).
    void setMetronomeFactory(MetronomeFactory factory) { m_makeMetronome = std::move(factory); }
    void setMonotonicClock(const MonotonicClock &clock) { m_monotonicClock = &clock; }
    // Starts in click mode, or flash-only when the click is off; the tempo is kept within 40..210 first.
    void startMetronome();
    void stopMetronome();
    void startStopMetronome();
    // The engine runs, or flash-only mode does.
    bool isMetronomePlaying() const;
    // One beat per minute more (at most 210) or less (at least 40); kept in the settings.
    void senderincreaseMetronomeTempo();
    void decreaseMetronomeTempo();
    // Writes the tempo in use into the song.
    void saveMetronomeTempo();
    // Pops up the menu of the metronome's settings under its button.
    void metronomeSettings();
    // The menu of the settings: "Tick", "Flash", "Count In" (checked when on) and "Flash Color...".
    QMenu *makeMetronomeSettingsMenu(QWidget *parent);
    // Each flips its setting; the click comes back on when neither click nor flash would be left. A running
    // metronome starts again with the change.
    void toggleMetronomeTick();
    void toggleMetronomeFlash();
    void toggleMetronomeCountIn();
    // Opens the colour panel (with alpha) for the flash colour; it does not block.
    void selectMetronomeFlashColor();
    void metronomeColorSelected(const QColor &color);
    // MetronomeDelegate: a click starts or ends.
    void metronomeTickOn(MetronomeEngine &metronome) override;
    void metronomeTickOff(MetronomeEngine &metronome) override;
    // One pass of flash-only mode.
    void fireMetronomeTimer();
    // Beats of the count-in: two bars, or 8 without a time signature.
    qint64 maxCountInTicks() const;
    // Beats since the last start.
    int metronomeTickCount() const { return m_metronomeTickCount; }
    // The engine; nullptr until the first start with the click on.
    MetronomeEngine *metronome() const { return m_metronome.get(); }
    MetronomeFlashView *metronomeFlashView() const { return m_metronomeFlashView; }

Q_SIGNALS:
    // A zoom command, the slider or a pinch changed the zoom (and switched auto-zoom off); the main toolbar's
    // zoom controls follow.
    void zoomScaleChanged(float zoomScale);
    // The song is laid out at this zoom: auto-zoom's choice, or the zoom set. The zoom controls show it.
    void zoomShown(float zoomScale);
    // After every change that may change them; they enable the toolbars' save buttons.
    void transposeCanSaveChanged(bool canSave);
    void autoScrollCanSaveChanged(bool canSave);
    // Every refresh, once the song is laid out and before it scrolls to the top: the second display follows.
    void refreshed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildPane();
    void buildToolbars();
    QWidget *makeToolbar(const QString &name, const QList<QWidget *> &controls);
    void setButtonTitles();
    bool isShown(const QWidget *toolbar) const;
    // The one toolbar shown, the metronome toolbar included; nullptr when none is.
    QWidget *shownToolbar() const;
    void toggleToolbar(QWidget *toolbar);
    // Places the song and PDF scroll areas, the flash strip and the shown toolbar into the container at once.
    void layoutContainer();
    void addSlide(QParallelAnimationGroup &group, QWidget *widget, const QRect &to);
    // Runs action after ms only when the pane still shows the same song then.
    void afterDelayForSameSong(int ms, const std::function<void()> &action);
    // Lays the song out again for the pane's width, with or without auto-zoom.
    void adjustSongFrame();
    void relayoutWhenChordsReady();

    // Chord side pane.
    // Opens the pane 0.1 s later when it is wanted then: the setting showSongChords on and chords to show.
    void openSongChordsWhenWanted();
    bool songChordsWanted() const;
    // The name a shown chord is looked up under: a Nashville number becomes its chord in the shown key.
    QString chordLookupName(const QString &shownName) const;
    // Copies of the song's own or the library's chords, titled with the names shown.
    QList<Chord> songChordDiagrams(const Instrument &instrument) const;
    // ChordViewDelegate: a click on a diagram shows that chord's variants.
    void chordView(ChordView &view, const Chord &selectedChord) override;

    // Zoom: within the limits, then kept in the settings, auto-zoom off, the song laid out again.
    void applyZoom(double zoomScale);

    // Refresh steps.
    void applyCapoTransposition();
    // The transposition now shown is the one set for this song at its capo.
    void rememberCapoOf(const SongPtr &song);
    void updateWindowTitle();
    void showSongOrPdf();
    void takeMetronomeValues();
    void takeLinkedAudio();
    void loadInstrumentOfSong();
    void showTransposition();
    void takePlayingTime();

    // Linked audio.
    void buildAudioToolbar();
    // The refresh hands the shown song's recording to the player, or drops the player.
    void playLinkedAudio(const QString &path);
    void stopLinkedAudio();
    void setAudioSpeed();
    void showAudioPosition();

    // Transposition.
    void buildTransposeToolbar();
    // Pop-up items whose titles are set again on every refresh; made once, so an item can be chosen while the
    // refresh it causes retitles them.
    static QMenu *makePopupMenu(QPushButton *button, int first, int last);
    void stepTranspose(int delta);
    void notifyPeersOfTranspose();

    // Auto-scroll.
    void buildAutoScrollToolbar();
    void startAutoScroll();
    void stopAutoScroll();
    // The playing time the field holds once editing ends.
    void playingTimeEdited();
    void setPlayingTime(int seconds);
    // The default speed follows a playing time that is not the song's own.
    void storeDefaultTempo();
    // The visible part of the song, points.
    QRectF visibleSongRect() const;
    void scrollSongTo(float y);

    // Steps of the refresh, each bringing one control of the pane up to date.
    void fillTransposePopup();
    void fillCapoPopup();
    void updatePlayingTimeLabel();
    void updatePixPerMS();
    void askAboutUnknownChord(const QString &name);
    bool currentInstrumentIsKeyboard() const;
    // The chord diagram window for the name looked up, next to the rectangle in the song view's pixels.
    void openChordWindow(const QString &name, const QList<Chord> &chords, const QRectF &rect);
    void addChordToLibrary(const QString &name);

    Dialogs &m_dialogs;
    SongPaneCommands *m_commands = nullptr;
    ToolWindows *m_toolWindows = nullptr;
    CurrentSong m_currentSong;
    std::unique_ptr<SongDisplay> m_songView;
    SongPtr m_song;

    QSplitter *m_splitView = nullptr;
    QWidget *m_songContainerView = nullptr;
    QScrollArea *m_songScrollView = nullptr;
    QScrollArea *m_pdfScrollView = nullptr;
    PDFSongViewWidget *m_pdfSongView = nullptr;
    QScrollArea *m_chordScrollView = nullptr;
    ChordViewWidget *m_chordView = nullptr;
    MetronomeFlashView *m_metronomeFlashView = nullptr;
    QWidget *m_transposeToolbar = nullptr;
    QWidget *m_autoScrollToolbar = nullptr;
    QWidget *m_audioPlayToolbar = nullptr;
    QWidget *m_metronomeToolbar = nullptr;
    QPushButton *m_saveAutoScrollButton = nullptr;
    QPushButton *m_saveTransposeButton = nullptr;
    QPushButton *m_metronomeSaveButton = nullptr;
    QPushButton *m_forwardButton = nullptr;
    QPushButton *m_backwardButton = nullptr;
    QPushButton *m_allbTransposeButton = nullptr;
    QPushButton *m_allsharpTransposeButton = nullptr;
    QPushButton *m_transposePopupButton = nullptr;
    QPushButton *m_capoPopupButton = nullptr;
    QMenu *m_transposeMenu = nullptr;
    QMenu *m_capoMenu = nullptr;
    MinSecTextField *m_playingTimeTextField = nullptr;
    QPushButton *m_startAutoScrollButton = nullptr;
    QPushButton *m_stopAutoScrollButton = nullptr;
    QSlider *m_audioProgressSlider = nullptr;
    QPushButton *m_startAudioButton = nullptr;
    QPushButton *m_stopAudioButton = nullptr;
    QComboBox *m_audioSpeedPopupButton = nullptr;
    QTimer *m_audioProgressTimer = nullptr;
    AudioPlayerFactory m_makeAudioPlayer;
    AudioDurationProbe *m_audioDurationProbe = nullptr;
    std::unique_ptr<AudioPlayer> m_audioPlayer;
    QLabel *m_tempoMetronomeLabel = nullptr;
    QPointer<QAbstractAnimation> m_slide;

    // The song and capo the transposition was last set for: it is set to minus the capo only when they change.
    std::weak_ptr<Song> m_capoSong;
    qint64 m_capo = 0;
    QMetaObject::Connection m_chordsReady;

    int m_playingTime = 0;
    int m_tempoMetronome = 0;
    qint64 m_metronomeTicksPerBar = 0;
    float m_pixPerMs = 0;
    // Auto-scroll: runs exactly while the timer does; positions in points, the pause left in ticks.
    QTimer *m_autoPlayTimer = nullptr;
    float m_currentContentOffset = 0;
    double m_lastPausePosition = -1.0;
    int m_autoPlayDelay = 0;
    QString m_audioPath;
    int m_chordCellWidth = 48;
    bool m_largeChordDiagrams = false;

private:
    // The shared settings; their defaults when none exist, so the pane never reads through a null pointer.
    static Prefs &appPrefs();

    // Metronome.
    void buildMetronomeToolbar();
    // The tempo in use and whether it can be saved into the song.
    void updateMetronomeLabel();
    void setMetronomeTempo(int tempo);
    void restartMetronomeIfPlaying();
    void metronomeSettingChanged(Prefs &prefs);
    void setupMetronomeFlashView();
    void showFlash();
    void hideFlash();

    MetronomeFactory m_makeMetronome;
    const MonotonicClock *m_monotonicClock = &MonotonicClock::system();
    std::unique_ptr<MetronomeEngine> m_metronome;
    QTimer *m_metronomeTimer = nullptr; // flash-only mode runs exactly while it does
    QPushButton *m_metronomeStartButton = nullptr;
    QPushButton *m_metronomeStopButton = nullptr;
    QPushButton *m_metronomeSettingsButton = nullptr;
    QPointer<QColorDialog> m_metronomeColorDialog;
    int m_metronomeTickCount = 0;
    // Seconds of the monotonic clock.
    double m_metronomeNextTick = 0.0;
    // The song whose values the metronome last took.
    std::weak_ptr<Song> m_metronomeSong;
};
