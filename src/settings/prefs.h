// Every user setting of the application, the settings archive "prefs.json" and the application's folders.
#pragma once

#include "chorddisplayoptions.h"
#include "fontprefs.h"
#include "instruments.h"
#include "vellorinwindowlayout.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>

class Chords;

// One shared object lives for the whole run (AppContext::prefs()); the preferences window and each print job
// make private ones. Whoever changes a setting of the shared object calls save() right after it.
class Prefs
{
public:
    // Every setting at its default.
    Prefs();
    Prefs(const Prefs &) = delete;
    Prefs &operator=(const Prefs &) = delete;
    ~Prefs();

    // Loads the settings archive, or makes defaults when there is none or it cannot be read (an unreadable
    // archive is first set aside as "prefs.json.bad"), makes the instrument list from the chord databases in
    // chordDatabaseFolder with the instrument currentInstrumentTitle names as the current one, and puts the
    // new-song template into the support folder unless the user already has one there. No chord library
    // is made here.
    static std::unique_ptr<Prefs>
    initFromFileSystem(const QString &chordDatabaseFolder = Instruments::defaultDatabaseFolder());
    // Writes the settings archive atomically; a failure is logged and answers false. The user is told the first
    // time it fails after a save that worked: settings are saved at every small change (a pane's size, the
    // zoom), which would otherwise bring one message after another.
    bool save() const;
    // A private copy of every setting, the unstored ones too, with font records of its own, for a print job:
    // changing the copy never changes this object. The instrument list and the chord library are not copied
    // (the copy has none); whoever needs the instrument asks the shared object.
    std::unique_ptr<Prefs> copy() const;

    // The support folder, made when missing.
    static QString appDirectory();
    // The user's documents folder.
    static QString docDirectory();
    // The song folder of the shared settings; empty while there are none.
    static QString songDirectory();
    // The new-song template in the support folder.
    static QString songTemplatePath();
    // <home>/Dropbox/Vellorin when that folder exists, else "Vellorin" in the documents folder.
    static QString defaultSongDirectory();

    // True for a missing colour, one with alpha at most 0.01, or one whose red, green and blue are each at
    // least 0.99.
    static bool isColorWhiteOrTransparent(const QColor &color);
    // For a private copy that prints on white paper: white or transparent text becomes black (the text font
    // always; chord, tab and comment fonts only when their background is white or transparent too).
    void adjustColorsForPrinting();

    // Shares the other object's five font records (the same records, not copies).
    void copyLayoutFromPrefs(const Prefs &other);
    // Writes the five font records as a font settings file (compact JSON); a failure is logged, answers false.
    bool exportFontPrefs(const QString &path) const;
    // Reads a font settings file into the five records in place; the records it names change, the others
    // stay. A failure is logged and answers false.
    bool importFontPrefs(const QString &path);

    // Archived settings, each under its own name as key unless said otherwise.

