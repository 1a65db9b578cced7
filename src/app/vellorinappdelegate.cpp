#include "vellorinappdelegate.h"

#include "appreviewmanager.h"
#include "chordview.h"
#include "dialogs.h"
#include "filename.h"
#include "filepath.h"
#include "folderwatcher.h"
#include "log.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "midi.h"
#include "modalgate.h"
#include "pdfsong.h"
#include "peercontrol.h"
#include "playlists.h"
#include "prefs.h"
#include "secondarysongviewwindowcontroller.h"
#include "songs.h"
#include "songviewviewcontroller.h"
#include "songviewwidget.h"
#include "textfile.h"
#include "userdefaults.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSlider>
#include <QSysInfo>
#include <QTimer>
#include <QToolButton>

namespace {
const QString songDirKey = QStringLiteral("songDirSecurityBookmark");
} // namespace

const QString VellorinAppDelegate::currentSongPathKey = QStringLiteral("currentSongPath");

VellorinAppDelegate::VellorinAppDelegate(Dialogs &dialogs, PaneMaker makePanes, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_makePanes(std::move(makePanes))
{
    AppContext::install(this);
    m_prefs = Prefs::initFromFileSystem();
    m_songs = std::make_unique<Songs>();
    m_playlists = std::make_unique<PlayLists>();
    m_songs->setLoadedHandler([this] { libraryLoaded(); });
    AppReviewManager::defaultManager().setAppID(QStringLiteral("1000000001"));
    AppReviewManager::defaultManager().setDialogs(&dialogs);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        // The window's first activation follows the launch's own read of the library: only coming back to
        // the application may find files changed while it was left.
        if (state != Qt::ApplicationActive)
            m_leftSinceLaunch = m_leftSinceLaunch || m_startUpDone;
        else if (m_leftSinceLaunch)
            applicationWillBecomeActive();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &VellorinAppDelegate::applicationWillTerminate);
    m_window = std::make_unique<MainWindow>();
    m_window->setCloseGuard([this] { return applicationShouldTerminate(); });
    m_menus = new MainMenus(*m_window);
    m_refreshTimer.setSingleShot(true);
    // A change from outside never re-reads the library under an open question.
    connect(&m_refreshTimer, &QTimer::timeout, this,
            [this] { ModalGate::whenNoQuestion(this, [this] { refresh(); }); });
    m_enableFSRefreshTimer.setSingleShot(true);
    connect(&m_enableFSRefreshTimer, &QTimer::timeout, this, &VellorinAppDelegate::enableFSRefresh);
}

VellorinAppDelegate::~VellorinAppDelegate()
{
    // Windows going away move the focus and change the active window: no command-state update or activation
    // handling may then reach the window and panes being destroyed; nor may a library load that ends now.
    disconnect(qApp, nullptr, this, nullptr);
    m_songs->setLoadedHandler({});
    m_commandState.reset();
    m_folderWatcher.reset();
    // MIDI and sharing stop first: nothing more is sent or chosen. The window and its panes go while the shared
    // objects still exist; then nobody may reach them.
    m_midi.reset();
    m_peerControl.reset();
    // The second display reads the song pane's transposition: it goes before the window that holds the pane.
    m_secondSongView.reset();
    m_window.reset();
    AppReviewManager::defaultManager().setDialogs(nullptr);
    AppContext::install(nullptr);
}

VellorinAppDelegate *VellorinAppDelegate::instance()
{
    return dynamic_cast<VellorinAppDelegate *>(AppContext::instance());
}

Chords *VellorinAppDelegate::chords()
{
    return m_prefs ? m_prefs->chords() : nullptr;
}

QImage VellorinAppDelegate::chordImage(const Chord &chord, const QSizeF &size)
{
    return ChordView::chordImage(chord, size);
}

