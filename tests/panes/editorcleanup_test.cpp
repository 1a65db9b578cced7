#include "editorcleanup.h"

#include <gtest/gtest.h>

TEST(EditorCleanup, CleansLinesAndJoinsThemWithLineFeeds)
{
    struct Case
    {
        QString text;
        QString trailing;
        QString leading;
        QString empty;
    };
    const Case cases[] = {
        {"a \n b\n", "a\n b\n", "a \nb\n", "a \n b"},
        {"  \n\t\nabc  \n", "abc\n", "abc  \n", "abc  "},
        {"\n\nx\n\ny", "x\n\ny", "x\n\ny", "x\ny"},
        {"one line \t", "one line", "one line \t", "one line \t"},
        {"a \r\n \tb\r\n\r\nc", "a\n \tb\n\nc", "a \nb\n\nc", "a \n \tb\nc"},
        {"a \rb", "a\nb", "a \nb", "a \nb"},
        {"", "", "", ""},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(EditorCleanup::removeTrailingSpaces(c.text), c.trailing) << qPrintable(c.text);
        EXPECT_EQ(EditorCleanup::removeLeadingSpaces(c.text), c.leading) << qPrintable(c.text);
        EXPECT_EQ(EditorCleanup::removeEmptyLines(c.text), c.empty) << qPrintable(c.text);
    }
}

TEST(EditorCleanup, TellsWhetherThereIsSomethingToCleanUp)
{
    struct Case
    {
        QString text;
        bool trailing;
        bool leading;
        bool empty;
    };
    const Case cases[] = {
        {"a\n", false, false, true},          {"a\nb", false, false, false},  {"a \nb", true, false, false},
        {"a\n\tb", false, true, false},       {"a\n  \nb", true, true, true}, {"a\r\nb\r\n", false, false, true},
        {"a\r\n b \r\nc", true, true, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(EditorCleanup::hasTrailingSpaces(c.text), c.trailing) << qPrintable(c.text);
        EXPECT_EQ(EditorCleanup::hasLeadingSpaces(c.text), c.leading) << qPrintable(c.text);
        EXPECT_EQ(EditorCleanup::hasEmptyLines(c.text), c.empty) << qPrintable(c.text);
    }
}
