// The directive operations of the song text: lookup, variants, all values, replacing and adding.
#include "song.h"

#include "fakeappcontext.h"
#include "logcapture.h"
#include "prefs.h"

#include <gtest/gtest.h>

namespace {
const QString kHeader = QStringLiteral("{title: A}\n{subtitle: B}\nla la");
}

TEST(SongDirectives, ValueInText)
{
    struct Case
    {
        const char *text;
        const char *control;
        const char *expected;
    };
    const Case cases[] = {
        {"{KEY: g}", "key", "g"},                                     // the name ignores case
        {"la la", "key", ""},                                         // absent: "", never null
        {"{capo-Lead: 2}\n{capo: 3}", "capo", "3"},                   // the colon must follow the name
        {"{capo-Lead: 2}", "capo-Lead", "2"},                         //
        {"{title: \t Song \t}", "title", "Song"},                     // blanks and tabs trimmed
        {"{title: Song\n}", "title", "Song\n"},                       // line breaks are not
        {"{title: open\nnext", "title", "open\nnext"},                // no "}": up to the end of the text
        {"# {key: D}\n{key: E}", "key", "D"},                         // found inside a comment line too
        {"{c: \xF0\x9F\x8E\xB8 solo}", "c", "\xF0\x9F\x8E\xB8 solo"}, // UTF-16 offsets
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::valueInText(QString::fromUtf8(c.text), QString::fromUtf8(c.control)),
                  QString::fromUtf8(c.expected))
            << c.text;
}

TEST(SongDirectives, FirstNonEmptyOfSeveralControls)
{
    const QStringList names = {QStringLiteral("title"), QStringLiteral("t")};
    EXPECT_EQ(Song::valueInText(QStringLiteral("{title: }\n{t: Short}"), names), QStringLiteral("Short"));
    EXPECT_EQ(Song::valueInText(QStringLiteral("{t: Short}\n{title: Long}"), names), QStringLiteral("Long"));
    EXPECT_EQ(Song::valueInText(QStringLiteral("none"), names), QString());
}

TEST(SongDirectives, SeveralControlsLookedUpTogether)
{
    struct Case
    {
        const char *text;
        const char *expected;
    };
    const QStringList names = {QStringLiteral("subtitle"), QStringLiteral("st"), QStringLiteral("artist")};
    const Case cases[] = {
        {"{artist: A}\n{st: S}\n{SubTitle: Sub}", "Sub"},     // the order of the controls, not of the text
        {"{artist: A}\n{st: S}", "S"},                        //
        {"{subtitle: }\n{artist: A}\n{subtitle: Late}", "A"}, // a control's first directive counts, even empty
        {"{subtitle: }\n{st:}\n{artist: }", ""},              // all empty
        {"{st\n{artist {artist: A", "A"},                     // braces that open no directive are passed
        {"{", ""},                                            //
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::valueInText(QString::fromUtf8(c.text), names), QString::fromUtf8(c.expected)) << c.text;
}

TEST(SongDirectives, VariantsForTheUserAndTheInstrument)
{
    struct Case
    {
        const char *what;
        std::optional<QString> user;
        const char *instrument;
        const char *text;
        const char *expected;
    };
    const Case cases[] = {
        {"the instrument's before the plain", QStringLiteral("Lead"), "Guitar", "{capo: 3}\n{capo-Guitar: 2}", "2"},
        {"the user's before the instrument's", QStringLiteral("Lead"), "Guitar",
         "{capo: 3}\n{capo-Guitar: 2}\n{capo-Lead: 0}", "0"},
        {"an empty variant is passed over", QStringLiteral("Lead"), "Guitar",
         "{capo: 3}\n{capo-Guitar: 2}\n{capo-Lead: }", "2"},
        {"no user", std::nullopt, "Guitar", "{capo-Lead: 0}\n{capo: 3}", "3"},
        {"another instrument", std::nullopt, "Ukulele", "{capo-Guitar: 2}\n{CAPO-ukulele: 1}", "1"},
    };
    for (const Case &c : cases) {
        FakeAppContext context;
        Prefs prefs;
        prefs.setCurrentUser(c.user);
        prefs.setCurrentInstrumentTitle(QString::fromUtf8(c.instrument));
        context.prefsObject = &prefs;
        EXPECT_EQ(Song::valueInTextForUserControl(QString::fromUtf8(c.text), QStringLiteral("capo")),
                  QString::fromUtf8(c.expected))
            << c.what;
    }
}

TEST(SongDirectives, ValueFromAPosition)
{
    const QString text = QStringLiteral("{tag: a}\n{tag: b}");
    qsizetype index = 0;
    EXPECT_EQ(Song::valueInText(text, QStringLiteral("tag"), index), QStringLiteral("a"));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(Song::valueInText(text, QStringLiteral("tag"), index), QStringLiteral("b"));
    EXPECT_EQ(index, 14);
    EXPECT_EQ(Song::valueInText(text, QStringLiteral("tag"), index), QString());
    EXPECT_EQ(index, 14); // not found: unchanged
}

