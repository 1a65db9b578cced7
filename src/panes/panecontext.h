// The running application's current song and preferences, as every pane reaches them.
#pragma once

#include <memory>

class Prefs;
class Song;
using SongPtr = std::shared_ptr<Song>;

namespace PaneContext {

// The song the application shows, or none while it starts or ends.
SongPtr currentSong();
Prefs *settings();

} // namespace PaneContext