    // The song folder, as a path. Archived under "songDirectoryURL"; the legacy key "songDirectory" is read when that
    // is absent.
    const QString &songDirectoryPath() const { return m_songDirectoryPath; }
    void setSongDirectoryPath(const QString &value) { m_songDirectoryPath = value; }
    // The five font records, never null. They are shared: a change through the pointer changes the settings.
    // Lyrics and plain text.
    const std::shared_ptr<FontPrefs> &textfontprefs() const { return m_textfontprefs; }
    void setTextfontprefs(std::shared_ptr<FontPrefs> value) { m_textfontprefs = std::move(value); }
    // Chord names.
    const std::shared_ptr<FontPrefs> &chordfontprefs() const { return m_chordfontprefs; }
    void setChordfontprefs(std::shared_ptr<FontPrefs> value) { m_chordfontprefs = std::move(value); }
    // Tab sections and tab songs.
    const std::shared_ptr<FontPrefs> &tabfontprefs() const { return m_tabfontprefs; }
    void setTabfontprefs(std::shared_ptr<FontPrefs> value) { m_tabfontprefs = std::move(value); }
    // Comment lines.
    const std::shared_ptr<FontPrefs> &commentfontprefs() const { return m_commentfontprefs; }
    void setCommentfontprefs(std::shared_ptr<FontPrefs> value) { m_commentfontprefs = std::move(value); }
    // Highlighted passages.
    const std::shared_ptr<FontPrefs> &highlightfontprefs() const { return m_highlightfontprefs; }
    void setHighlightfontprefs(std::shared_ptr<FontPrefs> value) { m_highlightfontprefs = std::move(value); }
    float zoomScale() const { return m_zoomScale; }
    void setZoomScale(float value) { m_zoomScale = value; }
    const QString &currentInstrumentTitle() const { return m_currentInstrumentTitle; }
    void setCurrentInstrumentTitle(const QString &value) { m_currentInstrumentTitle = value; }
    const QString &lastInternetSearch() const { return m_lastInternetSearch; }
    void setLastInternetSearch(const QString &value) { m_lastInternetSearch = value; }
    bool autozoom() const { return m_autozoom; }
    void setAutozoom(bool value) { m_autozoom = value; }
    bool clickableChords() const { return m_clickableChords; }
    void setClickableChords(bool value) { m_clickableChords = value; }
    bool showTitleSubtitle() const { return m_showTitleSubtitle; }
    void setShowTitleSubtitle(bool value) { m_showTitleSubtitle = value; }
    bool invertSongChords() const { return m_invertSongChords; }
    void setInvertSongChords(bool value) { m_invertSongChords = value; }
    bool leftHandedChordDisplay() const { return m_leftHandedChordDisplay; }
    void setLeftHandedChordDisplay(bool value) { m_leftHandedChordDisplay = value; }
    // The chord naming and diagram order these settings ask for, for the chord rules.
    ChordDisplayOptions chordDisplayOptions() const;
    bool latinChords() const { return m_latinChords; }
    void setLatinChords(bool value) { m_latinChords = value; }
    bool germanChords() const { return m_germanChords; }
    void setGermanChords(bool value) { m_germanChords = value; }
    bool markBaseInChord() const { return m_markBaseInChord; }
    void setMarkBaseInChord(bool value) { m_markBaseInChord = value; }
    bool showChordDiagrams() const { return m_showChordDiagrams; }
    void setShowChordDiagrams(bool value) { m_showChordDiagrams = value; }
    bool largeChordDiagrams() const { return m_largeChordDiagrams; }
    void setLargeChordDiagrams(bool value) { m_largeChordDiagrams = value; }
    bool hideSongListTabbar() const { return m_hideSongListTabbar; }
    void setHideSongListTabbar(bool value) { m_hideSongListTabbar = value; }
    // Auto-scroll tempo for songs that give none.
    float tempo() const { return m_tempo; }
    void setTempo(float value) { m_tempo = value; }
    qint32 searchProvider() const { return m_searchProvider; }
    void setSearchProvider(qint32 value) { m_searchProvider = value; }
    // Beats per minute.
    float metronomeTempo() const { return m_metronomeTempo; }
    void setMetronomeTempo(float value) { m_metronomeTempo = value; }
    bool metronomeTick() const { return m_metronomeTick; }
    void setMetronomeTick(bool value) { m_metronomeTick = value; }
    bool metronomeFlash() const { return m_metronomeFlash; }
    void setMetronomeFlash(bool value) { m_metronomeFlash = value; }
    bool metronomeCountIn() const { return m_metronomeCountIn; }
    void setMetronomeCountIn(bool value) { m_metronomeCountIn = value; }
    const QColor &metronomeColor() const { return m_metronomeColor; }
    void setMetronomeColor(const QColor &value) { m_metronomeColor = value; }
    const QStringList &searchURLHistory() const { return m_searchURLHistory; }
    void setSearchURLHistory(const QStringList &value) { m_searchURLHistory = value; }
    // Sorting ignores a leading "The " or "A "; archived as "sortIgnoreAThe".
    bool sortIPodStyle() const { return m_sortIPodStyle; }
    void setSortIPodStyle(bool value) { m_sortIPodStyle = value; }
    bool sortPlaylistsByDate() const { return m_sortPlaylistsByDate; }
    void setSortPlaylistsByDate(bool value) { m_sortPlaylistsByDate = value; }
    bool sortbysubtitle() const { return m_sortbysubtitle; }
    void setSortbysubtitle(bool value) { m_sortbysubtitle = value; }
    bool sortbykey() const { return m_sortbykey; }
    void setSortbykey(bool value) { m_sortbykey = value; }
    bool editWithFixedFont() const { return m_editWithFixedFont; }
    void setEditWithFixedFont(bool value) { m_editWithFixedFont = value; }
    bool allowAutoCorrectInEditor() const { return m_allowAutoCorrectInEditor; }
    void setAllowAutoCorrectInEditor(bool value) { m_allowAutoCorrectInEditor = value; }
    bool showSongList() const { return m_showSongList; }
    void setShowSongList(bool value) { m_showSongList = value; }
    bool showSongView() const { return m_showSongView; }
    void setShowSongView(bool value) { m_showSongView = value; }
    bool showTimeColumn() const { return m_showTimeColumn; }
    void setShowTimeColumn(bool value) { m_showTimeColumn = value; }
    bool showSongEdit() const { return m_showSongEdit; }
    void setShowSongEdit(bool value) { m_showSongEdit = value; }
    // None = all songs, "" = songs outside any category, else a category name.
    const std::optional<QString> &currentCategory() const { return m_currentCategory; }
    void setCurrentCategory(const std::optional<QString> &value) { m_currentCategory = value; }
    const std::optional<QString> &currentTag() const { return m_currentTag; }
    void setCurrentTag(const std::optional<QString> &value) { m_currentTag = value; }
    // The title-subtitle reference of the song last shown.
    const std::optional<QString> &currentSong() const { return m_currentSong; }
    void setCurrentSong(const std::optional<QString> &value) { m_currentSong = value; }
    const std::optional<QString> &currentPlaylist() const { return m_currentPlaylist; }
    void setCurrentPlaylist(const std::optional<QString> &value) { m_currentPlaylist = value; }
    bool printChords() const { return m_printChords; }
    void setPrintChords(bool value) { m_printChords = value; }
    bool printMultiColumns() const { return m_printMultiColumns; }
    void setPrintMultiColumns(bool value) { m_printMultiColumns = value; }
    bool printAutoZoom() const { return m_printAutoZoom; }
    void setPrintAutoZoom(bool value) { m_printAutoZoom = value; }
    bool printOnlyDefinedChords() const { return m_printOnlyDefinedChords; }
    void setPrintOnlyDefinedChords(bool value) { m_printOnlyDefinedChords = value; }
    bool inlinechords() const { return m_inlinechords; }
    void setInlinechords(bool value) { m_inlinechords = value; }
    float zoomScaleSecondary() const { return m_zoomScaleSecondary; }
    void setZoomScaleSecondary(float value) { m_zoomScaleSecondary = value; }
    bool autozoomSecondary() const { return m_autozoomSecondary; }
    void setAutozoomSecondary(bool value) { m_autozoomSecondary = value; }
    // 0 bar, 1 indent, 2 shade.
    qint32 chorusMarker() const { return m_chorusMarker; }
    void setChorusMarker(qint32 value) { m_chorusMarker = value; }
    // Print margins in percent of the paper's width (left, right) or height (top, bottom).
    double leftPrintMargin() const { return m_leftPrintMargin; }
    void setLeftPrintMargin(double value) { m_leftPrintMargin = value; }
    double rightPrintMargin() const { return m_rightPrintMargin; }
    void setRightPrintMargin(double value) { m_rightPrintMargin = value; }
    double topPrintMargin() const { return m_topPrintMargin; }
    void setTopPrintMargin(double value) { m_topPrintMargin = value; }
    double bottomPrintMargin() const { return m_bottomPrintMargin; }
    void setBottomPrintMargin(double value) { m_bottomPrintMargin = value; }
    bool showSongChords() const { return m_showSongChords; }
    void setShowSongChords(bool value) { m_showSongChords = value; }
    bool songChordsAtRight() const { return m_songChordsAtRight; }
    void setSongChordsAtRight(bool value) { m_songChordsAtRight = value; }
    bool ignoreUpdates() const { return m_ignoreUpdates; }
    void setIgnoreUpdates(bool value) { m_ignoreUpdates = value; }
    bool sortbydate() const { return m_sortbydate; }
    void setSortbydate(bool value) { m_sortbydate = value; }
    bool sortbytime() const { return m_sortbytime; }
    void setSortbytime(bool value) { m_sortbytime = value; }
    bool leftAlignTitle() const { return m_leftAlignTitle; }
    void setLeftAlignTitle(bool value) { m_leftAlignTitle = value; }
    // Chord diagrams per printed row, 4 to 12; reading the archive puts anything else back to 8.
    qint64 numPrintChordsPerRow() const { return m_numPrintChordsPerRow; }
    void setNumPrintChordsPerRow(qint64 value) { m_numPrintChordsPerRow = value; }
    bool printChordsAtTop() const { return m_printChordsAtTop; }
    void setPrintChordsAtTop(bool value) { m_printChordsAtTop = value; }
    bool supportTabs() const { return m_supportTabs; }
    void setSupportTabs(bool value) { m_supportTabs = value; }
    bool supportPDF() const { return m_supportPDF; }
    void setSupportPDF(bool value) { m_supportPDF = value; }
    bool searchPDFs() const { return m_searchPDFs; }
    void setSearchPDFs(bool value) { m_searchPDFs = value; }
    // The user name for user-specific directives.
    const std::optional<QString> &currentUser() const { return m_currentUser; }
    void setCurrentUser(const std::optional<QString> &value) { m_currentUser = value; }
    bool centerNarrowSongs() const { return m_centerNarrowSongs; }
    void setCenterNarrowSongs(bool value) { m_centerNarrowSongs = value; }
    bool startMusicWithAutoScroll() const { return m_startMusicWithAutoScroll; }
    void setStartMusicWithAutoScroll(bool value) { m_startMusicWithAutoScroll = value; }
    // The remembered window layout, shared; none by default.
    const std::shared_ptr<VellorinWindowLayout> &layout() const { return m_layout; }
    void setLayout(std::shared_ptr<VellorinWindowLayout> value) { m_layout = std::move(value); }
    bool syncViewWithEditor() const { return m_syncViewWithEditor; }
    void setSyncViewWithEditor(bool value) { m_syncViewWithEditor = value; }
    bool midi() const { return m_midi; }
    void setMidi(bool value) { m_midi = value; }

