// The application: owns the shared objects and the panes for the whole run, starts up, keeps the current song,
// saves pending edits and quits.
#pragma once

#include "appcontext.h"
#include "commandstate.h"
#include "filekind.h"
#include "panecontrollers.h"
#include "peerapplication.h"
#include "peersession.h"
#include "song.h"
#include "songpanecommands.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class AudioDurationProbe;
class Dialogs;
class FolderWatcher;
class MainMenus;
class MainWindow;
class Midi;
class MidiBackend;
class PDFSong;
class PaneSplitView;
class PeerControl;
class QPrinter;
class SecondarySongViewWindowController;
class SongDisplay;
class SongViewViewController;
class ToolWindows;

// Every part reaches the shared objects through the AppContext seam (AppContext::instance()->prefs() and so on);
// the delegate is the context that the application installs. Before launching only the settings, the empty
// library and the playlists exist; the panes are made by the launch sequence.
class VellorinAppDelegate : public QObject, public AppContext, public SongPaneCommands, public PeerApplication
{
    Q_OBJECT

public:
    // Makes the shared objects and installs itself as the application's context. Questions go through dialogs;
    // makePanes (optional) makes the panes beside the song pane at launch.
    explicit VellorinAppDelegate(Dialogs &dialogs, PaneMaker makePanes = {}, QObject *parent = nullptr);
    ~VellorinAppDelegate() override;

    // The installed delegate; nullptr before it exists (or when a test installed another context).
    static VellorinAppDelegate *instance();

    // --- AppContext ---
    Prefs *prefs() override { return m_prefs.get(); }
    Songs *songs() override { return m_songs.get(); }
    Chords *chords() override;
    PlayLists *playlists() override { return m_playlists.get(); }
    QImage chordImage(const Chord &chord, const QSizeF &size) override;
    // Called by every writer into the song folder just before it writes: changes reported until 5 s after the
    // last such call are the program's own and are dropped.
    void temporaryStopFSRefresh() override;
    // An alert naming what could not be saved, why, and that the file on disk is as it was.
    void reportFailedWrite(const QString &what, const QString &why) override;
    // An alert naming what could not be moved to the Trash, why, and that it is still where it was.
    void reportFailedTrash(const QString &what, const QString &why) override;
    // Hands the library's current songs to the MIDI song selection, while MIDI is on.
    void indexSongsForMidi(const QList<SongPtr> &songs) override;

    // --- Start, activation and quit ---
    // The launch sequence: song folder, the library's load started, panes, current song, then the settings-driven
    // states. The library is read on worker threads meanwhile; the current song is read on its own, by the path
    // remembered with it, and shows before the load ends. Once the load is taken, the list panes show it.
    void applicationDidFinishLaunching();
    // The user default holding the current song's file, beside the settings' reference to it.
    static const QString currentSongPathKey;
    // Refreshes the list panes, unless the editor holds unsaved changes or launching has not finished.
    void applicationWillBecomeActive();
    // Before quitting: saves the edited song. False when it could not be saved and the user keeps the program
    // open.
    bool applicationShouldTerminate();
    // Quitting: saves the edited song (when not done yet) and writes the user defaults.
    void applicationWillTerminate();
    // A file handed over by the desktop or the command line; it is opened a moment later, or, before a song
    // folder is chosen, once one is (openFilesWaitingForSongFolder()). A file that is no song file (by its
    // extension) is refused with an alert: false.
    bool openFile(const QString &path);
    // Files a second start of the program handed over: each is opened, and the window comes forward.
    void openFilesFromAnotherStart(const QStringList &paths);
    // Opens the files handed over before the song folder was chosen.
    void openFilesWaitingForSongFolder();
    // The song a file holds: a PDF song for a PDF file, else a song read from the file.
    static SongPtr songForFile(const QString &path);
    // Imports the song when it lies outside the current category, and shows it; once the library is read.
    void openSong(const SongPtr &song);
    // The menu command for choosing the song folder.
    void selectSongDir();

