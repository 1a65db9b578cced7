// The orders of song lists: the comparisons of Song, applied to whole lists without folding a title twice.
#pragma once

#include <QList>

#include <memory>

class Song;
using SongPtr = std::shared_ptr<Song>;

class SongOrder
{
public:
    // Song::compareTitle, compareSubtitle, compareKey, compareDate and compareTime.
    enum class Comparison { Title, Subtitle, Key, Date, Time };

    // The first order the settings turn on: subtitle, key, date, time; else title.
    static Comparison current();
    // Sorts as the comparison orders; songs the comparison finds equal keep their order.
    static void sort(QList<SongPtr> &songs, Comparison comparison);
};
