// What a file given to the program (dropped on the window, or chosen to open) is, decided in one place.
#pragma once

#include <QString>

class FileKind
{
public:
    enum Kind {
        FontSettings, // "*.vellorinfontsettings", any case of the extension
        Layout,       // "*.vellorinlayout", any case of the extension
        Song,         // a song file of the text format (Song::isChordProFile)
        Pdf,          // a PDF, shown as a PDF song
        Text,         // any other file that reads as text
        Binary,       // any other file that is no text (or cannot be read); never imported as a song
    };

    static Kind of(const QString &path);
    // The file's first bytes are no text (TextFile::isBinary). A file that cannot be read counts as no text.
    static bool isBinary(const QString &path);
};
