// The tags pane: the songs of the whole library that carry one chosen tag, or those that carry none, whose
// selected row is the current song; with the tag pop-up and the commands on the tagged songs.
#pragma once

#include "panecontrollers.h"
#include "selectionveto.h"
#include "song.h"

#include <QList>
#include <QString>
#include <QWidget>

class Clock;
class Dialogs;
class QAction;
class QComboBox;
class SongContextMenus;
class SongTableView;
class SongsTableModel;

class TagsViewController : public QWidget, public TagsPane
{
    Q_OBJECT

public:
    // Questions go through dialogs; the clock times the pause after a refused selection.
    TagsViewController(Dialogs &dialogs, Clock &clock, QWidget *parent = nullptr);
    ~TagsViewController() override;

    // --- TagsPane ---
    // Rebuilds the tag index and shows it: the pop-up with counts, the chosen tag's songs, the current song
    // selected while the tags list is shown. A stored tag that no longer exists falls back to the songs
    // without tags.
    void refresh() override;
    QWidget *widget() override { return this; }
    // Column widths, as the song list keeps them.
    void saveLayout(VellorinWindowLayout &layout) const override;
    void loadLayout(const VellorinWindowLayout &layout) override;
    QList<SongPtr> selectedSongs() const override;
    SongPtr nextSong() const override;
    SongPtr prevSong() const override;

    // Selects the row of the current song alone, or no row when the list does not hold it.
    void selectCurrentSong();

    // --- Actions ---
    // The pop-up's item at index was chosen; the choice is stored in the settings.
    void selectTag(int index);
    // A click on a column header: the library sorts by that column.
    void sortByColumn(int column);
    // Takes the chosen tag from the selected songs.
    void removeTag();
    // Moves the current song to the trash, after asking.
    void deleteSelectedSong();

    // The chosen tag; empty for the songs without tags.
    const QString &currentTag() const { return m_currentTag; }
    const QList<SongPtr> &songsForTag() const { return m_songsForTag; }
    QComboBox *tagsPopup() const { return m_tagsPopup; }
    SongTableView *songsTable() const { return m_songsTable; }
    SongsTableModel *model() const { return m_model; }
    SongContextMenus &menus() const { return *m_menus; }
    QAction *removeTagMenuItem() const { return m_removeTagMenuItem; }

private:
    void buildPane();
    void buildContextMenu();
    void fillPopupMenu();
    void fillSongs();
    void reloadRows();
    // Makes the row's song the current song.
    bool shouldSelectRow(int row);
    void fillMenusForSong(const Song &song);
    // After a tag was switched for the selected songs, or taken from them: the library reads their files again.
    void tagsChanged();

    Dialogs &m_dialogs;
    SelectionVeto m_veto;
    QComboBox *m_tagsPopup = nullptr;
    SongTableView *m_songsTable = nullptr;
    SongsTableModel *m_model = nullptr;
    SongContextMenus *m_menus = nullptr;
    QAction *m_removeTagMenuItem = nullptr;
    // The rows.
    QList<SongPtr> m_songsForTag;
    QString m_currentTag;
};