    // --- Song-folder watching ---
    // Watches the song folder for changes made by other programs; again after the folder changed (the old
    // folder is no longer watched).
    void startWatchingSongFolder();
    // One batch of changes from the watcher: "Callback called" on standard output, then each path in turn.
    void songFolderEventsCallback(const QStringList &paths);
    // A changed path: dropped while the editor holds unsaved changes or the program's own writes pause the
    // reaction; otherwise the refresh is scheduled again for a moment after the last change.
    void filesChangedAtPath(const QString &path);
    // Reads the library again and refreshes every pane. The current song stays the same object; it reads its
    // file again when another program changed it and the editor holds no unsaved changes.
    void refresh();
    // Ends the pause of temporaryStopFSRefresh().
    void enableFSRefresh();
    bool noFSRefresh() const { return m_noFSRefresh; }
    // How long changes are collected into one batch, how long the refresh waits after the last change, and how
    // long the program's own writes pause the reaction.
    struct FolderWatchDelays
    {
        std::chrono::milliseconds latency{2000};
        std::chrono::milliseconds refresh{1000};
        std::chrono::milliseconds pause{5000};
    };
    void setFolderWatchDelays(const FolderWatchDelays &delays);
    const FolderWatchDelays &folderWatchDelays() const { return m_folderWatchDelays; }
    // The watcher of the song folder; nullptr while none is watched.
    const FolderWatcher *folderWatcher() const { return m_folderWatcher.get(); }

    // --- Files dropped on the window (positions in the main window's coordinates) ---
    // Whether the window takes the drop: over the editor any files, elsewhere as the first file decides.
    bool acceptsDrop(const QStringList &paths, const QPoint &windowPos) const;
    // Applies settings and layout files anywhere. Over the editor, files that are no songs become links in the
    // edited song and nothing else happens; elsewhere songs and PDFs are imported and the last is shown. True
    // when something was taken.
    bool performDrop(const QStringList &paths, const QPoint &windowPos);

    // --- Exports and the selection ---
    void exportRTF();
    void exportTab();
    void exportHTML();
    void exportTXT();
    // The songs selected in the list pane shown: the tags pane, the playlists pane (library songs carrying
    // their entries' keys) or the song list.
    QList<SongPtr> selectedSongs() const;

    // --- The current song ---
    const SongPtr &currentSong() const override { return m_currentSong; }
    // The panes' way to show a song: shows it, tells peers, sends its MIDI events.
    void setCurrentSong(const SongPtr &song);
    // Makes the song current and refreshes the views; tells peers when notifyPeers. A null song leaves the
    // application without a current song: the views show nothing, the settings forget it, peers are not told.
    void showSong(const SongPtr &song, bool notifyPeers);
    // A song chosen from outside the window (by MIDI, by a peer): the editor's unsaved changes are saved first,
    // without asking, and the song is shown as by showSong(). False, with the old song still shown, when
    // those changes could not be saved.
    bool showSongFromOutside(const SongPtr &song, bool notifyPeers);
    // The current song is neither a PDF song nor a playlist note.
    bool isNormalSong() const { return m_isNormalSong; }
    bool transposeEnabled() const { return m_isNormalSong; }
    // There is a current song, the editor is shown and holds unsaved changes.
    bool canSave() const;
    // After the model changed the current song's file: brings the editor up to date.
    void saveOrUpdateCurrentSong();
    // After the model wrote the current song's file, couldSave being canSave() from before the change: an
    // editor with unsaved edits takes the new text and keeps them unsaved, any other shows the file as written.
    void updateEditorAfterModelChange(bool couldSave);
    // Seconds of the auto-scroll, written into the shown song.
    void saveAutoScrollTime(int seconds) override;
    // Beats per minute, written into the shown song (text songs only).
    void saveMetronomeTempo(int tempo) override;
    // Saves the editor's unsaved changes of the current song, after asking when ask. True when the caller may
    // go on; false when the user cancelled or the song could not be saved (the edits stay in the editor).
    bool saveCurrentSongInteractive(bool ask);

