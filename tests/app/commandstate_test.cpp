// When the menu commands may run: the rules by action, and the MIDI item's title.
#include "commandstate.h"

#include "mainmenus.h"

#include <QAction>
#include <QMainWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

using Inputs = CommandState::Inputs;

// A text song in C with linked audio, shown transposed, with the song pane, the editor and the song list shown, the editor's text
// focused and songs before and after the selected one: every rule holds.
Inputs allowingEverything()
{
    Inputs in;
    in.hasSong = true;
    in.hasMusic = true;
    in.isNormalSong = true;
    in.hasKey = true;
    in.transpose = 2;
    in.songViewVisible = true;
    in.songEditVisible = true;
    in.editorHasFocus = true;
    in.hasSongChords = true;
    in.canAutoScroll = true;
    in.autoScrollCanSave = true;
    in.hasNextSong = true;
    in.hasPrevSong = true;
    in.songListShown = true;
    in.canViewSort = true;
    in.canRestoreLayout = true;
    return in;
}

} // namespace

TEST(CommandState, EachRuleDisablesItsActionsWhenItsConditionFails)
{
    struct Case
    {
        const char *what;
        std::function<void(Inputs &)> change;
        QStringList disabled;
    };
    const QStringList transposing = {"actTransposeAllB", "actTransposeAllSharp", "actTransposeUp",
                                     "actTransposeDown", "actTransposeSave",     "actTransposeReset"};
    const QStringList inserting = {"actInsertChord", "actInsertComment",   "actInsertChorus",
                                   "actInsertTab",   "actInsertHighlight", "actInsertDefine",
                                   "actInsertKey",   "actInsertPause",     "actInsertNewPage",
                                   "actInsertGrid",  "actInsertImage",     "actConvertTabToChordpro"};
    const Case cases[] = {
        {"no song", [](Inputs &in) { in.hasSong = false; },
         transposing + QStringList{"actConvertToNNS", "actSetKey", "actDuplicate", "actLinkWithMusic", "actPlayMusic"}},
        {"a song without audio",
         [](Inputs &in) { in.hasMusic = false; },
         {"actSkipMusicForward", "actSkipMusicBackward"}},
        {"a PDF song or a playlist note", [](Inputs &in) { in.isNormalSong = false; },
         transposing + QStringList{"actSetKey", "actDuplicate", "actToggleTransposeToolbar"}},
        {"a PDF song under the transposition bar",
         [](Inputs &in) {
             in.isNormalSong = false;
             in.transposeToolbarShown = true;
         },
         transposing + QStringList{"actSetKey", "actDuplicate"}},
        {"a Nashville song", [](Inputs &in) { in.isNNS = true; }, transposing + QStringList{"actConvertToNNS"}},
        {"a song without a key", [](Inputs &in) { in.hasKey = false; }, {"actConvertToNNS"}},
        {"a transposition of 0", [](Inputs &in) { in.transpose = 0; }, {"actTransposeSave", "actTransposeReset"}},
        {"the editor without focus", [](Inputs &in) { in.editorHasFocus = false; }, inserting},
        {"the editor hidden", [](Inputs &in) { in.songEditVisible = false; }, inserting},
        {"a keyboard instrument",
         [](Inputs &in) { in.keyboardInstrument = true; },
         {"actShowSongChords", "actChordDiagrams"}},
        {"a song without chords",
         [](Inputs &in) { in.hasSongChords = false; },
         {"actShowSongChords", "actChordDiagrams"}},
        {"the song pane hidden",
         [](Inputs &in) { in.songViewVisible = false; },
         {"actShowSongChords", "actChordDiagrams", "actStartStopAutoScroll", "actAutoScrollSave"}},
        {"nothing left to scroll", [](Inputs &in) { in.canAutoScroll = false; }, {"actStartStopAutoScroll"}},
        {"the last song selected", [](Inputs &in) { in.hasNextSong = false; }, {"actNextSong"}},
        {"the first song selected", [](Inputs &in) { in.hasPrevSong = false; }, {"actPrevSong"}},
        {"the tags in the list pane",
         [](Inputs &in) { in.songListShown = false; },
         {"actDeleteSongs", "actChangeCategory"}},
        {"the playlists in the list pane",
         [](Inputs &in) {
             in.songListShown = false;
             in.canViewSort = false;
         },
         {"actDeleteSongs", "actChangeCategory", "actSortByTitle", "actSortBySubtitle", "actSortByKey",
          "actSortByDate"}},
        {"no layout kept", [](Inputs &in) { in.canRestoreLayout = false; }, {"actRestoreLayout"}},
    };
    QMainWindow window;
    const MainMenus menus(window);
    for (const Case &c : cases) {
        Inputs in = allowingEverything();
        c.change(in);
        for (const QAction *action : menus.actions()) {
            const QString name = action->objectName();
            // Its rule asks for a Nashville song, which the others do not want: it has a test of its own.
            if (name == QLatin1String("actConvertFromNNS"))
                continue;
            EXPECT_EQ(CommandState::isAllowed(name, in), !c.disabled.contains(name))
                << c.what << ": " << name.toStdString();
        }
    }
}

TEST(CommandState, NashvilleConversionGoesOneWayAtATime)
{
    Inputs in = allowingEverything();
    EXPECT_TRUE(CommandState::isAllowed(QStringLiteral("actConvertToNNS"), in));
    EXPECT_FALSE(CommandState::isAllowed(QStringLiteral("actConvertFromNNS"), in));
    in.isNNS = true;
    EXPECT_FALSE(CommandState::isAllowed(QStringLiteral("actConvertToNNS"), in));
    EXPECT_TRUE(CommandState::isAllowed(QStringLiteral("actConvertFromNNS"), in));
}

TEST(CommandState, TheMidiItemNamesTheConnectionsOnlyWhileMidiIsOn)
{
    Inputs in;
    in.midiConnections = QStringLiteral("Keystation");
    EXPECT_EQ(CommandState::midiTitle(in), QStringLiteral("MIDI")) << "devices are connected, MIDI is off";
    in.midiOn = true;
    EXPECT_EQ(CommandState::midiTitle(in), QStringLiteral("MIDI (Keystation)"));
    in.midiConnections.clear();
    EXPECT_EQ(CommandState::midiTitle(in), QStringLiteral("MIDI")) << "MIDI is on, no port is connected";
}

TEST(CommandState, UpdateEnablesOnlyActionsWithACommandWhoseRuleHolds)
{
    QMainWindow window;
    MainMenus menus(window);
    Inputs in = allowingEverything();
    in.midiOn = true;
    in.midiConnections = QStringLiteral("Pedal");
    CommandState state(menus, [&in] { return in; });
    menus.setCommand(QStringLiteral("actNextSong"), [] {});
    menus.setCommand(QStringLiteral("actShowHelp"), [] {});
    state.update();
    EXPECT_TRUE(menus.action(QStringLiteral("actNextSong"))->isEnabled());
    EXPECT_TRUE(menus.action(QStringLiteral("actShowHelp"))->isEnabled());
    EXPECT_FALSE(menus.action(QStringLiteral("actPrevSong"))->isEnabled()) << "no command yet";
    EXPECT_EQ(menus.action(QStringLiteral("actToggleMIDI"))->text(), QStringLiteral("MIDI (Pedal)"));

    in.hasNextSong = false;
    state.update();
    EXPECT_FALSE(menus.action(QStringLiteral("actNextSong"))->isEnabled());
}
