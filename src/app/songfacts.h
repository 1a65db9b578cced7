// What the application asks about a song's kind and linked files, answered in one place for every caller.
#pragma once

#include <QString>

class Song;

class SongFacts
{
public:
    // A PDF file shown as a song.
    static bool isPdf(const Song &song);
    // A note between the songs of a playlist.
    static bool isNote(const Song &song);
    // Neither a PDF song nor a playlist note: a song of the text format, which may be transposed and saved.
    static bool isNormalSong(const Song &song);
    // The linked audio file when it exists; empty otherwise.
    static QString linkedAudio(const Song &song);
};
