// A song file's text as read from disk, with the metadata a library lists found in it.
#pragma once

#include "songmetadatascan.h"

#include <QString>
#include <QStringList>

#include <optional>

// Made from the file and the text alone, so any thread may read one: a library load reads its new files on
// several threads at once and makes their songs on the main thread.
struct SongFileContent
{
    // The file at path, expected to hold expectedSize bytes (-1: unknown), decoded as a song is.
    static SongFileContent read(const QString &path, qint64 expectedSize);

    // Drops the text when a song made from the content needs no more than the metadata and the key to be listed
    // (a title directive): it reads the text from its file when asked. A library load keeps few texts so.
    void leaveTextToFile();
    // The file was read, whether its text is still here or not.
    bool wasRead() const { return text || textLeftToFile; }

    std::optional<QString> text; // nothing when the file could not be read, or the text was left to it
    bool textLeftToFile = false;
    QString error; // why it could not be read
    SongMetadataScan metadata{QString()};
    // What a song takes from the text beside the metadata, worked out with the read so that whoever makes the song
    // (on the main thread) does not: its key (Song::keyOfReadText) and its tags, each once.
    QString key;
    QStringList tags;
};
