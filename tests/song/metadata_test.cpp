// A song's metadata: title and references, capo, speed and playing time, metronome, zoom, key and order.
#include "song.h"

#include "fakeappcontext.h"
#include "prefs.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

class SongMetadata : public ::testing::Test
{
protected:
    void SetUp() override
    {
        prefs.setSongDirectoryPath(folder.path());
        context.prefsObject = &prefs;
    }

    // A song saved in its own file, so that its setters can write.
    SongPtr songWithText(const QString &text)
    {
        const QString path = folder.filePath(QStringLiteral("song%1.pro").arg(++count));
        return std::make_shared<Song>(TestFiles::write(path, text.toUtf8()));
    }
    static QString fileText(const Song &song) { return TestFiles::readText(song.path()); }

    QTemporaryDir folder;
    FakeAppContext context;
    Prefs prefs;
    int count = 0;
};

} // namespace

TEST_F(SongMetadata, TitleAndSubtitle)
{
    struct Case
    {
        const char *what;
        const char *text;
        const char *title;
        const char *subtitle;
    };
    const Case cases[] = {
        {"directives", "{title: Hey}\n{subtitle: Band}", "Hey", "Band"},
        {"short forms", "{t: Hey}\n{st: Band}", "Hey", "Band"},
        {"artist", "{title: Hey}\n{artist: Band}", "Hey", "Band"},
        {"subtitle before artist", "{title: Hey}\n{artist: A}\n{subtitle: S}", "Hey", "S"},
        {"tab song: its first two lines", "#Hey Jude {c: live}\n  The Band\nla la", "Hey Jude live", "The Band"},
        {"tab song with one line", "Only", "Only", ""},
        {"empty text of a file", "", "songN", ""},
    };
    for (const Case &c : cases) {
        const SongPtr song = songWithText(QString::fromUtf8(c.text));
        const QString title =
            QString::fromUtf8(c.title).replace(QLatin1String("songN"), QStringLiteral("song%1").arg(count));
        EXPECT_EQ(song->title(), title) << c.what;
        EXPECT_EQ(song->subtitle(), QString::fromUtf8(c.subtitle)) << c.what;
    }
}

TEST_F(SongMetadata, TitleWithoutTabSupport)
{
    prefs.setSupportTabs(false);
    const SongPtr song = songWithText(QStringLiteral("Blues in E\nla"));
    QFile::rename(song->path(), folder.filePath(QStringLiteral("Blues.pro")));
    song->setPath(folder.filePath(QStringLiteral("Blues.pro")));
    song->refreshTitleSubtitle();
    EXPECT_EQ(song->title(), QStringLiteral("Blues"));
    song->setPath(QString());
    song->refreshTitleSubtitle();
    EXPECT_EQ(song->title(), QStringLiteral("(No Title)"));
}

TEST_F(SongMetadata, NewSongsGetUniqueFilesInTheSongFolder)
{
    Song first;
    ASSERT_TRUE(first.save());
    EXPECT_EQ(first.path(), folder.filePath(QStringLiteral("Song.pro")));
    Song second;
    ASSERT_TRUE(second.save());
    EXPECT_EQ(second.path(), folder.filePath(QStringLiteral("Song1.pro")));

    Song named;
    named.setText(QStringLiteral("{title: My Song: Live}\n{subtitle: A/B}\n"));
    named.refreshTitleSubtitle();
    named.setCategory(QStringLiteral("Rock"));
    ASSERT_TRUE(named.save());
    EXPECT_EQ(named.path(), folder.filePath(QStringLiteral("Rock/My Song Live - AB.pro")));
    EXPECT_EQ(fileText(named), named.text());
}

