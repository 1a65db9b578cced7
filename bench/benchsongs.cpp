// The songs the song-view benchmarks lay out and draw.
#include "benchsongs.h"

#include "corpus.h"
#include "textfile.h"

#include <QFileInfo>

namespace {

BenchSong songFromFile(const QString &path, const QString &name)
{
    const QString text = TextFile::read(path, TextFile::LastResort::Latin1).value_or(QString());
    return {name, text, text.count(u'\n') + 1};
}

} // namespace

QList<BenchSong> BenchSongs::songs(const QStringList &files)
{
    QList<BenchSong> songs;
    for (const QString &file : files)
        songs.append(songFromFile(file, QFileInfo(file).fileName()));
    if (!files.isEmpty())
        return songs;

    const QStringList longSongs = Corpus::list(QStringLiteral("long.list"));
    if (longSongs.isEmpty())
        return songs;
    const BenchSong longSong = songFromFile(longSongs.first(), QStringLiteral("long song"));
    if (longSong.text.isEmpty())
        return songs;
    for (qsizetype lines : {250, 1000, 4000})
        songs.append({QStringLiteral("%1 lines").arg(lines), repeatedToLines(longSong.text, lines), lines});
    songs.append(longSong);
    return songs;
}

QString BenchSongs::repeatedToLines(const QString &text, qsizetype lines)
{
    const QStringList source = text.split(u'\n');
    QStringList result;
    result.reserve(lines);
    while (result.size() < lines)
        result.append(source.at(result.size() % source.size()));
    return result.join(u'\n');
}
