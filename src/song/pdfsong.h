// A PDF file of the song folder shown as a song: named by its file, searched by its text, never written.
#pragma once

#include "song.h"

class PDFSong : public Song
{
public:
    // Named after the file ("Hallelujah.pdf": title "Hallelujah", subtitle "PDF"); the file is not read.
    explicit PDFSong(const QString &path);
    // The same, for a file whose stamp the caller has just taken: the file is looked at only once.
    PDFSong(const QString &path, const FileStamp &stamp);

    // True for a PDF file (by extension, any case).
    static bool isPDF(const QString &path);

    // The file of the same name with the extension "mp3" beside it, when it exists.
    QString musicpath() const override;
    // The document's text for searching; empty for a document without text or that cannot be opened.
    QString plainText() const override;
    // The title comes from the file name only.
    void refreshTitleSubtitle() override {}
    // A PDF holds no song text: reloading refreshes the date and drops the cached search text.
    bool reloadFromDisk() override;
    // Never writes: a PDF song has no song text, and its file must not be written over. Logged; false.
    bool save() override;
    // "<file name> - PDF"; the condensed reference follows it.
    QString titleSubtitleReference() const override;

    // Moves the file into the category's folder (the song folder itself for ""), made when missing, under
    // its own name; an existing file there is never replaced. False (logged) when the move fails.
    // overwrite has no effect: it is the same operation's flag for songs of the text format.
    bool changeCategory(const QString &category, bool overwrite = false);

private:
    QString fileBaseName() const;
};
