// What a print job is asked to print: each song with the key it prints in.
#pragma once

#include "song.h"

#include <QString>

#include <optional>

// The transposition a song prints with.
struct PrintKey
{
    // Semitones added to every chord.
    int transpose = 0;
    bool allChordsFlat = false;
    bool allChordsSharp = false;
    bool operator==(const PrintKey &) const = default;
};

// One song of a print job. A song listed twice (say, a playlist naming it in two keys) is two items.
struct PrintItem
{
    SongPtr song;
    // The key a playlist entry asks for; without one (or with an empty one) the song prints at minus its capo.
    std::optional<QString> playlistKey;
};

// The song the song pane shows and how: printing that song alone prints it as it is seen.
struct ShownSong
{
    SongPtr song;
    PrintKey key;
};