TEST_F(SongMetadata, References)
{
    struct Case
    {
        const char *reference;
        const char *title;
        const char *subtitle;
        const char *condensed;
    };
    const Case cases[] = {
        {"Rock - Live - 2019", "Rock - Live", "2019", "RockLive2019"},
        {"Let It Be - Beatles", "Let It Be", "Beatles", "LetItBeBeatles"},
        {"Hallelujah - PDF", "Hallelujah", "PDF", "HallelujahPDF"},
        {"Tune - Jay::Z", "Tune", "Jay-Z", "TuneJayZ"},
        {"  Alone\t", "Alone", "", "Alone"},
        {"Dash-Title", "Dash-Title", "", "DashTitle"},
    };
    for (const Case &c : cases) {
        const SongPtr song = Song::fromTitleSubtitleReference(QString::fromUtf8(c.reference));
        EXPECT_EQ(song->title(), QString::fromUtf8(c.title)) << c.reference;
        EXPECT_EQ(song->subtitle(), QString::fromUtf8(c.subtitle)) << c.reference;
        EXPECT_EQ(song->titleSubtitleRefCondensed(), QString::fromUtf8(c.condensed)) << c.reference;
        EXPECT_EQ(song->text(), QStringLiteral("{title: }\n{subtitle: }\n"));
        EXPECT_TRUE(song->path().isEmpty());
    }
    const SongPtr song = Song::fromTitleSubtitleReference(QStringLiteral("A - B"));
    EXPECT_EQ(song->titleSubtitleReference(), QStringLiteral("A - B"));
    EXPECT_EQ(song->description(), QStringLiteral("A - B"));
    song->setSubtitle(QString());
    EXPECT_EQ(song->titleSubtitleReference(), QStringLiteral("A"));
}

TEST_F(SongMetadata, PlayingTimeAndTimeSignature)
{
    struct Case
    {
        const char *text;
        int playingTime;
        qint64 ticksPerBar;
    };
    const Case cases[] = {
        {"{time: 3/4}\n{time: 2:30}", 150, 3},
        {"{duration: 245}", 245, 0},
        {"{time: 1:05}\n{duration: 245}", 65, 0},
        {"{time: 6/8}\n{duration: 3:05:59}", 185, 6},
        {"{time 2:00}", 120, 0},
        {"{time: abc}", 0, 0},
        {"", 0, 0},
    };
    for (const Case &c : cases) {
        Song song;
        song.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(song.playingTime(), c.playingTime) << c.text;
        EXPECT_EQ(song.metronomeTicksPerBar(), c.ticksPerBar) << c.text;
    }
}

TEST_F(SongMetadata, SettingThePlayingTimeWritesWhereItIsRead)
{
    struct Case
    {
        const char *what;
        const char *text;
        qint64 seconds;
        const char *expected;
    };
    const Case cases[] = {
        {"the time signature stays", "{time: 3/4}\n{time: 2:30}", 200, "{time: 3/4}\n{time:3:20}"},
        {"duration alone", "{duration: 245}", 61, "{duration:1:01}"},
        // "time" is read before "duration", so "time" is what must change.
        {"time and duration", "{time: 1:05}\n{duration: 245}", 61, "{time:1:01}\n{duration: 245}"},
        {"neither", "{title: A}\nla", 5, "{title: A}\n{time: 0:05}\nla"},
        {"only a time signature", "{title: A}\n{time: 3/4}", 600, "{title: A}\n{time: 10:00}\n{time: 3/4}"},
    };
    for (const Case &c : cases) {
        const SongPtr song = songWithText(QString::fromUtf8(c.text));
        EXPECT_TRUE(song->setPlayingTime(c.seconds)) << c.what;
        EXPECT_EQ(song->text(), QString::fromUtf8(c.expected)) << c.what;
        EXPECT_EQ(fileText(*song), QString::fromUtf8(c.expected)) << c.what;
        EXPECT_EQ(song->playingTime(), c.seconds) << c.what;
    }
}