    // --- Song and file commands ---
    // A new song from the user's template in the current category, shown in the editor with the caret after
    // "{title:"; it gets its file when it is first saved.
    void newDocument();
    // A copy of the current song in the current category, written where the user chooses; after a cancel the
    // unsaved copy stays the current song.
    void duplicate();
    // Opens the files the user chooses: settings and layout files are applied, songs and PDFs outside the shown
    // songs are imported into the current category, files that hold no text are refused; the last song is shown.
    void openDocument();
    // Saves the current song's edits without asking.
    void saveDocument();
    // Writes the sample song into the song folder (never over an existing one) and shows it among all songs.
    void sampleSong();
    // The entry after / before the selected one in the list shown: the playlist (notes and missing songs
    // included), the tags list or the song list; the song list while no list is shown. Nothing at the ends.
    void nextSong();
    void prevSong();
    // Asks for the current song's key and writes it; an empty answer changes nothing.
    void setKey();
    // Rewrites the current song's chords as Nashville numbers of its key, or back to chord names.
    void convertToNNS();
    void convertFromNNS();
    // Prints the selected songs, else the current song, after the print panel.
    void printDocument();
    // The page set-up panel on the printer that printing uses.
    void runPageLayout();
    // The printer every print job and the page set-up share, made when first asked for.
    QPrinter &printer();

    // --- Commands on the current song's transposition, capo and playing time (text songs only) ---
    // Shows the current song at minus its capo, spelled as its key asks.
    void transposeReset();
    // Shows the current text song transposed by so many semitones (a playlist entry's key); nothing for a PDF
    // song, a note or no song, and when it is shown so already.
    void setTranspose(int semitones);
    // The editor's text goes into the song, whose chords and key are rewritten by the shown transposition and
    // written to its file (or into the editor, when that holds unsaved edits); then shown untransposed.
    void transposeSave() override;
    // Writes the capo (0 removes it) and shows the song at minus the new capo.
    void setCapo(qint64 capo) override;
    // While the playlists are shown and their selected entry is the current song: the entry's key becomes the
    // key, or none when that is the song's own key, and the playlist is saved. The pane refreshes either way.
    void updatePlaylistKey(const QString &key) override;
    // Has the song pane write its playing time into the song.
    void autoScrollSave();
    // Nearby sharing: connected peers show the song transposed.
    void notifyPeersTransposeSong(const Song &song, int transpose) override;

    // --- Linked audio ---
    // The types a song's recording may have, offered when linking one.
    static const QStringList audioTypes;
    // There is a current song to link a recording to.
    bool canLinkMusic() const;
    // The current song has a recording.
    bool canPlayMusic() const;
    // Asks for the current song's recording. One from outside the song folder (and any for a PDF song, which
    // takes "<pdf>.mp3") is copied there after the user agrees; a text song then names it in its "musicpath"
    // and, without a playing time, takes the recording's duration.
    void linkWithMusic();
    // Stops the recording (the toolbar goes), or shows the audio toolbar and starts it; asks for one first when
    // the song has none.
    void playMusic();
    void skipMusicForward();
    void skipMusicBackward();
    // The file's path relative to the song folder when it lies in it or in a folder within; nothing otherwise.
    std::optional<QString> pathRelativeToVellorinFolder(const QString &path) const;
    // What reads a recording's duration; GStreamer's unless set.
    void setAudioDurationProbe(AudioDurationProbe &probe) { m_audioDurationProbe = &probe; }

    // --- MIDI ---
    // The song MIDI controller; nullptr while MIDI is off.
    Midi *midi() const { return m_midi.get(); }
    // Switches MIDI on (a new controller, which indexes the current songs at once) or off (the controller is
    // dropped), and stores the choice in the settings. At launch, and by the MIDI command.
    void switchMidi(bool on);
    // The MIDI command.
    void toggleMIDI();
    // Where the MIDI controller's ports come from; the ALSA sequencer unless set (tests set a fake).
    void setMidiBackendMaker(std::function<std::unique_ptr<MidiBackend>()> maker);
    // The connected ports' names, for the MIDI item's title; empty while MIDI is off.
    QString midiConnectionsAsString() const;

