// Settings with a guitar, a ukulele, a mandolin and a piano whose chord databases and song folder (holding the user
// chord file) live in the test's own folders, and the application faked around the chord windows.
#pragma once

#include "chord.h"
#include "fakeappcontext.h"
#include "fakechordwindowshost.h"
#include "prefs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class ChordWindowsFixture : public ::testing::Test
{
protected:
    // The context hands out the settings' chord library, which an instrument switch replaces.
    class Context : public FakeAppContext
    {
    public:
        Chords *chords() override { return prefsObject ? prefsObject->chords() : nullptr; }
    };

    static constexpr int x = Chord::muted;

    void SetUp() override;

    // Makes the instrument current and waits until its chord library is ready.
    void select(const char *title);
    static void waitUntilReady(Chords &chords);
    Chords &library() const { return *prefs->chords(); }
    QString userFile() const;
    QString readUserFile() const;
    // A chord of stored values (15 muted, -17 fret 15), the user's own unless said otherwise.
    static Chord chord(const QString &title, const Chord::Strings &strings, bool editable = true);
    // The fingerings of a name in the library, in display order.
    QList<Chord::Strings> fingerings(const QString &name) const;

    QTemporaryDir databases;
    QTemporaryDir songs;
    Context context;
    std::unique_ptr<Prefs> prefs;
    FakeChordWindowsHost host;
};
