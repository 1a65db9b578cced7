// Playlist notes: their line, their text on one line, and that they are never saved as a song.
#include "notesong.h"

#include "fakeappcontext.h"
#include "logcapture.h"

#include <gtest/gtest.h>

TEST(NoteSong, LineAndTexts)
{
    const auto note = NoteSong::fromLineString(QStringLiteral("#Capo 2%0A[G]strum%20softly #1"));
    EXPECT_EQ(note->text(), QStringLiteral("Capo 2\n[G]strum softly #1"));
    EXPECT_EQ(note->title(), QStringLiteral("Note"));
    EXPECT_TRUE(note->isNote());
    EXPECT_EQ(note->asLine(), QStringLiteral("Capo 2%0A%5BG%5Dstrum softly %231"));
    EXPECT_EQ(note->titleSubtitleReference(), QStringLiteral("#Capo 2%0A%5BG%5Dstrum softly %231"));
    EXPECT_EQ(note->titleSubtitleRefCondensed(), note->titleSubtitleReference());
    EXPECT_EQ(note->noteText(), QStringLiteral("Capo 2 strum softly #1"));
    note->refreshTitleSubtitle();
    EXPECT_EQ(note->title(), QStringLiteral("Note"));
    EXPECT_TRUE(note->isChordpro()); // though its text has no title: a note is never a tab song
}

TEST(NoteSong, LineEscapesWhatWouldBreakItAndKeepsBlanks)
{
    struct Case
    {
        const char *text;
        const char *escaped;
    };
    const Case cases[] = {
        {"Capo 2, then tune down", "Capo 2, then tune down"},
        {"100% loud", "100%25 loud"},
        {"Intro\nVerse", "Intro%0AVerse"},
        {"#1 [G] hit", "%231 %5BG%5D hit"},
        {"Café", "Caf%C3%A9"},
        {"a/b?c=d&e:f;g(h)", "a/b?c=d&e:f;g(h)"},
        {"{tag}", "%7Btag%7D"},
    };
    for (const Case &c : cases) {
        NoteSong note;
        note.setText(QString::fromUtf8(c.text));
        EXPECT_EQ(note.asLine(), QString::fromUtf8(c.escaped)) << c.text;
        EXPECT_EQ(NoteSong::fromLineString(note.asLine())->text(), note.text()) << c.escaped;
    }
}

TEST(NoteSong, IsNeverSavedAsASong)
{
    FakeAppContext context;
    LogCapture log;
    NoteSong note;
    note.setText(QStringLiteral("Break"));
    EXPECT_FALSE(note.save());
    EXPECT_TRUE(note.path().isEmpty());
    EXPECT_EQ(context.fsRefreshPauses, 0);
    EXPECT_EQ(log.lines(), QStringList({"save for NoteSong should not be called"}));
}
