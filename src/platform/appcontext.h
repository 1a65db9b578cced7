// The seam through which every part reaches the shared objects and the few services of the application above it.
#pragma once

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

#include <memory>

class Chord;
class Chords;
class PlayLists;
class Prefs;
class Song;
class Songs;

// The application delegate implements this and installs itself at start-up; tests install a small fake.
// Every accessor may answer nullptr (the object does not exist yet, or not in this test), and every
// service has a do-nothing default, so that a call on an absent optional service is simply skipped.
class AppContext
{
public:
    virtual ~AppContext();

    // The installed context; a do-nothing context while none is installed, never nullptr.
    static AppContext *instance();
    // Installs a context (nullptr restores the do-nothing one). The caller keeps ownership.
    static void install(AppContext *context);

    virtual Prefs *prefs() { return nullptr; }
    virtual Songs *songs() { return nullptr; }
    virtual Chords *chords() { return nullptr; }
    virtual PlayLists *playlists() { return nullptr; }

    // Pauses the reaction to song-folder changes for a few seconds, so the program's own writes
    // into the song folder do not trigger a library refresh.
    virtual void temporaryStopFSRefresh() {}

    // Tells the user, in one message, that a write they asked for failed and left the file on disk as it was:
    // what could not be saved ("The playlist \u201cGig\u201d") and why. The caller has logged it already.
    virtual void reportFailedWrite(const QString & /*what*/, const QString & /*why*/) {}
    // Tells the user, in one message, that moving files to the Trash, which they asked for, failed and left them
    // where they were: what stayed ("The song “Gig”") and why. The caller has logged it already.
    virtual void reportFailedTrash(const QString & /*what*/, const QString & /*why*/) {}

    // Hands the library's current songs, sorted, to the MIDI song selection after each library refresh;
    // skipped while MIDI is off.
    virtual void indexSongsForMidi(const QList<std::shared_ptr<Song>> & /*songs*/) {}

    // The diagram of a chord, titled, retuned for the current instrument, as an image of the given size in
    // points at one pixel per point; for the song exports, which cannot draw diagrams themselves.
    // A null image when no diagram can be drawn.
    virtual QImage chordImage(const Chord &chord, const QSizeF &size)
    {
        Q_UNUSED(chord);
        Q_UNUSED(size);
        return {};
    }
};
