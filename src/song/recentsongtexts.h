// The songs whose text, the same as their file's, stays in memory because it was used lately.
#pragma once

class Song;

// A library holds many songs but uses the texts of few: its list, order and search keep what they need of each
// song apart from the text. A song whose text is its file's joins this list when the text is read or used; the
// least recently used beyond kCapacity forget theirs and read it from their file again when asked (Song::text).
// A song with unsaved changes, without a file, or whose text is held on purpose is never listed. Main thread
// only, as songs are.
class RecentSongTexts
{
public:
    // Enough for the songs a person works with at once; a library holds the rest as its files.
    static constexpr int kCapacity = 64;

    // A song's place in the list, a member of every song.
    struct Links
    {
        Song *newer = nullptr;
        Song *older = nullptr;
        bool listed = false;
    };

    // The song's text was used now: it goes first, and the least recently used beyond the capacity forget theirs.
    static void use(Song &song);
    // The song leaves the list (its text changed, or it goes away); its text stays.
    static void leave(Song &song);
    // How many songs hold a text that their file also holds.
    static int count();
};
