// Choosing songs by received MIDI: the trigger index, the best match, the recent events and the way a
// selection reaches the main thread.
#include "fakemidibackend.h"
#include "logcapture.h"
#include "midi.h"
#include "modalgate.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

const MidiPort keys = FakeMidiBackend::port(QStringLiteral("Keys"), QStringLiteral("Keys MIDI 1"), 20);
const MidiPort pedal = FakeMidiBackend::port(QStringLiteral("Pedal"), QStringLiteral("Pedal Port"), 24);

// A song folder, a controller listening to two fake sources, and the titles of the songs it showed.
class MidiSelection : public ::testing::Test
{
protected:
    MidiSelection() { makeController(); }

    // A new controller: no index, no recent events.
    void makeController()
    {
        midi.reset();
        auto backend = std::make_unique<FakeMidiBackend>();
        ports = backend.get();
        ports->setSources({keys, pedal});
        midi = std::make_unique<Midi>(std::move(backend), [this](const SongPtr &song) {
            shownSongs.append(song);
            shown.append(song->title());
        });
    }

    SongPtr writeSong(const QString &title, const QString &triggers)
    {
        const QString text = QStringLiteral("{title: %1}\n{midi-index: %2}\n[C]Words\n").arg(title, triggers);
        return std::make_shared<Song>(TestFiles::write(folder.filePath(title + QStringLiteral(".pro")), text.toUtf8()));
    }

    // Delivers messages from a source, then lets the main thread take the selection steps.
    void receive(const QStringList &hexMessages, const MidiPort &from = keys)
    {
        for (const QString &hex : hexMessages)
            EXPECT_TRUE(ports->receive(from.id, QByteArray::fromHex(hex.toLatin1())));
        QCoreApplication::processEvents();
    }

    QStringList recentTexts() const
    {
        QStringList texts;
        for (const MidiEvent &event : midi->lastMidiCommands())
            texts.append(event.toString());
        return texts;
    }

    QTemporaryDir folder;
    FakeMidiBackend *ports = nullptr;
    std::unique_ptr<Midi> midi;
    QList<SongPtr> shownSongs;
    QStringList shown;
};

} // namespace

TEST_F(MidiSelection, ShowsTheSongWhoseTriggersFitTheRecentEventsMostTightly)
{
    struct SongTriggers
    {
        QString title;
        QString triggers;
        bool indexed = true; // false: outside the current category, so not handed to the index
    };
    struct Case
    {
        const char *what;
        QList<SongTriggers> songs;
        QStringList received;
        QStringList shown;
    };
    const Case cases[] = {
        {"triggers in order, others between", {{"A", "PC1 PC2"}}, {"c001", "c009", "c002"}, {"A"}},
        {"triggers in the wrong order", {{"A", "PC1 PC2"}}, {"c002", "c001"}, {}},
        {"the shorter span wins", {{"A", "PC1 PC2"}, {"B", "PC2"}}, {"c001", "c002"}, {"B"}},
        {"span 2 beats span 3", {{"A", "PC3 PC2"}, {"B", "PC1 PC2"}}, {"c003", "c001", "c002"}, {"B"}},
        {"equal sequences: the first indexed", {{"A", "PC4"}, {"B", "PC4"}}, {"c004"}, {"A"}},
        {"a note-off chooses nothing, the program change after it does", {{"A", "PC5"}}, {"803c40", "c005"}, {"A"}},
        {"channel 1 written out is the first channel",
         {{"A", "PC5@1"}, {"B", "CC7.100@2"}},
         {"c005", "b10764"},
         {"A", "B"}},
        {"a song outside the indexed list", {{"A", "PC6", false}}, {"c006"}, {}},
        {"no triggers are never indexed", {{"A", ""}}, {"c000"}, {}},
    };
    for (const Case &c : cases) {
        makeController();
        QList<SongPtr> indexed;
        for (const SongTriggers &song : c.songs) {
            const SongPtr written = writeSong(song.title, song.triggers);
            if (song.indexed)
                indexed.append(written);
        }
        midi->indexSongs(indexed);
        shown.clear();
        receive(c.received);
        EXPECT_EQ(shown, c.shown) << c.what;
    }
}