    // --- Tool windows ---
    // Who makes the tool windows (not owned; it outlives the delegate); without one they do not open.
    // The song pane opens the chord windows through it too.
    void setToolWindows(ToolWindows *toolWindows);
    // The preferences command: a new preferences window over the main window.
    void showPreferences();
    // The chord command: a new chord library window over the main window.
    void showChords();

    // --- Nearby sharing ---
    // The sharing command: off when on; else, when sessions can be made, on after the user agreed.
    void togglePlayTogether();
    // Whether sharing can be switched on: a session can be made (see setPeerSessionMaker()).
    bool canConnect() const { return bool(m_makePeerSession); }
    // Where each sharing period's session comes from; without one, sharing is not offered.
    void setPeerSessionMaker(PeerSession::Maker maker);
    // The sharing in progress; nullptr while sharing is off.
    PeerControl *peerControl() const { return m_peerControl.get(); }
    // What peers ask: a library song shown (after the open question, unsaved edits saved first, not echoed to
    // the peers), the shown song transposed, who is connected (shown in the window's title).
    void showSongFromPeer(const SongPtr &song) override;
    void peerTranspose(int semitones) override;
    void showConnectedPeers(const QString &names) override;

    // --- State ---
    bool startUpDone() const { return m_startUpDone; }
    MainWindow *window() const { return m_window.get(); }
    SongViewViewController *songViewViewController() const { return m_songViewViewController; }
    const PaneControllers &panes() const { return m_panes; }
    bool isSongViewVisible() const;
    bool isSongEditVisible() const;
    // The three panes of the window; nullptr until launched.
    PaneSplitView *splitView() const { return m_splitView; }
    // The second display; nullptr until its command first shows it, and kept from then on.
    SecondarySongViewWindowController *secondSongView() const { return m_secondSongView.get(); }

    // --- The editor's calls ---
    // The editor changed the current song's text: the song pane lays it out again at once.
    void songTextChanged();
    // The editor scrolled: the song view shows the line holding the character at this index of the text.
    void scrollSongViewWithEditor(qsizetype characterIndex);

    // --- Menus and commands ---
    // The menu bar's actions, found by name (MainMenus::action); commands are given to them in connectCommands.
    MainMenus *menus() const { return m_menus; }
    // Brings every action's enabled state up to date; call it after anything the states depend on changed.
    void updateCommandStates();
    // What the enabled states depend on, as the application is now.
    CommandState::Inputs commandInputs() const;
    // While the editor's text has the focus, the keys that step through songs belong to the text.
    void setSongStepKeysEnabled(bool enabled);
    // Inserts the template of that number (1 to 11, the Chordpro items' data) into the editor; any other number
    // inserts nothing.
    void insertChordproControl(int tag);
    // Converts the tab lines of the editor's text, while the user types in it.
    void convertTabToChordpro();
    // The mailbox the contact command writes to, and the subject it gives the mail.
    static const QString supportAddress;
    static QString contactSubject();

private:
    // "The file %1 could not be read." for a file handed over that cannot become a song.
    void alertCannotRead(const QString &path);
    // Launch steps, in their order.
    void logVersion() const;
    void restoreSongDirectory();
    void makePaneControllers();
    // The song shown when the program last ran: at once when its remembered file is still there, else from the
    // library once that is read.
    void restoreCurrentSong();
    void restoreCurrentSongFromLibrary();
    // Shown as it was: no settings save, no message to peers, no MIDI output.
    void showRestoredSong(const SongPtr &song);
    void rememberCurrentSongPath(const SongPtr &song);
    // The library's background load has been taken: the list panes show it.
    void libraryLoaded();
    // The library is read once per refresh: panes refreshed right after a read only show what it holds.
    enum class LibraryRead { Needed, JustDone };
    void refreshListPanes(LibraryRead read = LibraryRead::Needed);

    // The song library.
    void refreshLibrary();
    // Starts reading the library on worker threads.
    void loadLibrary();
    void refreshPlaylists();
    void setLibraryCategory(const std::optional<QString> &category);
    std::optional<QString> libraryCategory() const;
    SongPtr librarySongForReference(const QString &reference);
    bool libraryContainsPath(const QString &path) const;
    void updatePlaylistsForSong(const Song &onDisk, const Song &edited);
    void updatePlaylistsForNote(const Song &note);

