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
