// A free-text note between the songs of a playlist.
#pragma once

#include "song.h"

// The note's text is the song text; the title is always "Note". A note has no file of its own: it lives in
// its playlist's file as one line, "#" and the escaped text.
class NoteSong : public Song
{
public:
    // An empty note.
    NoteSong();
    // The note stored in a playlist line: one leading "#" dropped, the escapes undone.
    static std::shared_ptr<NoteSong> fromLineString(const QString &line);

    // The text escaped onto one line, without the leading "#".
    QString asLine() const;
    // The note's line in the playlist file: "#" and asLine().
    QString titleSubtitleReference() const override;
    QString titleSubtitleRefCondensed() const override;
    // The plain text on one line, for the playlist table.
    QString noteText() const;

    bool isNote() const override { return true; }
    bool isChordpro() const override { return true; }
    // The title stays "Note" whatever the text holds.
    void refreshTitleSubtitle() override {}
    // A note is written with its playlist, never on its own: logs and answers false.
    bool save() override;
};