    // Current song helpers.
    // Neither a PDF song nor a playlist note.
    static bool isTextSong(const Song &song);
    bool importSong(const SongPtr &song);
    // The library's own object for the song's file when it holds one (so one file has one object), else the
    // song itself.
    SongPtr librarySongForFile(const SongPtr &song);
    bool importPdf(PDFSong &song, const QString &category);
    bool chooseFileForNewSong(Song &song);
    // Asks where to save a song without a file, proposing its default name in the current category's folder.
    // The chosen path, ".pro" added when its extension is none of the types; empty when the user cancelled.
    QString chooseSongFile(const Song &song, const QStringList &types);
    // Writes the current song, playlists following a changed title; false when the write failed.
    bool saveCurrentSong();
    void reportSaveFailure(const Song &song);
    // One alert: what failed, the reason as a sentence, and what that left on disk.
    void reportFailure(const QString &title, const QString &why, const QString &outcome);
    // Before a save the user asked for: when another program changed the song's file since it was read, asks
    // whether to overwrite it, reload it (dropping this program's edits after a second question) or cancel.
    // Nothing when the save may go on; otherwise what the caller answers: true when the song was reloaded
    // (nothing is left to save), false when the user cancelled.
    std::optional<bool> settleChangeOnDisk(Song &song);
    void refreshAfterSave();
    // The model rewrote the current song's text without writing it: it is written, or merged into an editor
    // that held unsaved edits before (couldSave).
    void writeRewrittenCurrentSong(bool couldSave);
    // Shows the song at minus its capo with neither spelling forced, as when it is first shown.
    void showUntransposed(const SongPtr &song);
    bool isEntryOfCurrentSong(const SongPtr &entry);
    void connectZoomControls();

    // The three-pane window.
    void initSplitView();
    void fixSplitView();

    // Song and file commands.
    // The editor shown, its text focused with the caret at the position (never past the end).
    void showEditorAt(qsizetype caret);
    // What an opened file brings to show: the song, or null (a file applied, refused or not imported).
    SongPtr openChosenFile(const QString &path);
    // Opens the files the user chose and shows the last song among them.
    void openChosenFiles(const QStringList &paths);
    // The list the next and previous commands step through; null when that pane is absent.
    ListPane *steppedList() const;
    // The stepped list has a row offset rows from its selection (1: the next one, -1: the previous one).
    bool canStepSong(int offset) const;
    void stepSong(int offset);
    // Writes a change of the current song's text that the user asked for (the change saves the song), canSave()
    // being couldSave before it; the editor and the song pane follow.
    void writeCurrentSongChange(bool couldSave, const std::function<bool(Song &)> &change);

    // Linked audio.
    // After the user agreed, copies the file to where the song's recordings go, under a new name when another
    // file has its name; the name it has there, nothing when declined or failed (a failure is told).
    std::optional<QString> copyMusicIntoSongFolder(const QString &file, const Song &song);
    // Writes the playing time (when given) and the link into the song, then shows it.
    void finishLinking(const SongPtr &song, const QString &relative, std::optional<qint64> seconds);
    // The panes follow the new link, and the audio toolbar comes in; on the next pass of the event loop.
    void showLinkedMusic();
    AudioDurationProbe &audioDurationProbe() const;

    // Drops and exports.
    void registerForDraggedFiles();
    bool isOverListPane(const QPoint &windowPos) const;
    bool isOverEditor(const QPoint &windowPos) const;
    bool dropOnEditor(const QStringList &paths);
    // Applies a font settings or layout file; false for any other kind.
    bool applySettingsFile(const QString &path, FileKind::Kind kind);
    SongPtr importDroppedFile(const QString &path, FileKind::Kind kind);
    SongPtr importDroppedPdf(const QString &path);
    enum class ExportFormat { RTF, Tab };
    void exportSongs(ExportFormat format);
    // Where the current song's export goes (save panel) or several songs' exports go (folder panel); empty
    // when there is no current song or the user cancelled. Each panel opens where the last of its kind (the
    // extension, or "html") was chosen. The folder watching is paused for a place in the song folder.
    QString chooseExportFile(const QString &extension, const QStringList &types);
    QString chooseExportFolder(const QString &message, const QString &kind);
    // Pauses the folder watching when path lies in the song folder.
    void pauseWatchingForWriteTo(const QString &path);

