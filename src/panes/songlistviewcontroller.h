// The song list pane: the songs of the current category, searched and sorted, whose selected row is the
// current song; with the category pop-up, the song-folder button and the commands on the selected songs.
#pragma once

#include "panecontrollers.h"
#include "selectionveto.h"
#include "song.h"

#include <QList>
#include <QWidget>

#include <functional>

class Clock;
class Dialogs;
class QAction;
class QMenu;
class QComboBox;
class QLineEdit;
class QToolButton;
class Prefs;
class SongContextMenus;
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

    // --- SongListPane ---
    // Reads the library again and shows it: categories, rows, the current song selected.
    void refresh() override;
    // Shows the library as it stands: categories, rows, the current song selected.
    void showLibrary() override;
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
    QList<SongPtr> selectedSongs() const override;
    // At least one selected song can carry tags (none is, without a selection). Logged whenever it is read.
    bool enableTags() const;
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
    SongContextMenus &menus() const { return *m_menus; }
    // The context menu's item showing the file date of the song chosen last.
    QAction *dateMenuItem() const { return m_dateMenuItem; }
    QLineEdit *searchField() const { return m_searchField; }
    QComboBox *categoryPopupButton() const { return m_categoryPopupButton; }
    QToolButton *dirButton() const { return m_dirButton; }
    QAction *searchMenuIncludePDFs() const { return m_searchMenuIncludePDFs; }

Q_SIGNALS:
    // enableTags() may answer otherwise: after every change of the table's selection.
    void enableTagsChanged();

private:
    void buildPane();
    void buildContextMenu();
    void setupColumns();
    void fillCategoryPopup();
    void dropVanishedCategory();
    void setCategoryPopupTitle();
    void reloadRows();

    // Makes the row's song the current song.
    bool shouldSelectRow(int row);
    // The context menu follows the song chosen: its submenus and its file date.
    void fillMenusForSong(const Song &song);
    // After a tag was switched for these songs.
    void tagSwitched(const QString &tag, bool switchedOn, const QList<SongPtr> &songs);

    // Song commands.
    void showRowInPlaceOfDeleted(int row);
    // Writes the song into the category's folder, then removes its old file; false (the song unchanged) when
    // the new file could not be written.
    bool refile(Song &song, const QString &category);
    void useSongFolder(const QString &songFolder);

    // The shared objects; nullptr while they do not exist.
    static Prefs *settings();
    static Songs *library();
    // A library with a song folder to show; logged when there is none.
    static bool hasSongFolder();

    Dialogs &m_dialogs;
    SelectionVeto m_veto;
    QToolButton *m_dirButton = nullptr;
    QComboBox *m_categoryPopupButton = nullptr;
    QLineEdit *m_searchField = nullptr;
    QAction *m_searchMenuIncludePDFs = nullptr;
    SongTableView *m_songsTable = nullptr;
    SongsTableModel *m_model = nullptr;
    SongContextMenus *m_menus = nullptr;
    QAction *m_dateMenuItem = nullptr;
    std::function<void()> m_quitWithoutSongFolder;
};