TEST(SongDirectives, AllValuesColonFormsFirstThenBlankForms)
{
    struct Case
    {
        const char *text;
        QStringList expected;
    };
    const Case cases[] = {
        {"{time: 3/4}\n{time: 2:30}", {"3/4", "2:30"}},
        {"{time 1:00}\n{time: 3/4}\n{time 2:00}", {"3/4", "2:00"}}, // blank forms only behind the last colon form
        {"{time: }\n{TIME: 1:00}", {"", "1:00"}},                   // empty values count
        {"{time: 2:30\r\n{key: G}", {"2:30"}},                      // an open value ends with its line
        {"no time", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::valuesInText(QString::fromUtf8(c.text), QStringLiteral("time")), c.expected) << c.text;
}

TEST(SongDirectives, ReplaceAndAdd)
{
    struct Case
    {
        const char *what;
        QString text;
        const char *control;
        const char *value;
        QString expected;
    };
    const Case cases[] = {
        {"replaced without a blank", QStringLiteral("{key: G}"), "key", "A", QStringLiteral("{key:A}")},
        {"added behind the subtitle", kHeader, "key", "C",
         QStringLiteral("{title: A}\n{subtitle: B}\n{key: C}\nla la")},
        {"added behind st", QStringLiteral("{st: B}\n{title: A}"), "key", "C",
         QStringLiteral("{st: B}\n{key: C}\n{title: A}")},
        {"added behind the title", QStringLiteral("{t: A}\nla"), "key", "C", QStringLiteral("{t: A}\n{key: C}\nla")},
        {"added at the end", QStringLiteral("la"), "key", "C", QStringLiteral("la\n{key: C}")},
        {"a subtitle left open is no anchor", QStringLiteral("{title: A}\n{subtitle: B\nla"), "key", "C",
         QStringLiteral("{title: A}\n{key: C}\n{subtitle: B\nla")},
        {"open value: to the end of its line, and closed", QStringLiteral("{key: G\n{capo: 2}\nla"), "key", "A",
         QStringLiteral("{key:A}\n{capo: 2}\nla")},
        {"open value on a CRLF line", QStringLiteral("{key: G\r\nla"), "key", "A", QStringLiteral("{key:A}\r\nla")},
        {"open value at the end of the text", QStringLiteral("la\n{key: G"), "key", "A", QStringLiteral("la\n{key:A}")},
        {"braces and line breaks cannot make directives", QStringLiteral("{key: G}"), "key", "A}\n{title: X",
         QStringLiteral("{key:A) (title: X}")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::replaceValueInText(c.text, QString::fromUtf8(c.control), QString::fromUtf8(c.value)),
                  c.expected)
            << c.what;
}

TEST(SongDirectives, ReplaceLogsAnOpenValue)
{
    LogCapture log;
    Song::replaceValueInText(QStringLiteral("{key: G"), QStringLiteral("key"), QStringLiteral("A"));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("no end tag for key")});
}

TEST(SongDirectives, ReplaceAGivenValue)
{
    struct Case
    {
        const char *what;
        QString text;
        const char *oldValue;
        QString expected;
    };
    const Case cases[] = {
        {"the matching one", QStringLiteral("{time: 3/4}\n{time: 2:30}"), "2:30",
         QStringLiteral("{time: 3/4}\n{time:3:20}")},
        {"compared exactly", QStringLiteral("{time: ab}"), "AB", QStringLiteral("{time: ab}\n{time: 3:20}")},
        {"none matches: added", kHeader, "2:30", QStringLiteral("{title: A}\n{subtitle: B}\n{time: 3:20}\nla la")},
        {"empty text: added", QString(), "", QStringLiteral("\n{time: 3:20}")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::replaceValueInText(c.text, QStringLiteral("time"), QStringLiteral("3:20"),
                                           QString::fromUtf8(c.oldValue)),
                  c.expected)
            << c.what;
}

TEST(SongDirectives, AddValue)
{
    EXPECT_EQ(Song::addValueInText(kHeader, QStringLiteral("tag"), QStringLiteral("rock")),
              QStringLiteral("{title: A}\n{subtitle: B}\n{tag: rock}\nla la"));
    EXPECT_EQ(Song::posAfterTitleSubtitle(QStringLiteral("{SUBTITLE: x}")), 13);
}

TEST(SongDirectives, ChordProFiles)
{
    struct Case
    {
        const char *path;
        bool expected;
    };
    const Case cases[] = {
        {"/s/a.pro", true},    {"/s/a.CHORDPRO", true}, {"/s/a.txt", true}, {"/s/a.cpm", true},
        {"/s/a.chopro", true}, {"/s/a.onsong", true},   {"/s/a.cho", true}, {"/s/song.chords.txt", false},
        {"/s/a.pdf", false},   {"/s/pro", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Song::isChordProFile(QString::fromUtf8(c.path)), c.expected) << c.path;
}
