// The main window's three panes side by side: the list pane (song list, tags or playlists), the song pane and the
// editor; which are shown, their widths and dividers, and the window layouts that size them.
#pragma once

#include "panecontrollers.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class Dialogs;
class Prefs;
class QAbstractButton;
class QButtonGroup;
class QSplitter;
class QWidget;
class VellorinWindowLayout;

class PaneSplitView : public QObject
{
    Q_OBJECT

public:
    enum Pane { ListPane = 0, SongViewPane = 1, SongEditPane = 2 };
    enum ListType { SongListType = 0, TagsType = 1, PlaylistsType = 2 };

    // What the split view asks of the application.
    struct Hooks
    {
        // Saves the editor's unsaved changes after asking; false when the user cancelled.
        std::function<bool()> saveEditedSong;
        std::function<void()> refreshSongView;
    };

    PaneSplitView(Prefs &prefs, Dialogs &dialogs, QObject *parent = nullptr);
    ~PaneSplitView() override;

    // The user-defaults keys of the remembered pane widths, in pane order.
    static const std::array<QString, 3> widthKeys;
    // The lowest position of the first divider and the narrowest a pane between two others may be.
    static constexpr int narrowPane = 100;
    // The narrowest the last of two panes may be.
    static constexpr int narrowLastPane = 200;

    // Fills the split view at launch: the list the settings ask for, the song pane and the editor, their
    // remembered widths, and only the panes the settings show. A list pane that is absent gets a placeholder.
    void initSplitView(const PaneControllers &panes, QWidget *songView, QWidget *editor, Hooks hooks);

    QSplitter *verticalSplitView() const { return m_splitView; }
    // The selectors for the main toolbar: which panes are shown, and which list the list pane shows.
    QWidget *viewSelector() const { return m_viewSelector; }
    QWidget *listTypeSelector() const { return m_listTypeSelector; }
    bool isSegmentSelected(Pane pane) const;
    void setSegmentSelected(Pane pane, bool selected);
    ListType selectedListType() const;

    bool isSongListVisible() const { return isShown(ListPane); }
    bool isSongViewVisible() const { return isShown(SongViewPane); }
    bool isSongEditVisible() const { return isShown(SongEditPane); }
    // The pane's view: for the list pane the view of the list it shows, whether shown or not.
    QWidget *paneView(Pane pane) const;

    // --- Commands ---
    // Shows the panes whose segments are selected (at least one). Hiding the editor first settles its unsaved
    // changes; when the user cancels that, the editor stays.
    void changeViewSelector();
    // Shows the list the list-type selector names (showing the list pane when it is hidden).
    void listTypeSelectionChanged();
    // Shows that list; hides the list pane when it already shows it.
    void showList(ListType type);
    void toggleSongView();
    void toggleSongEdit();
    // Sets the width of the shown pane, points.
    void setSplitViewColumn(Pane pane, int width);

    // --- Window layouts ---
    void savePaneWidths(VellorinWindowLayout &layout) const;
    // Sizes the shown panes from the layout's fractions; shows and hides nothing.
    void loadPaneWidths(const VellorinWindowLayout &layout);
    // The layout kept in the settings.
    void saveLayout();
    void restoreLayout();
    bool canRestoreLayout() const;
    // A layout file, saved where the user chooses (from the Desktop).
    void saveLayoutToFile();
    // Applies a layout file; an invalid one is ignored.
    void loadLayout(const QString &path);

Q_SIGNALS:
    // Panes were shown or hidden, or the list pane shows another list.
    void panesChanged();

private:
    QWidget *makeSelector(const QStringList &titles, bool exclusive, QButtonGroup *&group);
    QWidget *listView(ListType type) const;
    QWidget *shownListView() const;
    bool isShown(Pane pane) const;
    void showPane(Pane pane, bool show);
    // The panes' narrowest widths, which hold the dividers within their limits.
    void setSplitViewHoldingPriorities();
    void limitDividers();
    void rememberPaneWidths();
    double usableWidth() const;
    int shownPaneCount() const;
    void fillLayout(VellorinWindowLayout &layout) const;
    void applyLayout(const VellorinWindowLayout &layout);

    Prefs &m_prefs;
    Dialogs &m_dialogs;
    PaneControllers m_panes;
    Hooks m_hooks;
    QSplitter *m_splitView = nullptr;
    QWidget *m_viewSelector = nullptr;
    QWidget *m_listTypeSelector = nullptr;
    QButtonGroup *m_viewButtons = nullptr;
    QButtonGroup *m_listTypeButtons = nullptr;
    std::array<QWidget *, 3> m_listViews{};
    QWidget *m_songView = nullptr;
    QWidget *m_editor = nullptr;
};
