// The one-pass scan of a song's title, subtitle, key and tags, which must find what each lookup finds alone.
#include "songmetadatascan.h"

#include "song.h"
#include "songtextdata.h"
#include "titledirectives.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    QString text;
    QString title;
    QString subtitle;
    QString key;
    QSet<QString> tags;
};

} // namespace

TEST(SongMetadataScanTest, FindsWhatEachLookupFinds)
{
    const Case cases[] = {
        {"", "", "", "", {}},
        {"{title: Song}\n{subtitle: Band}\n{key: G}\n{tag: rock}\n{tag: live}\n[G]la",
         "Song",
         "Band",
         "G",
         {"rock", "live"}},
        // Names in any case and short forms; blanks and tabs trimmed, the first directive of each name counts.
        {"{TITLE:\t Song \t}{St: Band}{KEY: Am}{key: C}", "Song", "Band", "Am", {}},
        {"{t: Short}{title: Long}", "Long", "", "", {}},
        // An empty first directive hands over to the next name, never to a later directive of its own name.
        {"{title: }{t: Short}", "Short", "", "", {}},
        {"{title: }{title: Second}", "", "", "", {}},
        {"{subtitle:}{artist: Singer}{st: Band}", "", "Band", "", {}},
        // A directive inside another's value counts for itself too.
        {"{title: a {key: D} b}", "a {key: D", "", "D", {}},
        {"{tag: a {tag: b}} {title: {tag: c}}", "{tag: c", "", "", {"a {tag: b", "c"}},
        // An unclosed value runs to the end of the text; an unclosed tag is none.
        {"{title: Open\nrest", "Open\nrest", "", "", {}},
        {"{tag: open", "", "", "", {}},
        {"{tag: a\nb}{tag:\n c \n}", "", "", "", {"c"}},
        // Tags are named in lower case only; spaces around a name or its colon make another name.
        {"{Tag: x}{ title: y}{title : z}{tag: }", "", "", "", {""}},
        {"{title: Same}{tag: x}{tag: x}", "Same", "", "", {"x"}},
    };
    for (const Case &c : cases) {
        const SongMetadataScan scan(c.text);
        EXPECT_EQ(scan.title(), c.title) << qPrintable(c.text);
        EXPECT_EQ(scan.subtitle(), c.subtitle) << qPrintable(c.text);
        EXPECT_EQ(scan.key(), c.key) << qPrintable(c.text);
        EXPECT_EQ(scan.tags(), c.tags) << qPrintable(c.text);
        EXPECT_EQ(scan.title(), Song::valueInText(c.text, TitleDirectives::title())) << qPrintable(c.text);
        EXPECT_EQ(scan.subtitle(), Song::valueInText(c.text, TitleDirectives::subtitle())) << qPrintable(c.text);
        EXPECT_EQ(scan.key(), Song::valueInText(c.text, QStringLiteral("key"))) << qPrintable(c.text);
        EXPECT_EQ(scan.tags(), SongTextData::tags(c.text)) << qPrintable(c.text);
    }
}

// What the song list and MIDI ask of every song without its text: the same as the lookups of the song.
TEST(SongMetadataScanTest, FindsThePlayingTimeAudioLinkAndMidiIndexAsTheLookups)
{
    const QString cases[] = {
        "",
        "{title: A}\n{time: 3:05}\n{musicpath: a.mp3}\n{midi-index: CC1:2}",
        // A time signature is no playing time; a later playing time in either form is.
        "{time: 3/4}\n{TIME: 2:10}",
        "{time: 3/4}\n{time 4:00}",
        "{Duration: 95}\n{time: 6/8}",
        "{duration:1:30}{time: 2:00}",
        "{timer: 1}",
        "{time: 6/8}\n{TIME 3/4}\n{time: 2:00 / 3}",
        // Names in any case; a name with a blank or another character in it is another name.
        "{MusicPath: b.mp3}{Midi-Index: PC3}",
        "{midi index: PC1}{midi\rindex: PC2}{midi-index : PC3}",
        "{musicpath: }{musicpath: later.mp3}",
        "{musicpath: open\nrest",
    };
    for (const QString &text : cases) {
        const SongMetadataScan scan(text);
        EXPECT_EQ(scan.playingTime(), Song::playingTimeOf(text)) << qPrintable(text);
        EXPECT_EQ(scan.musicpath(), Song::valueInText(text, QStringLiteral("musicpath"))) << qPrintable(text);
        EXPECT_EQ(scan.midiIndex(), Song::valueInText(text, QStringLiteral("midi-index"))) << qPrintable(text);
    }
    EXPECT_EQ(SongMetadataScan("{time: 3/4}\n{TIME: 2:10}").playingTime(), 130);
    EXPECT_EQ(SongMetadataScan("{MusicPath: b.mp3}{Midi-Index: PC3}").midiIndex(), QStringLiteral("PC3"));
}
