// Reading one tag directive: where it opens and closes, and what its value is.
#include "tagdirective.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    QString text;
    std::optional<QString> value; // nothing: no tag directive opens at the text's start
    qsizetype end = 0;
};

} // namespace

TEST(TagDirectiveTest, ReadsTheDirectiveOpeningAtABrace)
{
    const Case cases[] = {
        {"{tag:rock}", "rock", 10},
        {"{tag:   pop  }x", "pop", 14},
        {"{tag: }", "", 7},
        {"{tag: two words}", "two words", 16},
        // White space around the value may span lines, the value itself may not.
        {"{tag:\n\n  folk\n}", "folk", 15},
        {"{tag: a\r\n}", "a", 10},
        {QString::fromUtf16(u"{tag:\u00A0a\u2028}"), "a", 9},
        {QString::fromUtf16(u"{tag:\u180Ea\u180E}"), "a", 9},
        {"{tag: a\nb}", std::nullopt},
        {QString::fromUtf16(u"{tag: a\u2029b}"), std::nullopt},
        {"{tag: a\vb}", std::nullopt},
        // The value ends at the first "}", whatever it holds before.
        {"{tag: a {tag: b}}", "a {tag: b", 16},
        {"{tag: open", std::nullopt},
        {"{Tag: jazz}", std::nullopt},
        {"{tag : jazz}", std::nullopt},
        {"{tags: jazz}", std::nullopt},
        {"{tag", std::nullopt},
    };
    for (const Case &c : cases) {
        const std::optional<TagDirective::Match> match = TagDirective::at(c.text, 0);
        ASSERT_EQ(match.has_value(), c.value.has_value()) << qPrintable(c.text);
        if (!match)
            continue;
        EXPECT_EQ(match->value, *c.value) << qPrintable(c.text);
        EXPECT_EQ(match->start, 0) << qPrintable(c.text);
        EXPECT_EQ(match->end, c.end) << qPrintable(c.text);
    }
}

TEST(TagDirectiveTest, NextSkipsWhatIsNoTagDirective)
{
    const QString text = "{Tag: x}{tag: a\nb}[C]{title: t}{tag: live}";
    const std::optional<TagDirective::Match> match = TagDirective::next(text, 0);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->value, "live");
    EXPECT_EQ(text.sliced(match->start, match->end - match->start), "{tag: live}");
    EXPECT_FALSE(TagDirective::next(text, match->start + 1));
}
