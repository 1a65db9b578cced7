// The escaping of playlist notes: one line in the file, the same text back.
#include "percentescaping.h"

#include <gtest/gtest.h>

TEST(PercentEscaping, EscapesWhatWouldBreakTheLineAndKeepsBlanks)
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
        EXPECT_EQ(PercentEscaping::escape(QString::fromUtf8(c.text)), QString::fromUtf8(c.escaped)) << c.text;
        EXPECT_EQ(PercentEscaping::unescape(QString::fromUtf8(c.escaped)), QString::fromUtf8(c.text)) << c.escaped;
    }
}

TEST(PercentEscaping, StrayPercentAndBrokenEscapesKeepTheirText)
{
    struct Case
    {
        const char *text;
        const char *unescaped;
    };
    const Case cases[] = {
        {"50% slower", "50% slower"},     // a "%" that starts no escape
        {"ends with %", "ends with %"},   // too short for an escape
        {"%4", "%4"},                     // one digit only
        {"%zz and %41", "%zz and A"},     // the valid escape is still undone
        {"bad %FF byte", "bad %FF byte"}, // bytes that are no UTF-8 stay as written
        {"%C3%A9%FF", "%C3%A9%FF"},       // one run: all of it stays
        {"%e2%99%ab", "\u266b"},          // lower-case digits are read too
    };
    for (const Case &c : cases)
        EXPECT_EQ(PercentEscaping::unescape(QString::fromUtf8(c.text)), QString::fromUtf8(c.unescaped)) << c.text;
}