void VellorinAppDelegate::applicationDidFinishLaunching()
{
    logVersion();
    restoreSongDirectory();
    setLibraryCategory(m_prefs->currentCategory());
    hidePlayTogetherUnlessPeersCanConnect();
    refreshPlaylists();
    makePaneControllers();
    initSplitView();
    m_window->showWithSavedGeometry();
    QTimer::singleShot(100, m_window.get(), [window = m_window.get()] { window->repaint(); });
    restoreCurrentSong();
    // After the song pane was asked to show the current song: the song is drawn before the list is filled.
    loadLibrary();
    refreshListPanes(LibraryRead::JustDone);
    if (!m_prefs->songDirectoryPath().isEmpty())
        startWatchingSongFolder();
    registerForDraggedFiles();
    connectCommands();
    if (m_prefs->songDirectoryPath().isEmpty())
        QTimer::singleShot(500, this, &VellorinAppDelegate::selectSongDir);
    m_startUpDone = true;
    setMenuStatesFromSettings();
    startUpdatingCommandStates();
    AppReviewManager::defaultManager().applicationDidFinishLaunching();
    AppReviewManager::defaultManager().showPromptIfNecessary();
    fixSplitView();
    if (m_prefs->midi())
        switchMidi(true);
}

void VellorinAppDelegate::logVersion() const
{
    Log::write(QStringLiteral("Vellorin %1 (%2) %3 %4")
                   .arg(QCoreApplication::applicationVersion(), QStringLiteral(VELLORIN_VERSION),
                        QSysInfo::kernelType(), QSysInfo::kernelVersion()));
}

void VellorinAppDelegate::restoreSongDirectory()
{
    // The stored folder is used only when it still is a folder the program may read; otherwise there is none,
    // and the user is asked for one.
    m_prefs->setSongDirectoryPath(QString());
    if (!UserDefaults::contains(songDirKey))
        return;
    const QString path = UserDefaults::value(songDirKey).toString();
    const QFileInfo folder(path);
    if (path.isEmpty() || !folder.exists()) {
        Log::write(QStringLiteral("Could not resolve security bookmark, %1")
                       .arg(path.isEmpty() ? QStringLiteral("(no path)") : path));
        return;
    }
    if (!folder.isDir() || !folder.isReadable() || !folder.isExecutable()) {
        Log::write(QStringLiteral("startAccessingSecurityScopedResource for %1 not successful").arg(path));
        return;
    }
    m_prefs->setSongDirectoryPath(folder.absoluteFilePath());
    m_prefs->initChordsForCurrentInstrument();
}

void VellorinAppDelegate::makePaneControllers()
{
    if (m_makePanes)
        m_panes = m_makePanes(*m_window);
    m_songViewViewController = new SongViewViewController(
        m_dialogs, [this] { return m_currentSong; }, std::make_unique<SongViewWidget>());
    m_songViewViewController->setCommands(this);
    m_songViewViewController->setToolWindows(m_toolWindows);
    connect(m_songViewViewController, &SongViewViewController::refreshed, this,
            &VellorinAppDelegate::refreshSecondDisplay);
    connectZoomControls();
}

void VellorinAppDelegate::connectZoomControls()
{
    SongViewViewController *pane = m_songViewViewController;
    QSlider *slider = m_window->zoomSlider();
    slider->setRange(int(SongViewViewController::minimumZoom * 100), int(SongViewViewController::maximumZoom * 100));
    slider->setValue(int(SongViewViewController::saneZoom(m_prefs->zoomScale()) * 100));
    connect(slider, &QSlider::valueChanged, this, [this](int percent) { zoomChanged(percent / 100.0f); });
    // The auto-zoom button is the menu item's, so the two always agree.
    QAction *autoZoom = m_menus->action(QStringLiteral("actAutoZoom"));
    autoZoom->setToolTip(tr("Fit the song into the window"));
    m_window->autoZoomButton()->setDefaultAction(autoZoom);
    connect(pane, &SongViewViewController::zoomScaleChanged, slider, [slider, autoZoom](float zoomScale) {
        const QSignalBlocker quietSlider(slider);
        slider->setValue(qRound(zoomScale * 100));
        autoZoom->setChecked(false);
    });
    connect(pane, &SongViewViewController::zoomShown, slider, [slider](float zoomScale) {
        const QSignalBlocker quietSlider(slider);
        slider->setValue(qRound(zoomScale * 100));
    });
    connect(m_window->zoomInButton(), &QToolButton::clicked, this, [this] { zoom(ZoomStep::In); });
    connect(m_window->zoomOutButton(), &QToolButton::clicked, this, [this] { zoom(ZoomStep::Out); });
}

