// The songs the song-view benchmarks lay out and draw.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct BenchSong
{
    QString name;
    QString text;
    // Lines of text, for the complexity fit.
    qsizetype lines = 0;
};

class BenchSongs
{
public:
    // The song files named, when any; otherwise songs of 250, 1,000 and 4,000 lines made by repeating the lines of
    // the corpus's long song, and the long song itself. Empty when there is nothing to read.
    static QList<BenchSong> songs(const QStringList &files);
    // The first lines of the text repeated over and over, cut at `lines` lines.
    static QString repeatedToLines(const QString &text, qsizetype lines);
};
