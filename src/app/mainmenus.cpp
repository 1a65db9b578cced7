#include "mainmenus.h"

#include "log.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

enum Flag { Plain = 0, Checkable = 1, EveryWindow = 2 };

// One row per menu entry, in menu order. A row whose name begins with "menu" opens a submenu of the menu named
// in its first column; "-" is a separator. Keys are written in Qt's portable form.
struct Entry
{
    const char *menu;
    const char *name;
    const char *title;
    const char *key = "";
    int flags = Plain;
};

const Entry entries[] = {
    {"", "menuFile", QT_TRANSLATE_NOOP("MainMenus", "&File")},
    {"menuFile", "actNewDocument", QT_TRANSLATE_NOOP("MainMenus", "New Song"), "Ctrl+N"},
    {"menuFile", "actOpenDocument", QT_TRANSLATE_NOOP("MainMenus", "Open…"), "Ctrl+O"},
    {"menuFile", "actSaveDocument", QT_TRANSLATE_NOOP("MainMenus", "Save"), "Ctrl+S"},
    {"menuFile", "actDuplicate", QT_TRANSLATE_NOOP("MainMenus", "Duplicate…")},
    {"menuFile", "-", ""},
    {"menuFile", "actSelectSongDir", QT_TRANSLATE_NOOP("MainMenus", "Song Folder…")},
    {"menuFile", "actSaveLayoutToFile", QT_TRANSLATE_NOOP("MainMenus", "Save Layout to File…")},
    {"menuFile", "-", ""},
    {"menuFile", "actPrintDocument", QT_TRANSLATE_NOOP("MainMenus", "Print…"), "Ctrl+P"},
    {"menuFile", "actRunPageLayout", QT_TRANSLATE_NOOP("MainMenus", "Page Setup…")},
    {"menuFile", "menuExport", QT_TRANSLATE_NOOP("MainMenus", "Export")},
    {"menuExport", "actExportRTF", QT_TRANSLATE_NOOP("MainMenus", "Rich Text (RTF)…")},
    {"menuExport", "actExportTab", QT_TRANSLATE_NOOP("MainMenus", "Tab Text…")},
    {"menuExport", "actExportHTML", QT_TRANSLATE_NOOP("MainMenus", "Web Pages (HTML)…")},
    {"menuExport", "actExportTXT", QT_TRANSLATE_NOOP("MainMenus", "Plain Text…")},
    {"menuFile", "-", ""},
    {"menuFile", "actQuit", QT_TRANSLATE_NOOP("MainMenus", "Quit"), "Ctrl+Q"},

    {"", "menuEdit", QT_TRANSLATE_NOOP("MainMenus", "&Edit")},
    {"menuEdit", "actUndo", QT_TRANSLATE_NOOP("MainMenus", "Undo"), "Ctrl+Z"},
    {"menuEdit", "actRedo", QT_TRANSLATE_NOOP("MainMenus", "Redo"), "Ctrl+Shift+Z"},
    {"menuEdit", "-", ""},
    {"menuEdit", "actCut", QT_TRANSLATE_NOOP("MainMenus", "Cut"), "Ctrl+X"},
    {"menuEdit", "actCopy", QT_TRANSLATE_NOOP("MainMenus", "Copy"), "Ctrl+C"},
    {"menuEdit", "actPaste", QT_TRANSLATE_NOOP("MainMenus", "Paste"), "Ctrl+V"},
    {"menuEdit", "actSelectAll", QT_TRANSLATE_NOOP("MainMenus", "Select All"), "Ctrl+A"},
    {"menuEdit", "-", ""},
    {"menuEdit", "actFind", QT_TRANSLATE_NOOP("MainMenus", "Find…"), "Ctrl+F"},
    {"menuEdit", "-", ""},
    {"menuEdit", "menuChordpro", QT_TRANSLATE_NOOP("MainMenus", "Chordpro")},
    {"menuChordpro", "actInsertChord", QT_TRANSLATE_NOOP("MainMenus", "Chord")},
    {"menuChordpro", "actInsertComment", QT_TRANSLATE_NOOP("MainMenus", "Comment")},
    {"menuChordpro", "actInsertChorus", QT_TRANSLATE_NOOP("MainMenus", "Chorus")},
    {"menuChordpro", "actInsertTab", QT_TRANSLATE_NOOP("MainMenus", "Tab")},
    {"menuChordpro", "actInsertHighlight", QT_TRANSLATE_NOOP("MainMenus", "Highlight")},
    {"menuChordpro", "actInsertDefine", QT_TRANSLATE_NOOP("MainMenus", "Chord Definition")},
    {"menuChordpro", "actInsertKey", QT_TRANSLATE_NOOP("MainMenus", "Key")},
    {"menuChordpro", "actInsertPause", QT_TRANSLATE_NOOP("MainMenus", "Pause")},
    {"menuChordpro", "actInsertNewPage", QT_TRANSLATE_NOOP("MainMenus", "New Page")},
    {"menuChordpro", "actInsertGrid", QT_TRANSLATE_NOOP("MainMenus", "Grid")},
    {"menuChordpro", "actInsertImage", QT_TRANSLATE_NOOP("MainMenus", "Image")},
    // Last of the submenu, with no separator before it, so that the editor's context menu offers it too.
    {"menuChordpro", "actConvertTabToChordpro", QT_TRANSLATE_NOOP("MainMenus", "Convert Tab to Chordpro")},

    {"", "menuView", QT_TRANSLATE_NOOP("MainMenus", "&View")},
    {"menuView", "actShowSongList", QT_TRANSLATE_NOOP("MainMenus", "Song List")},
    {"menuView", "actShowTags", QT_TRANSLATE_NOOP("MainMenus", "Tags")},
    {"menuView", "actShowPlaylists", QT_TRANSLATE_NOOP("MainMenus", "Playlists")},
    {"menuView", "actShowSongView", QT_TRANSLATE_NOOP("MainMenus", "Song View")},
    {"menuView", "actShowSongEdit", QT_TRANSLATE_NOOP("MainMenus", "Song Editor")},
    {"menuView", "-", ""},
    {"menuView", "actSaveLayout", QT_TRANSLATE_NOOP("MainMenus", "Save Layout")},
    {"menuView", "actRestoreLayout", QT_TRANSLATE_NOOP("MainMenus", "Restore Layout")},
    {"menuView", "-", ""},
    {"menuView", "actZoomIn", QT_TRANSLATE_NOOP("MainMenus", "Zoom In"), "Ctrl++", EveryWindow},
    {"menuView", "actZoomOut", QT_TRANSLATE_NOOP("MainMenus", "Zoom Out"), "Ctrl+-", EveryWindow},
    {"menuView", "actResetZoom", QT_TRANSLATE_NOOP("MainMenus", "Actual Size"), "Ctrl+0", EveryWindow},
    {"menuView", "actAutoZoom", QT_TRANSLATE_NOOP("MainMenus", "Auto Zoom"), "", Checkable},
    {"menuView", "-", ""},
    {"menuView", "actInlineChords", QT_TRANSLATE_NOOP("MainMenus", "Chords Inline"), "", Checkable},
    {"menuView", "actChordDiagrams", QT_TRANSLATE_NOOP("MainMenus", "Chord Diagrams"), "", Checkable},
    {"menuView", "actNoChords", QT_TRANSLATE_NOOP("MainMenus", "Lyrics Only"), "", Checkable},
    {"menuView", "actShowTitle", QT_TRANSLATE_NOOP("MainMenus", "Title and Subtitle"), "", Checkable},
    {"menuView", "actTitleCentered", QT_TRANSLATE_NOOP("MainMenus", "Centred Title"), "", Checkable},
    {"menuView", "actCenterNarrowSongs", QT_TRANSLATE_NOOP("MainMenus", "Centre Narrow Songs"), "", Checkable},
    {"menuView", "actShowTimeColumn", QT_TRANSLATE_NOOP("MainMenus", "Time Column"), "", Checkable},
    {"menuView", "actEditWithFixedFont", QT_TRANSLATE_NOOP("MainMenus", "Edit with Fixed-Width Font"), "", Checkable},
    {"menuView", "-", ""},
    {"menuView", "actShowSongChords", QT_TRANSLATE_NOOP("MainMenus", "Chord Pane"), "", Checkable},
    {"menuView", "actSongChordsAtRight", QT_TRANSLATE_NOOP("MainMenus", "Chord Pane at Right"), "", Checkable},
    {"menuView", "-", ""},
    {"menuView", "actShowSecondarySongView", QT_TRANSLATE_NOOP("MainMenus", "Second Display")},
    {"menuView", "actSecondaryAutoZoom", QT_TRANSLATE_NOOP("MainMenus", "Auto Zoom on Second Display"), "", Checkable},
    {"menuView", "actSecondaryNoChords", QT_TRANSLATE_NOOP("MainMenus", "Lyrics Only on Second Display"), "",
     Checkable},

    {"", "menuSong", QT_TRANSLATE_NOOP("MainMenus", "&Song")},
    {"menuSong", "actNextSong", QT_TRANSLATE_NOOP("MainMenus", "Next Song"), "Ctrl+Down"},
    {"menuSong", "actPrevSong", QT_TRANSLATE_NOOP("MainMenus", "Previous Song"), "Ctrl+Up"},
    {"menuSong", "-", ""},
    {"menuSong", "actToggleTransposeToolbar", QT_TRANSLATE_NOOP("MainMenus", "Transposition Bar")},
    {"menuSong", "actTransposeUp", QT_TRANSLATE_NOOP("MainMenus", "Transpose Up")},
    {"menuSong", "actTransposeDown", QT_TRANSLATE_NOOP("MainMenus", "Transpose Down")},
    {"menuSong", "actTransposeAllSharp", QT_TRANSLATE_NOOP("MainMenus", "All Chords Sharp")},
    {"menuSong", "actTransposeAllB", QT_TRANSLATE_NOOP("MainMenus", "All Chords Flat")},
    {"menuSong", "actTransposeSave", QT_TRANSLATE_NOOP("MainMenus", "Save Transposition")},
    {"menuSong", "actTransposeReset", QT_TRANSLATE_NOOP("MainMenus", "Reset Transposition")},
    {"menuSong", "actSetKey", QT_TRANSLATE_NOOP("MainMenus", "Key…")},
    {"menuSong", "actConvertToNNS", QT_TRANSLATE_NOOP("MainMenus", "Convert to Nashville Numbers")},
    {"menuSong", "actConvertFromNNS", QT_TRANSLATE_NOOP("MainMenus", "Convert from Nashville Numbers")},
    {"menuSong", "-", ""},
    {"menuSong", "actToggleAutoScrollToolbar", QT_TRANSLATE_NOOP("MainMenus", "Auto-Scroll Bar")},
    {"menuSong", "actStartStopAutoScroll", QT_TRANSLATE_NOOP("MainMenus", "Start or Stop Auto-Scroll")},
    {"menuSong", "actAutoScrollFaster", QT_TRANSLATE_NOOP("MainMenus", "Scroll Faster")},
    {"menuSong", "actAutoScrollSlower", QT_TRANSLATE_NOOP("MainMenus", "Scroll Slower")},
    {"menuSong", "actAutoScrollSave", QT_TRANSLATE_NOOP("MainMenus", "Save Auto-Scroll Time")},
    {"menuSong", "actStartMusicWithAutoScroll", QT_TRANSLATE_NOOP("MainMenus", "Start Audio with Auto-Scroll"), "",
     Checkable},
    {"menuSong", "-", ""},
    {"menuSong", "actToggleMetronome", QT_TRANSLATE_NOOP("MainMenus", "Metronome Bar")},
    {"menuSong", "actStartStopMetronome", QT_TRANSLATE_NOOP("MainMenus", "Start or Stop Metronome")},
    {"menuSong", "-", ""},
    {"menuSong", "actLinkWithMusic", QT_TRANSLATE_NOOP("MainMenus", "Link Audio File…")},
    {"menuSong", "actPlayMusic", QT_TRANSLATE_NOOP("MainMenus", "Play or Stop Audio")},
    {"menuSong", "actSkipMusicForward", QT_TRANSLATE_NOOP("MainMenus", "Audio Forward")},
    {"menuSong", "actSkipMusicBackward", QT_TRANSLATE_NOOP("MainMenus", "Audio Back")},
    {"menuSong", "-", ""},
    {"menuSong", "actDeleteSongs", QT_TRANSLATE_NOOP("MainMenus", "Delete…")},
    {"menuSong", "actChangeCategory", QT_TRANSLATE_NOOP("MainMenus", "Change Category…")},
    {"menuSong", "-", ""},
    {"menuSong", "menuSort", QT_TRANSLATE_NOOP("MainMenus", "Sort By")},
    {"menuSort", "actSortByTitle", QT_TRANSLATE_NOOP("MainMenus", "Title")},
    {"menuSort", "actSortBySubtitle", QT_TRANSLATE_NOOP("MainMenus", "Subtitle")},
    {"menuSort", "actSortByKey", QT_TRANSLATE_NOOP("MainMenus", "Key")},
    {"menuSort", "actSortByDate", QT_TRANSLATE_NOOP("MainMenus", "Date")},

    {"", "menuTools", QT_TRANSLATE_NOOP("MainMenus", "&Tools")},
    {"menuTools", "actToggleMIDI", QT_TRANSLATE_NOOP("MainMenus", "MIDI"), "", Checkable},
    {"menuTools", "actTogglePlayTogether", QT_TRANSLATE_NOOP("MainMenus", "Nearby Sharing"), "", Checkable},
    {"menuTools", "-", ""},
    {"menuTools", "actShowChords", QT_TRANSLATE_NOOP("MainMenus", "Chord Library")},
    {"menuTools", "actShowPreferences", QT_TRANSLATE_NOOP("MainMenus", "Preferences…"), "Ctrl+,"},

    {"", "menuHelp", QT_TRANSLATE_NOOP("MainMenus", "&Help")},
    {"menuHelp", "actShowHelp", QT_TRANSLATE_NOOP("MainMenus", "Vellorin Help"), "F1"},
    {"menuHelp", "actChordproFormatHelp", QT_TRANSLATE_NOOP("MainMenus", "The Chordpro Format")},
    {"menuHelp", "actSampleSong", QT_TRANSLATE_NOOP("MainMenus", "Sample Song")},
    {"menuHelp", "-", ""},
    {"menuHelp", "actContact", QT_TRANSLATE_NOOP("MainMenus", "Contact…")},
};

