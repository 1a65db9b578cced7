// The columns of the song and playlist tables: their texts, shared by both table models, and sorting by them.
#pragma once

#include <QString>

class Prefs;
class Song;
class Songs;

class SongColumns
{
public:
    // The columns, in the order the tables show them.
    enum Column { Title = 0, Subtitle = 1, Key = 2, Time = 3, ColumnCount = 4 };

    // The title, followed by " ♫" when the song has a linked audio file.
    static QString title(const QString &title, const Song *song);
    // The chord name as the settings show chord names.
    static QString key(const QString &key);
    // "m:ss"; "" for 0.
    static QString playingTime(int seconds);
    // A click on a column's header: the settings' sort flags ask for that column's order (the title's for
    // any other column), the settings are saved and the library reads its songs in that order.
    static void sortBy(Prefs &prefs, Songs &songs, int column);
};
