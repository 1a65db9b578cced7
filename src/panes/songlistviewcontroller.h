// The song list pane: the songs of the current category, searched and sorted, whose selected row is the
// current song; with the category pop-up, the song-folder button and the commands on the selected songs.
#pragma once

#include "panecontrollers.h"
#include "song.h"

#include <QDateTime>
#include <QList>
#include <QWidget>

#include <functional>

class Clock;
class Dialogs;
class QAction;
class QComboBox;
class QLineEdit;
class QToolButton;
class Prefs;
class SongTableView;
class Songs;
class SongsTableModel;
class VellorinWindowLayout;

class SongListViewController : public QWidget, public SongListPane
{
    Q_OBJECT

public:
    // Questions go through dialogs; the clock times the pause after a refused selection.
    explicit SongListViewController(Dialogs &dialogs, Clock &clock, QWidget *parent = nullptr);
    ~SongListViewController() override;

    // After a refused selection (the user cancelled saving), further selections are refused without asking
    // for this long.
    static constexpr qint64 refusedSelectionPauseMs = 2000;

    // --- SongListPane ---
    // Reads the library again and shows it: categories, rows, the current song selected.
    void refresh() override;
    // Asks for the song folder and switches the library to it.
    void selectSongDir() override;
    QWidget *widget() override { return this; }
    // Column widths as fractions of the table's width (Time 0 while hidden); nothing for a table of no width.
    void saveLayout(VellorinWindowLayout &layout) const override;
    // Applies the column widths; a Time width of 0 hides the Time column.
    void loadLayout(const VellorinWindowLayout &layout) override;

    // Selects the row of the current song alone, or no row when the list does not hold it.
    void selectCurrentSong() override;
    // The songs of the selected rows, in row order.
    QList<SongPtr> selectedSongs() const;
    // The song of the row after the last selected row / before the first; null at the ends or with none selected.
    SongPtr nextSong() const override;
    SongPtr prevSong() const override;
    void focusSearchField() override;

    // --- Actions ---
    // The search field changed: the rows are filtered, and the current song stays selected when it is among
    // them; else the first row becomes current, unless the editor holds unsaved changes.
    void search();
    void toggleIncludePDFSearch();
    // The category pop-up's item at index was chosen.
    void selectCategory(int index);
    // A click on a column header: the library sorts by that column.
    void sortByColumn(int column);
    // The row whose sorted field begins with the typed text, from startRow to endRow with wrap-around, made
    // the current song; -1 when none matches (always with the date order, which has no text to type).
    int typeSelect(int startRow, int endRow, const QString &typed);
    // Moves the selected songs to the trash, after asking.
    void deleteSelectedSongs() override;
    // Files the selected songs into a category the user types or picks.
    void changeCategoryOfSelectedSongs() override;

    // At the first launch, cancelling the song-folder question leaves nothing to show: the program ends.
    // Tests replace what ends it.
    void setQuitWithoutSongFolder(std::function<void()> quit) { m_quitWithoutSongFolder = std::move(quit); }

    SongTableView *songsTable() const { return m_songsTable; }
    QLineEdit *searchField() const { return m_searchField; }
    QComboBox *categoryPopupButton() const { return m_categoryPopupButton; }
    QToolButton *dirButton() const { return m_dirButton; }
    QAction *searchMenuIncludePDFs() const { return m_searchMenuIncludePDFs; }

private:
    void buildPane();
    void setupColumns();
    void fillCategoryPopup();
    void dropVanishedCategory();
    void setCategoryPopupTitle();
    void reloadRows();

    // Selection: every change the user makes passes the save question first.
    void userSelectionChanged();
    bool selectionShouldChange();
    // Makes the row's song the current song.
    bool shouldSelectRow(int row);
    void selectRowAlone(int row);
    int rowOfPath(const QString &path) const;

    // The selected rows, ascending.
    QList<int> selectedRows() const;

    // Song commands.
    void showRowInPlaceOfDeleted(int row);
    // Writes the song into the category's folder, then removes its old file; false (the song unchanged) when
    // the new file could not be written.
    bool refile(Song &song, const QString &category);
    void useSongFolder(const QString &songFolder);

    // The shared objects; nullptr while they do not exist.
    static Prefs *settings();
    static Songs *library();

    // Stand-in for what a later part brings: the context menus rebuilt for the chosen song.
    void rebuildSongMenus(const Song &song);

    Dialogs &m_dialogs;
    Clock &m_clock;
    QToolButton *m_dirButton = nullptr;
    QComboBox *m_categoryPopupButton = nullptr;
    QLineEdit *m_searchField = nullptr;
    QAction *m_searchMenuIncludePDFs = nullptr;
    SongTableView *m_songsTable = nullptr;
    SongsTableModel *m_model = nullptr;
    // When a selection was last refused because the user cancelled saving; invalid when none was.
    QDateTime m_lastSelection;
    // The program is selecting rows itself: no question, no new current song.
    bool m_selecting = false;
    std::function<void()> m_quitWithoutSongFolder;
};
