// A song file's text as read from disk, with the metadata a library lists found in it.
#pragma once

#include "songmetadatascan.h"

#include <QString>

#include <optional>

// Made from the file and the text alone, so any thread may read one: a library load reads its new files on
// several threads at once and makes their songs on the main thread.
struct SongFileContent
{
    // The file at path, expected to hold expectedSize bytes (-1: unknown), decoded as a song is.
    static SongFileContent read(const QString &path, qint64 expectedSize);

    std::optional<QString> text; // nothing when the file could not be read
    QString error;               // why it could not
    SongMetadataScan metadata{QString()};
};
