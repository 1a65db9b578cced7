// Which menu commands may run now. Qt does not ask an item before it fires, and a disabled action's key does
// nothing, so the states are brought up to date whenever what they depend on may have changed.
#pragma once

#include <QString>

#include <functional>

class MainMenus;
class QAction;

class CommandState
{
public:
    // What the rules look at, gathered from the application at each update.
    struct Inputs
    {
        bool hasSong = false;
        // The song has a linked recording.
        bool hasMusic = false;
        // The song is neither a PDF song nor a playlist note: it has a text of its own to write and chords to
        // transpose.
        bool isNormalSong = false;
        // The song is written in Nashville numbers.
        bool isNNS = false;
        bool hasKey = false;
        // Semitones the song pane shows the song transposed by.
        int transpose = 0;
        bool songViewVisible = false;
        // The song pane shows its transposition bar.
        bool transposeToolbarShown = false;
        bool songEditVisible = false;
        // The editor's text has the keyboard focus.
        bool editorHasFocus = false;
        // The song pane has chords to show as diagrams.
        bool hasSongChords = false;
        bool keyboardInstrument = false;
        bool canAutoScroll = false;
        bool autoScrollCanSave = false;
        // The list the next and previous commands step through has a song after / before the selected one.
        bool hasNextSong = false;
        bool hasPrevSong = false;
        // The list pane shows the song list (the commands on selected songs act on its selection).
        bool songListShown = false;
        bool canViewSort = false;
        bool canRestoreLayout = false;
        bool midiOn = false;
        // The MIDI connections as the MIDI controller names them.
        QString midiConnections;
    };

    CommandState(MainMenus &menus, std::function<Inputs()> gather);

    // Enables every action that has its command and whose rule holds, and titles the MIDI item.
    void update();

    // The rule of the action of that name; true for actions without one.
    static bool isAllowed(const QString &actionName, const Inputs &inputs);
    static QString midiTitle(const Inputs &inputs);

private:
    MainMenus &m_menus;
    std::function<Inputs()> m_gather;
};