// The Chordpro submenu's items in the order of their template numbers, 1 to 11.
const char *const insertItems[] = {"actInsertChord",     "actInsertComment", "actInsertChorus", "actInsertTab",
                                   "actInsertHighlight", "actInsertDefine",  "actInsertKey",    "actInsertPause",
                                   "actInsertNewPage",   "actInsertGrid",    "actInsertImage"};

const char *const commandProperty = "vellorinHasCommand";

QKeySequence shortcut(const Entry &entry)
{
    return QKeySequence(QString::fromLatin1(entry.key), QKeySequence::PortableText);
}

QKeySequence tableShortcut(const char *name)
{
    for (const Entry &entry : entries) {
        if (qstrcmp(entry.name, name) == 0)
            return shortcut(entry);
    }
    return {};
}

} // namespace

MainMenus::MainMenus(QMainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    for (const Entry &entry : entries) {
        const QString name = QString::fromLatin1(entry.name);
        QMenu *parent = m_menus.value(QString::fromLatin1(entry.menu));
        if (name == QLatin1String("-")) {
            parent->addSeparator();
            continue;
        }
        const QString title = tr(entry.title);
        if (name.startsWith(QLatin1String("menu"))) {
            addMenu(parent, name, title);
            continue;
        }
        auto *action = new QAction(title, parent);
        action->setObjectName(name);
        action->setShortcut(shortcut(entry));
        action->setCheckable(entry.flags & Checkable);
        // The zoom keys also reach the second display while that window is the active one.
        if (entry.flags & EveryWindow)
            action->setShortcutContext(Qt::ApplicationShortcut);
        action->setEnabled(false);
        parent->addAction(action);
        m_actions.append(action);
        m_byName.insert(name, action);
    }
    for (int tag = 1; tag <= int(std::size(insertItems)); ++tag)
        m_byName.value(QString::fromLatin1(insertItems[tag - 1]))->setData(tag);
}

