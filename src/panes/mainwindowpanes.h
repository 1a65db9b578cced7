// The panes of the main window beside the song pane, made at launch and connected to the application.
#pragma once

#include "panecontrollers.h"

class Clock;
class Dialogs;

class MainWindowPanes
{
public:
    // Makes the song list, the editor, the playlists and the tags pane (the window owns them) and connects the
    // editor to the song pane. Questions go through dialogs.
    static PaneMaker maker(Dialogs &dialogs, Clock &clock);
};
