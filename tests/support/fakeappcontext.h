// A stand-in for the application: tests set the shared objects they need and count the services called.
#pragma once

#include "appcontext.h"

#include <QList>
#include <QString>

#include <memory>
#include <utility>

class FakeAppContext : public AppContext
{
public:
    // Installs itself for its lifetime.
    FakeAppContext();
    ~FakeAppContext() override;

    Prefs *prefs() override { return prefsObject; }
    Songs *songs() override { return songsObject; }
    Chords *chords() override { return chordsObject; }
    PlayLists *playlists() override { return playlistsObject; }
    void temporaryStopFSRefresh() override { ++fsRefreshPauses; }
    void reportFailedWrite(const QString &what, const QString &why) override { failedWrites.append({what, why}); }
    void reportFailedTrash(const QString &what, const QString &why) override { failedTrashes.append({what, why}); }
    void indexSongsForMidi(const QList<std::shared_ptr<Song>> &songs) override
    {
        ++midiIndexings;
        midiIndexedSongs = songs;
    }
    // A plain grey image of the size asked for, counted.
    QImage chordImage(const Chord &chord, const QSizeF &size) override;

    Prefs *prefsObject = nullptr;
    Songs *songsObject = nullptr;
    Chords *chordsObject = nullptr;
    PlayLists *playlistsObject = nullptr;
    int fsRefreshPauses = 0;
    // Each failed write told to the user: what, and why.
    QList<std::pair<QString, QString>> failedWrites;
    // Each failed move to the Trash told to the user: what, and why.
    QList<std::pair<QString, QString>> failedTrashes;
    // Each song file whose other version was kept aside, with the path it was kept at.
    int midiIndexings = 0;
    QList<std::shared_ptr<Song>> midiIndexedSongs;
    int chordImagesMade = 0;
};