TEST_F(SongMetadata, SpeedAndPlayingTimeConvert)
{
    Song song;
    song.setText(QStringLiteral("{title: A}\n{pause: 10}\nla"));
    EXPECT_EQ(song.pauses(), QList<float>{10.0f});
    EXPECT_EQ(song.playingTimeForTempo(50, 2000), 348); // 338.28 s of scrolling and the pause
    EXPECT_NEAR(song.pixPerMsForPlayingTime(348, 2000), 2000.0f / 338 / 1000, 1e-9);
    EXPECT_EQ(song.tempoForPlayingTime(348, 2000), 50); // 50.05
    // Not longer than the pauses: no scrolling at all.
    EXPECT_EQ(song.pixPerMsForPlayingTime(10, 2000), 0.0f);
    EXPECT_EQ(song.tempoForPlayingTime(10, 2000), -8); // -8.975 truncated
    EXPECT_EQ(song.pixPerMsForPlayingTime(348, 0), 0.0f);
}

TEST_F(SongMetadata, Pauses)
{
    Song song;
    song.setText(QStringLiteral("{pause: 2.5}\n{PAUSE:}\n{pause: x}\n{pause: 4}\n{pause: 7"));
    EXPECT_EQ(song.pauses(), (QList<float>{2.5f, 0.0f, 0.0f, 4.0f})); // an open one ends the list
}

TEST_F(SongMetadata, NumbersAreReadAlikeInEveryLocale)
{
    struct Case
    {
        const char *text;
        int tempo;
        float zoom;
        int metronome;
    };
    const Case cases[] = {
        {"{tempo: 40}\n{zoom: 1.25}\n{metronome: 96}", 40, 1.25f, 96},
        {"{tempo-mac: 45}\n{tempo: 40}\n{zoom-mac: 0.5}\n{zoom: 2}", 45, 0.5f, 0},
        {"{tempo-mac: }\n{tempo: 40}\n{zoom: 1,5}", 40, 1.0f, 0}, // a comma is no decimal point
        {"{tempo: fast}\n{zoom: big}\n{metronome: 120 bpm}", 0, 0.0f, 120},
        {"{tempo: 99999999999}\n{zoom: 1e99}", 2147483647, 0.0f, 0},
    };
    for (const Case &c : cases) {
        Song song;
        song.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(song.tempo(), c.tempo) << c.text;
        EXPECT_FLOAT_EQ(song.zoomScale(), c.zoom) << c.text;
        EXPECT_EQ(song.tempoMetronome(), c.metronome) << c.text;
    }
}

TEST_F(SongMetadata, SettersWriteTheirDirectives)
{
    const QString header = QStringLiteral("{title: A}\n{subtitle: B}\nla");
    struct Case
    {
        const char *what;
        QString text;
        std::function<bool(Song &)> set;
        const char *expected;
    };
    const Case cases[] = {
        {"tempo added", header, [](Song &s) { return s.setTempo(60); },
         "{title: A}\n{subtitle: B}\n{tempo-mac: 60}\nla"},
        {"tempo replaced", QStringLiteral("{tempo-mac: 1}"), [](Song &s) { return s.setTempo(60); }, "{tempo-mac:60}"},
        {"zoom", header, [](Song &s) { return s.setZoomScale(1.5f); },
         "{title: A}\n{subtitle: B}\n{zoom-mac: 1.500000}\nla"},
        {"metronome", QStringLiteral("{metronome: 80}"), [](Song &s) { return s.setTempoMetronome(96); },
         "{metronome:96}"},
        {"key added", header, [](Song &s) { return s.setKey(QStringLiteral("C")); },
         "{title: A}\n{subtitle: B}\n{key: C}\nla"},
        {"key replaced", QStringLiteral("{key: G}\nla"), [](Song &s) { return s.setKey(QStringLiteral("A")); },
         "{key:A}\nla"},
        {"a key cannot open or end directives", QStringLiteral("{key: G}\nla"),
         [](Song &s) { return s.setKey(QStringLiteral("A}\n{title: X")); }, "{key:A) (title: X}\nla"},
        {"capo added", header, [](Song &s) { return s.setCapo(3); }, "{title: A}\n{subtitle: B}\n{Capo: 3}\nla"},
        {"capo replaced, any case", QStringLiteral("{capo: 1}"), [](Song &s) { return s.setCapo(3); }, "{capo:3}"},
        {"capo 0 deletes it with its line", QStringLiteral("{title: A}\n{CAPO: 2 }\nla"),
         [](Song &s) { return s.setCapo(0); }, "{title: A}\nla"},
        {"capo 0 leaves a variant", QStringLiteral("{capo-Guitar: 2}\n{capo: 1}"), [](Song &s) { return s.setCapo(0); },
         "{capo-Guitar: 2}"},
    };
    for (const Case &c : cases) {
        const SongPtr song = songWithText(c.text);
        EXPECT_TRUE(c.set(*song)) << c.what;
        EXPECT_EQ(song->text(), QString::fromUtf8(c.expected)) << c.what;
        EXPECT_EQ(fileText(*song), QString::fromUtf8(c.expected)) << c.what;
    }
}