TEST_F(MidiSelection, KeepsTheTenLatestEventsEachOnce)
{
    QStringList programChanges;
    for (int program = 0; program <= 10; ++program)
        programChanges.append(QStringLiteral("c0%1").arg(program, 2, 16, QLatin1Char('0')));
    receive(programChanges);
    EXPECT_EQ(recentTexts(), (QStringList{"PC10", "PC9", "PC8", "PC7", "PC6", "PC5", "PC4", "PC3", "PC2", "PC1"}));
    receive({"c005"});
    EXPECT_EQ(recentTexts(), (QStringList{"PC5", "PC10", "PC9", "PC8", "PC7", "PC6", "PC4", "PC3", "PC2", "PC1"}));
}

TEST_F(MidiSelection, IndexFollowsTheSongs)
{
    const SongPtr song = writeSong(QStringLiteral("A"), QStringLiteral("PC1"));
    midi->indexSong(*song);
    receive({"c001"});
    EXPECT_TRUE(shown.isEmpty()) << "no index before the first list of songs";

    midi->indexSongs({song});
    writeSong(QStringLiteral("A"), QStringLiteral("PC2")); // edited on disk after indexing
    receive({"c001"});
    EXPECT_TRUE(shown.isEmpty()) << "candidates are read afresh, and no longer end with PC1";
    midi->updateSong(Song(song->path()));
    receive({"c002"});
    EXPECT_EQ(shown, QStringList{"A"});

    midi->deleteSong(*song);
    receive({"c003", "c002"});
    EXPECT_EQ(shown, QStringList{"A"}) << "a deleted song is gone from the index";
}

TEST_F(MidiSelection, LogsWhatArrivesAndWhatItChooses)
{
    const SongPtr song = writeSong(QStringLiteral("Seven"), QStringLiteral("PC7@6"));
    midi->indexSongs({song});
    LogCapture log;
    receive({"c507"}, pedal);
    const QStringList lines = log.lines();
    ASSERT_EQ(lines.size(), 4) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith("Received Midi packet PC7@6 at "));
    EXPECT_TRUE(lines[0].endsWith(" from Pedal:Pedal Port"));
    EXPECT_EQ(lines[1], "MIDI Searching for song " + song->path() + " to match PC7@6");
    EXPECT_EQ(lines[2], "Found Seven");
    EXPECT_EQ(lines[3], "Selected song Seven");
}

TEST_F(MidiSelection, TwoSourcesFeedingAtOnce)
{
    midi->indexSongs({writeSong(QStringLiteral("A"), QStringLiteral("PC1"))});
    constexpr int messagesPerSource = 200;
    LogCapture log;
    const auto feed = [this](const MidiPort &from, const QByteArray &message) {
        for (int i = 0; i < messagesPerSource; ++i)
            ports->receive(from.id, message);
    };
    std::thread keysThread(feed, keys, QByteArray::fromHex("c001"));
    std::thread pedalThread(feed, pedal, QByteArray::fromHex("b04000"));
    keysThread.join();
    pedalThread.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(log.lines().filter("Received Midi packet").size(), 2 * messagesPerSource);
    EXPECT_EQ(shown.size(), messagesPerSource) << "every PC1 chooses the song, whatever came between";
    EXPECT_EQ(recentTexts().size(), 2);
}

TEST_F(MidiSelection, StepsWaitForAnOpenQuestion)
{
    midi->indexSongs({writeSong(QStringLiteral("A"), QStringLiteral("PC1"))});
    {
        const ModalGate::Question question;
        receive({"c001"});
        EXPECT_TRUE(shown.isEmpty());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringList{"A"});
}

TEST_F(MidiSelection, StepsQueuedBeforeTheControllerWentAreDropped)
{
    midi->indexSongs({writeSong(QStringLiteral("A"), QStringLiteral("PC1"))});
    EXPECT_TRUE(ports->receive(keys.id, QByteArray::fromHex("c001")));
    LogCapture log;
    midi.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(log.lines(), (QStringList{"Midi dealloc 0", "VXMidi dealloc"})) << "nobody else holds the layer";
}