    // Menus and toolbar.
    void connectCommands();
    void startUpdatingCommandStates();
    void addToolbarItems();
    void setMenuStatesFromSettings();
    void setChecked(const QString &actionName, bool on);
    void onSongViewShown(void (SongViewViewController::*command)());
    void onSongList(void (SongListPane::*command)());

    // Commands.
    enum class ZoomStep { In, Out, Reset };
    // Flips a setting and keeps it (unless it lasts for the run only); the new value.
    bool flipSetting(bool (Prefs::*get)() const, void (Prefs::*set)(bool), bool keep = true);
    void refreshSongView();
    void recolourEditor();
    void toggleInlineChords();
    void toggleTitleCentered();
    void toggleCenterNarrowSongs();
    void toggleShowSongTitle();
    void toggleShowTimeColumn();
    void toggleStartMusicWithAutoScroll();
    void noChordsOnSongView();
    void noChordsOnSecondarySongView();
    void showChordDiagrams();
    void showHideSongChords();
    void toggleSongChordsAtRight();
    void setEditWithFixedFont(bool on);
    void zoom(ZoomStep step);
    // The zoom slider moved.
    void zoomChanged(float zoomScale);
    void toggleAutoZoom();
    // The second display: made on first use, then shown again and refreshed.
    void showSecondarySongView();
    void toggleSecondaryAutoZoom();
    // True when the second display was the active window and took the zoom step.
    bool zoomSecondDisplayWhenActive(ZoomStep step);
    void refreshSecondDisplay();
    // Find: in the editor's text while it has the focus, else in the song list.
    void performTextFinderAction();
    // Title order when flag is null.
    void sortBy(void (Prefs::*flag)(bool));
    static void openHelpPage(const QString &name);
    static void contact();

    // Nearby sharing.
    void hidePlayTogetherUnlessPeersCanConnect();
    void notifyPeersOfSong(const Song &song);

    Dialogs &m_dialogs;
    PaneMaker m_makePanes;
    std::unique_ptr<Prefs> m_prefs;
    std::unique_ptr<Songs> m_songs;
    std::unique_ptr<PlayLists> m_playlists;
    SongPtr m_currentSong;
    // Its file may be moved or trashed while it is shown: its text stays at hand.
    Song::TextHold m_currentSongText;
    std::unique_ptr<MainWindow> m_window;
    // Owned by the window.
    MainMenus *m_menus = nullptr;
    std::unique_ptr<CommandState> m_commandState;
    SongViewViewController *m_songViewViewController = nullptr;
    std::unique_ptr<SecondarySongViewWindowController> m_secondSongView;
    PaneSplitView *m_splitView = nullptr;
    PaneControllers m_panes;
    std::unique_ptr<FolderWatcher> m_folderWatcher;
    FolderWatchDelays m_folderWatchDelays;
    QTimer m_refreshTimer;
    QTimer m_enableFSRefreshTimer;
    bool m_noFSRefresh = false;
    std::function<std::unique_ptr<MidiBackend>()> m_makeMidiBackend;
    std::unique_ptr<Midi> m_midi;
    PeerSession::Maker m_makePeerSession;
    std::unique_ptr<PeerControl> m_peerControl;
    ToolWindows *m_toolWindows = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    AudioDurationProbe *m_audioDurationProbe = nullptr;
    bool m_startUpDone = false;
    // The current song of the last run waits for the launch's load of the library to be found.
    bool m_currentSongAwaitsLibrary = false;
    // The application was left since it launched: becoming active again may find files changed meanwhile.
    bool m_leftSinceLaunch = false;
    bool m_isNormalSong = true;
    // The user chose to quit although the edited song could not be saved: quitting does not try again.
    bool m_quitWithoutSaving = false;
    // Files handed over while there was no song folder to import them into.
    QStringList m_filesWaitingForSongFolder;
};