void VellorinAppDelegate::restoreCurrentSong()
{
    const QString reference = m_prefs->currentSong().value_or(QString());
    if (reference.isEmpty() || m_prefs->songDirectoryPath().isEmpty())
        return;
    // Settings of earlier versions name the song only; a file changed since may hold another song now. Either
    // is found in the library once that is read.
    const SongPtr song = m_songs->readSongAhead(UserDefaults::value(currentSongPathKey).toString());
    if (song && song->titleSubtitleReference() == reference)
        showRestoredSong(song);
    else
        m_currentSongAwaitsLibrary = true;
}

void VellorinAppDelegate::restoreCurrentSongFromLibrary()
{
    const QString reference = m_prefs->currentSong().value_or(QString());
    if (!std::exchange(m_currentSongAwaitsLibrary, false) || m_currentSong || reference.isEmpty())
        return;
    if (const SongPtr song = librarySongForReference(reference))
        showRestoredSong(song);
}

void VellorinAppDelegate::showRestoredSong(const SongPtr &song)
{
    m_currentSong = song;
    m_currentSongText = Song::TextHold(song);
    m_isNormalSong = isTextSong(*song);
    // Settings of earlier versions gain the file, so the next start shows it at once.
    rememberCurrentSongPath(song);
    if (isSongViewVisible())
        QTimer::singleShot(0, m_songViewViewController, [pane = m_songViewViewController] { pane->refresh(); });
    if (m_panes.songEdit)
        m_panes.songEdit->refresh();
}

void VellorinAppDelegate::rememberCurrentSongPath(const SongPtr &song)
{
    if (song && !song->path().isEmpty())
        UserDefaults::setValue(currentSongPathKey, song->path());
    else
        UserDefaults::remove(currentSongPathKey);
}

void VellorinAppDelegate::libraryLoaded()
{
    restoreCurrentSongFromLibrary();
    refreshListPanes(LibraryRead::JustDone);
    // The tags pane takes its lists from the library as it refreshes, which saves the editor's changes first.
    if (m_prefs->showTags() && m_panes.tags && !canSave())
        m_panes.tags->refresh();
}

void VellorinAppDelegate::refreshListPanes(LibraryRead read)
{
    if (m_panes.songList) {
        if (read == LibraryRead::JustDone)
            m_panes.songList->showLibrary();
        else
            m_panes.songList->refresh();
    }
    if (m_prefs->showPlaylists() && m_panes.playlists)
        m_panes.playlists->refresh();
    updateCommandStates();
}

void VellorinAppDelegate::applicationWillBecomeActive()
{
    if (canSave() || !m_startUpDone)
        return;
    refreshListPanes();
}

bool VellorinAppDelegate::applicationShouldTerminate()
{
    if (!canSave() || m_quitWithoutSaving)
        return true;
    m_currentSong->refreshTitleSubtitle();
    if (const std::optional<bool> settled = settleChangeOnDisk(*m_currentSong))
        return *settled;
    if (saveCurrentSong()) {
        Log::write(QStringLiteral("Saved current song to %1").arg(m_currentSong->path()));
        refreshAfterSave();
        return true;
    }
    // The edits are still in the editor: the user may copy them elsewhere before quitting.
    Dialogs::Alert alert;
    alert.title = tr("The song %1 could not be saved.").arg(m_currentSong->title());
    alert.informativeText = tr("Your changes are still in the editor. Quitting now loses them.");
    alert.defaultButton = tr("Don't Quit");
    alert.alternateButton = tr("Quit Anyway");
    m_quitWithoutSaving = m_dialogs.runAlert(alert) == Dialogs::Answer::Alternate;
    return m_quitWithoutSaving;
}

void VellorinAppDelegate::applicationWillTerminate()
{
    if (canSave() && !m_quitWithoutSaving) {
        m_currentSong->refreshTitleSubtitle();
        if (m_currentSong->save())
            Log::write(QStringLiteral("Saved current song to %1").arg(m_currentSong->path()));
    }
    UserDefaults::synchronize();
}