TEST_F(SongMetadata, ReadersSeeWhatSettersWrote)
{
    const SongPtr song = songWithText(QStringLiteral("{title: A}\n{tempo: 40}\n{key: G}\n{zoom: 2}\n{capo: 1}"));
    EXPECT_EQ(song->tempo(), 40);
    EXPECT_EQ(song->key(), QStringLiteral("G"));
    ASSERT_TRUE(song->setTempo(70));
    ASSERT_TRUE(song->setKey(QStringLiteral("D")));
    ASSERT_TRUE(song->setZoomScale(0.75f));
    ASSERT_TRUE(song->setTempoMetronome(100));
    ASSERT_TRUE(song->setCapo(4));
    EXPECT_EQ(song->tempo(), 70);
    EXPECT_EQ(song->key(), QStringLiteral("D"));
    EXPECT_TRUE(song->hasKey());
    EXPECT_FLOAT_EQ(song->zoomScale(), 0.75f);
    EXPECT_EQ(song->tempoMetronome(), 100);
    EXPECT_EQ(song->capo(), 4);
    EXPECT_EQ(context.fsRefreshPauses, 5);
}

TEST_F(SongMetadata, Key)
{
    struct Case
    {
        const char *text;
        const char *key;
        bool hasKey;
    };
    const Case cases[] = {
        {"{key: G}\n[Am]la", "G", true},
        {"{key: }\n[Am7]la [C]", "Am", false},
        {"[F#]la [Em]", "F#", false},
        {"[N.C.] [x] [Bbm7]la", "Bbm", false},
        {"[N.C.] [x] [y] [C]la", "", false}, // a fourth chord is never looked at
        {"[Am", "", false},
        {"no chords", "", false},
    };
    for (const Case &c : cases) {
        Song song;
        song.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(song.key(), QString::fromUtf8(c.key)) << c.text;
        EXPECT_EQ(song.hasKey(), c.hasKey) << c.text;
    }
}

TEST_F(SongMetadata, Capo)
{
    prefs.setCurrentUser(QStringLiteral("Lead"));
    const SongPtr song = songWithText(QStringLiteral("{title: A}\n{capo-Lead: 5}\n{capo: 2}"));
    EXPECT_EQ(song->capo(), 5);
    ASSERT_TRUE(song->setCapo(3));
    EXPECT_EQ(song->text(), QStringLiteral("{title: A}\n{capo-Lead: 5}\n{capo:3}"));
    EXPECT_EQ(song->capo(), 5); // the user's own capo keeps winning
    prefs.setCurrentUser(std::nullopt);
    EXPECT_EQ(song->capo(), 3);
    song->deleteCapo();
    EXPECT_EQ(song->text(), QStringLiteral("{title: A}\n{capo-Lead: 5}"));
    EXPECT_EQ(fileText(*song), QStringLiteral("{title: A}\n{capo-Lead: 5}\n{capo:3}")); // deleting does not save
}