    // Not archived: every object starts with these.

    // The instrument list; null until initFromFileSystem makes it.
    Instruments *instruments() const { return m_instruments.get(); }
    // The instrument list's current instrument; null without one.
    Instrument *currentInstrument() const;
    // Makes an instrument current, takes its title as currentInstrumentTitle and makes its chord library.
    // The caller saves.
    void selectInstrument(int index);
    // The same by title (blanks for "_", any case); an unknown title is logged, answers false and changes
    // nothing.
    bool selectInstrumentByTitle(const QString &title);
    // The chord library of the current instrument; null until initChordsForCurrentInstrument.
    Chords *chords() const { return m_chords.get(); }
    // Drops the chord library and makes a new one for the current instrument, its tuning and the song
    // folder's user chord file; it loads in the background and signals ready. Call it again after the
    // instrument or the song folder changed.
    void initChordsForCurrentInstrument();

    // Lyrics only: the main song view, printing and the exports leave the chords out.
    bool showlyricsonly() const { return m_showlyricsonly; }
    void setShowlyricsonly(bool value) { m_showlyricsonly = value; }
    bool showlyricsonlyOnSecondaryDisplay() const { return m_showlyricsonlyOnSecondaryDisplay; }
    void setShowlyricsonlyOnSecondaryDisplay(bool value) { m_showlyricsonlyOnSecondaryDisplay = value; }
    bool showchordsonly() const { return m_showchordsonly; }
    void setShowchordsonly(bool value) { m_showchordsonly = value; }
    bool showPlaylists() const { return m_showPlaylists; }
    void setShowPlaylists(bool value) { m_showPlaylists = value; }
    bool showTags() const { return m_showTags; }
    void setShowTags(bool value) { m_showTags = value; }
    // Playback speed of linked audio.
    double audioSpeedPercent() const { return m_audioSpeedPercent; }
    void setAudioSpeedPercent(double value) { m_audioSpeedPercent = value; }

private:
    friend class PrefsArchive;

