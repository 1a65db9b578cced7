// Reading a song file's text and scanning it, on whichever thread asks.
#include "songfilecontent.h"

#include "song.h"
#include "textfile.h"

SongFileContent SongFileContent::read(const QString &path, qint64 expectedSize)
{
    SongFileContent content;
    content.text = TextFile::readFromDisk(path, expectedSize, TextFile::LastResort::Latin1, &content.error);
    if (content.text) {
        content.metadata = SongMetadataScan(*content.text);
        content.key = Song::keyOfReadText(content.metadata, *content.text);
        content.tags = content.metadata.tags().values();
    }
    return content;
}

void SongFileContent::leaveTextToFile()
{
    // The key was worked out with the read, from a directive or the first chords; a title is not.
    if (!text || metadata.title().isEmpty())
        return; // the song takes its title from the text
    text.reset();
    textLeftToFile = true;
}
