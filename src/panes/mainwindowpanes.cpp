#include "mainwindowpanes.h"

#include "doubleclicktextview.h"
#include "mainmenus.h"
#include "mainwindow.h"
#include "midi.h"
#include "panecontext.h"
#include "playlistsviewcontroller.h"
#include "songeditviewcontroller.h"
#include "songlistviewcontroller.h"
#include "songtableview.h"
#include "songviewviewcontroller.h"
#include "tagsviewcontroller.h"
#include "vellorinappdelegate.h"

namespace {

template <typename Call> void onApplication(Call call)
{
    if (VellorinAppDelegate *application = VellorinAppDelegate::instance())
        call(*application);
}

void connectEditor(SongEditViewController &editor)
{
    QObject::connect(&editor, &SongEditViewController::songTextChanged, &editor,
                     [] { onApplication([](VellorinAppDelegate &application) { application.songTextChanged(); }); });
    QObject::connect(&editor, &SongEditViewController::syncSongView, &editor, [](qsizetype characterIndex) {
        onApplication([=](VellorinAppDelegate &application) { application.scrollSongViewWithEditor(characterIndex); });
    });
    QObject::connect(editor.songTextView(), &DoubleClickTextView::focusChanged, &editor, [](bool hasFocus) {
        onApplication([=](VellorinAppDelegate &application) { application.setSongStepKeysEnabled(!hasFocus); });
    });
}

// Next and Previous Song follow each list's selection at once, so their keys never find them stale.
void connectSelectionToCommandStates(SongTableView *table)
{
    QObject::connect(table, &SongTableView::selectionDidChange, table, [] {
        onApplication([](VellorinAppDelegate &application) { application.updateCommandStates(); });
    });
}

SongEditViewController::Sources editorSources(Dialogs &dialogs)
{
    SongEditViewController::Sources sources;
    sources.dialogs = &dialogs;
    sources.transposeFavor = [] {
        const VellorinAppDelegate *application = VellorinAppDelegate::instance();
        return application && application->songViewViewController()
                   ? application->songViewViewController()->transposeFavor()
                   : QChar();
    };
    sources.lastMidiCommands = [] {
        const VellorinAppDelegate *application = VellorinAppDelegate::instance();
        return application && application->midi() ? application->midi()->lastMidiCommands() : QList<MidiEvent>();
    };
    sources.chordproMenu = []() -> QMenu * {
        const VellorinAppDelegate *application = VellorinAppDelegate::instance();
        return application && application->menus() ? application->menus()->menu(QStringLiteral("menuChordpro"))
                                                   : nullptr;
    };
    return sources;
}

} // namespace

PaneMaker MainWindowPanes::maker(Dialogs &dialogs, Clock &clock)
{
    return [&dialogs, &clock](MainWindow &) {
        auto *songList = new SongListViewController(dialogs, clock);
        auto *editor = new SongEditViewController(&PaneContext::currentSong, editorSources(dialogs));
        connectEditor(*editor);
        auto *playlists = new PlaylistsViewController(dialogs, clock);
        auto *tags = new TagsViewController(dialogs, clock);
        for (SongTableView *table : {songList->songsTable(), playlists->songsTable(), tags->songsTable()})
            connectSelectionToCommandStates(table);
        PaneControllers panes;
        panes.songList = songList;
        panes.songEdit = editor;
        panes.playlists = playlists;
        panes.tags = tags;
        return panes;
    };
}