    // After a selection: the current instrument's title is remembered and its chord library made.
    void instrumentSelected();
    // text, chord, tab, comment, highlight: the order of the font settings file.
    std::array<FontPrefs *, 5> fontRecords() const;

    QString m_songDirectoryPath;
    mutable bool m_saveFailureTold = false;
    std::shared_ptr<FontPrefs> m_textfontprefs;
    std::shared_ptr<FontPrefs> m_chordfontprefs;
    std::shared_ptr<FontPrefs> m_tabfontprefs;
    std::shared_ptr<FontPrefs> m_commentfontprefs;
    std::shared_ptr<FontPrefs> m_highlightfontprefs;
    float m_zoomScale = 1.0f;
    QString m_currentInstrumentTitle = QStringLiteral("Guitar");
    QString m_lastInternetSearch;
    bool m_autozoom = false;
    bool m_clickableChords = true;
    bool m_showTitleSubtitle = true;
    bool m_invertSongChords = true;
    bool m_leftHandedChordDisplay = false;
    bool m_latinChords = false;
    bool m_germanChords = false;
    bool m_markBaseInChord = false;
    bool m_showChordDiagrams = false;
    bool m_largeChordDiagrams = false;
    bool m_hideSongListTabbar = true;
    float m_tempo = 50.0f;
    qint32 m_searchProvider = 1;
    float m_metronomeTempo = 120.0f;
    bool m_metronomeTick = true;
    bool m_metronomeFlash = false;
    bool m_metronomeCountIn = false;
    QColor m_metronomeColor = QColor::fromRgbF(1.0f, 91.0f / 255.0f, 0.0f, 0.6f);
    QStringList m_searchURLHistory;
    bool m_sortIPodStyle = false;
    bool m_sortPlaylistsByDate = false;
    bool m_sortbysubtitle = false;
    bool m_sortbykey = false;
    bool m_editWithFixedFont = false;
    bool m_allowAutoCorrectInEditor = false;
    bool m_showSongList = true;
    bool m_showSongView = true;
    bool m_showTimeColumn = false;
    bool m_showSongEdit = true;
    std::optional<QString> m_currentCategory;
    std::optional<QString> m_currentTag;
    std::optional<QString> m_currentSong;
    std::optional<QString> m_currentPlaylist;
    bool m_printChords = true;
    bool m_printMultiColumns = true;
    bool m_printAutoZoom = false;
    bool m_printOnlyDefinedChords = false;
    bool m_inlinechords = false;
    float m_zoomScaleSecondary = 1.0f;
    bool m_autozoomSecondary = false;
    qint32 m_chorusMarker = 0;
    double m_leftPrintMargin = 5.0;
    double m_rightPrintMargin = 2.0;
    double m_topPrintMargin = 2.0;
    double m_bottomPrintMargin = 2.0;
    bool m_showSongChords = false;
    bool m_songChordsAtRight = false;
    bool m_ignoreUpdates = false;
    bool m_sortbydate = false;
    bool m_sortbytime = false;
    bool m_leftAlignTitle = false;
    qint64 m_numPrintChordsPerRow = 8;
    bool m_printChordsAtTop = false;
    bool m_supportTabs = true;
    bool m_supportPDF = true;
    bool m_searchPDFs = false;
    std::optional<QString> m_currentUser;
    bool m_centerNarrowSongs = true;
    bool m_startMusicWithAutoScroll = false;
    std::shared_ptr<VellorinWindowLayout> m_layout;
    bool m_syncViewWithEditor = false;
    bool m_midi = false;
    bool m_showlyricsonly = false;
    bool m_showlyricsonlyOnSecondaryDisplay = false;
    bool m_showchordsonly = false;
    bool m_showPlaylists = false;
    bool m_showTags = false;
    double m_audioSpeedPercent = 100.0;
    // The chord library holds on to its instrument, so it goes first.
    std::unique_ptr<Instruments> m_instruments;
    std::unique_ptr<Chords> m_chords;
};
