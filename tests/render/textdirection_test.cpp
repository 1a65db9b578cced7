// Which way a song's text runs, by the letters of its lyrics.
#include "textdirection.h"

#include <gtest/gtest.h>

TEST(TextDirectionTest, dominantDirectionOfTheLyricLetters)
{
    struct Case
    {
        const char *name;
        const char *text;
        Qt::Alignment alignment;
    };
    const Case cases[] = {
        {"empty", "", Qt::AlignLeft},
        {"English", "{title: Home}\n[C]Hello [G]world\n", Qt::AlignLeft},
        {"Hebrew", "{title: Shalom}\n[Am]שלום [G]עליכם\n", Qt::AlignRight},
        {"Arabic", "[C]مرحبا بالعالم\n", Qt::AlignRight},
        {"Persian", "[Em]سلام دنیا، چطوری\n", Qt::AlignRight},
        {"Urdu", "[D]ہیلو دنیا\n", Qt::AlignRight},
        {"Yiddish", "[G]אַ גוטן טאָג\n", Qt::AlignRight},
        // Chord names, directives and comment lines are no lyrics.
        {"Hebrew with English directives and many chords",
         "{title: A very long English title}\n{comment: Play it slowly and with feeling}\n# notes in English\n"
         "[Am7][Dm7][G7][Cmaj7]שיר\n",
         Qt::AlignRight},
        {"tab song chord lines", "Am   Dm7   G7   Cmaj7   Fmaj7\nשיר קטן\n", Qt::AlignRight},
        {"mixed, mostly English", "Hello world, my friend\nשלום\n", Qt::AlignLeft},
        {"no letters", "1 2 3 4\n", Qt::AlignLeft},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TextDirection::alignmentForString(QString::fromUtf8(c.text)), c.alignment) << c.name;
}