QMenu *MainMenus::addMenu(QMenu *parent, const QString &name, const QString &title)
{
    QMenu *menu = parent ? parent->addMenu(title) : m_window.menuBar()->addMenu(title);
    menu->setObjectName(name);
    connect(menu, &QMenu::aboutToShow, this, &MainMenus::aboutToShowMenu);
    m_menus.insert(name, menu);
    return menu;
}

QAction *MainMenus::action(const QString &name) const
{
    QAction *action = m_byName.value(name);
    if (!action)
        Log::write(QStringLiteral("No menu item %1").arg(name));
    return action;
}

QMenu *MainMenus::menu(const QString &name) const
{
    return m_menus.value(name);
}

void MainMenus::setCommand(const QString &name, std::function<void()> command)
{
    QAction *item = action(name);
    if (!item)
        return;
    item->setProperty(commandProperty, true);
    connect(item, &QAction::triggered, this, [command = std::move(command)] { command(); });
    item->setEnabled(true);
}

bool MainMenus::hasCommand(const QAction *action) const
{
    return action->property(commandProperty).toBool();
}

void MainMenus::setSongStepKeysEnabled(bool enabled)
{
    for (const char *name : {"actNextSong", "actPrevSong"})
        m_byName.value(QString::fromLatin1(name))->setShortcut(enabled ? tableShortcut(name) : QKeySequence());
}