bool VellorinAppDelegate::openFile(const QString &path)
{
    // A layout, settings or playlist file would otherwise be imported into the song folder as a new song.
    if (!Song::isChordProFile(path) && !Song::isTabFile(path) && !PDFSong::isPDF(path)) {
        Log::write(QStringLiteral("Not opening %1: it is no song file").arg(path));
        alertCannotRead(path);
        return false;
    }
    // Without a song folder there is nowhere to import the song to: it would be lost.
    if (m_prefs->songDirectoryPath().isEmpty()) {
        m_filesWaitingForSongFolder.append(path);
        return true;
    }
    QTimer::singleShot(1000, this, [this, path] { openSong(songForFile(path)); });
    return true;
}

void VellorinAppDelegate::alertCannotRead(const QString &path)
{
    Dialogs::Alert alert;
    alert.title = tr("The file %1 could not be read.").arg(FileName::displayName(QFileInfo(path).fileName()));
    alert.defaultButton = tr("OK");
    m_dialogs.runAlert(alert);
}

void VellorinAppDelegate::openFilesFromAnotherStart(const QStringList &paths)
{
    for (const QString &path : paths)
        openFile(path);
    if (!m_window)
        return;
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->raise();
    // Wayland lets no program take the focus itself; there the compositor marks the window instead.
    m_window->activateWindow();
}

void VellorinAppDelegate::openFilesWaitingForSongFolder()
{
    const QStringList paths = std::exchange(m_filesWaitingForSongFolder, {});
    for (const QString &path : paths)
        openFile(path);
}

bool VellorinAppDelegate::isTextSong(const Song &song)
{
    return !dynamic_cast<const PDFSong *>(&song) && !song.isNote();
}

SongPtr VellorinAppDelegate::songForFile(const QString &path)
{
    // A PDF is shown as its pages; read as song text it would become an empty song.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (PDFSong::isPDF(absolute))
        return std::make_shared<PDFSong>(absolute);
    return std::make_shared<Song>(absolute);
}

void VellorinAppDelegate::openSong(const SongPtr &song)
{
    // Whether the song lies in the library, or is imported into it, is known once the library is read.
    if (m_songs->isLoading()) {
        m_songs->whenLoaded(this, [this, song] { openSong(song); });
        return;
    }
    if (song->loadFailed() || !FilePath::isFile(song->path())) {
        alertCannotRead(song->path());
        return;
    }
    if (!saveCurrentSongInteractive(false))
        return;
    if (!libraryContainsPath(song->path()) && !importSong(song))
        return;
    song->refreshTitleSubtitle();
    if (libraryCategory()) {
        setLibraryCategory(std::nullopt);
        refreshLibrary();
    }
    m_prefs->setCurrentSong(song->titleSubtitleReference());
    m_prefs->setCurrentCategory(libraryCategory());
    m_prefs->save();
    setCurrentSong(song);
    if (m_panes.songList)
        m_panes.songList->refresh();
    if (m_panes.songEdit)
        m_panes.songEdit->refresh();
}

bool VellorinAppDelegate::importSong(const SongPtr &song)
{
    Log::write(QStringLiteral("Importing %1 into %2").arg(song->path(), m_prefs->songDirectoryPath()));
    const QString category = libraryCategory().value_or(QString());
    if (auto *pdf = dynamic_cast<PDFSong *>(song.get()))
        return importPdf(*pdf, category);
    song->setPath(QString());
    song->setCategory(category);
    if (song->save())
        return true;
    reportSaveFailure(*song);
    return false;
}

bool VellorinAppDelegate::importPdf(PDFSong &song, const QString &category)
{
    // A PDF song is never written as text: its file is copied instead.
    QDir folder(m_prefs->songDirectoryPath());
    if (!category.isEmpty())
        folder.setPath(folder.filePath(category));
    const QString target = folder.filePath(Song::uniqueNameForFile(QFileInfo(song.path()).fileName(), folder.path()));
    temporaryStopFSRefresh();
    QString error;
    if (!FilePath::makeFolders(folder.path(), &error) || !TextFile::copy(song.path(), target, &error)) {
        Log::write(QStringLiteral("Could not copy %1 to %2: %3").arg(song.path(), target, error));
        reportSaveFailure(song);
        return false;
    }
    song.setPath(target);
    song.setCategory(category);
    return true;
}