// A capo is read only on the frets of a neck: a number beyond them once reached a transposition by its negation,
// which is undefined for the smallest 64-bit number and arbitrary past the int range.
TEST_F(SongMetadata, ACapoOffTheNeckIsNoCapo)
{
    const struct
    {
        const char *value;
        qint64 capo;
    } cases[] = {
        {"0", 0},          {"24", 24}, {"25", 0}, {"-1", 0}, {"-9223372036854775808", 0}, {"99999999999999999999", 0},
        {"4294967298", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(songWithText(QStringLiteral("{capo: %1}").arg(QLatin1String(c.value)))->capo(), c.capo) << c.value;
}

TEST_F(SongMetadata, OrderOfTheSongList)
{
    const auto song = [](const char *title, const char *subtitle, int day) {
        auto s = Song::fromTitleSubtitleReference(QString::fromUtf8(title) + QStringLiteral(" - ") +
                                                  QString::fromUtf8(subtitle));
        s->setDate(QDateTime(QDate(2024, 1, day), QTime(12, 0)));
        return s;
    };
    EXPECT_EQ(song("\xC3\x89t\xC3\xA9", "", 1)->compareTitle(*song("ete", "", 1)), 0);
    EXPECT_EQ(Song::stringCompare(QStringLiteral("\u00c9T\u00c9"), QStringLiteral("ete")), 0);
    EXPECT_EQ(Song::stringCompare(QStringLiteral("\uff21bc"), QStringLiteral("abc")), 0); // full-width A
    EXPECT_EQ(Song::stringCompare(QStringLiteral("Don\u2019t"), QStringLiteral("don't")), 0);
    EXPECT_LT(Song::stringCompare(QStringLiteral("Apple"), QStringLiteral("banana")), 0);
    EXPECT_EQ(Song::stringCompare(QStringLiteral("The End"), QStringLiteral("End")), 1); // articles stay by default
    prefs.setSortIPodStyle(true);
    EXPECT_EQ(Song::stringCompare(QStringLiteral("The End"), QStringLiteral("End")), 0);
    EXPECT_EQ(Song::stringCompare(QStringLiteral("A Day"), QStringLiteral("day")), 0);
    EXPECT_EQ(Song::stringCompare(QStringLiteral("the end"), QStringLiteral("end")), 1);            // exact case only
    EXPECT_EQ(Song::stripArticleFromTitle(QStringLiteral("The A Team")), QStringLiteral("A Team")); // once
    prefs.setSortIPodStyle(false);

    EXPECT_LT(song("A", "Z", 1)->compareTitle(*song("B", "A", 1)), 0);
    EXPECT_GT(song("A", "Z", 1)->compareSubtitle(*song("B", "A", 1)), 0);
    EXPECT_LT(song("A", "X", 2)->compareTitle(*song("A", "X", 1)), 0); // the newer first
    EXPECT_LT(song("B", "", 2)->compareDate(*song("A", "", 1)), 0);
    EXPECT_LT(song("A", "", 1)->compareDate(*song("B", "", 1)), 0);

    const SongPtr shortSong = song("A", "", 1);
    const SongPtr longSong = song("B", "", 1);
    const SongPtr untimed = song("C", "", 1);
    shortSong->setText(QStringLiteral("{time: 1:00}"));
    longSong->setText(QStringLiteral("{time: 5:00}"));
    EXPECT_LT(longSong->compareTime(*shortSong), 0);
    EXPECT_LT(shortSong->compareTime(*untimed), 0); // no playing time: last

    const SongPtr inG = song("B", "", 1);
    const SongPtr inLowerA = song("C", "", 1);
    inG->setText(QStringLiteral("{key: G}"));
    inLowerA->setText(QStringLiteral("{key: a}"));
    EXPECT_GT(inG->compareKey(*inLowerA), 0);
}
