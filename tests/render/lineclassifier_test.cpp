// Directive lines, their per-user and per-instrument variants, and link words.
#include "lineclassifier.h"
#include "logcapture.h"

#include <gtest/gtest.h>

namespace {

const DirectiveOwner vocalsOnGuitar{QStringLiteral("Vocals"), QStringLiteral("Guitar")};
const DirectiveOwner nobodyOnGuitar{QString(), QStringLiteral("Guitar")};

} // namespace

TEST(LineClassifierTest, keywordLinesMatchTheStartIgnoringCase)
{
    struct Case
    {
        const char *line;
        const char *keyword;
        bool matches;
    };
    const Case cases[] = {
        {"{sot}", "sot", true},         {"{SOT}", "sot", true},
        {"{sot-Vocals}", "sot", true},  {"  {Title: Home}", "title:", true},
        {"\t{t: Song}\t", "t:", true},  {"{title Home}", "title:", false},
        {"{title: Song}", "t:", false}, {"{ sot}", "sot", false},
        {"sot", "sot", false},          {"", "sot", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LineClassifier::isKeyWordLine(QString::fromUtf8(c.line), QString::fromUtf8(c.keyword)), c.matches)
            << c.line << " / " << c.keyword;
    EXPECT_TRUE(LineClassifier::isKeyWordLine(QStringLiteral("{eoc}"), QStringList{"soc", "eoc"}));
    EXPECT_FALSE(LineClassifier::isKeyWordLine(QStringLiteral("{eoc}"), QStringList{}));
}

TEST(LineClassifierTest, variantsForTheCurrentUserAndInstrument)
{
    struct Case
    {
        const char *line;
        const char *keyword;
        const DirectiveOwner &owner;
        bool user;
        bool somebodyElses;
    };
    const Case cases[] = {
        {"{c-vocals: hi}", "c:", vocalsOnGuitar, true, false},
        {"{c-Guitar: hi}", "c:", vocalsOnGuitar, true, false},
        {"{c-Drums: hi}", "c:", vocalsOnGuitar, false, true},
        {"{c-Vocals: hi}", "c:", vocalsOnGuitar, true, false},
        {"{C-Drums: hi}", "c:", vocalsOnGuitar, false, false},       // the pattern is case-sensitive
        {"{c-Drums: hi} [G]la", "c:", vocalsOnGuitar, false, false}, // text after the brace
        {"{c-Vocals: hi}", "c:", nobodyOnGuitar, false, true},
        {"{c: hi}", "c:", vocalsOnGuitar, true, false},
        {"{define-Guitar: A 0 0 2 2 2 0}", "define", nobodyOnGuitar, true, false},
    };
    for (const Case &c : cases) {
        const QString line = QString::fromUtf8(c.line);
        const QString keyword = QString::fromUtf8(c.keyword);
        EXPECT_EQ(LineClassifier::isUserKeyWordLine(line, keyword, c.owner), c.user) << c.line;
        if (keyword.contains(u':')) {
            EXPECT_EQ(LineClassifier::isEmptyUserKeyWordLine(line, keyword, c.owner), c.somebodyElses) << c.line;
        }
    }
}

TEST(LineClassifierTest, namesWithPatternCharactersAreTakenLiterally)
{
    const DirectiveOwner owner{QStringLiteral("A+B (live)"), QStringLiteral("Guitar")};
    EXPECT_TRUE(LineClassifier::isUserKeyWordLine(QStringLiteral("{c-A+B (live): hi}"), QStringLiteral("c:"), owner));
    EXPECT_FALSE(
        LineClassifier::isEmptyUserKeyWordLine(QStringLiteral("{c-A+B (live): hi}"), QStringLiteral("c:"), owner));
    EXPECT_TRUE(
        LineClassifier::isEmptyUserKeyWordLine(QStringLiteral("{c-AAB (live): hi}"), QStringLiteral("c:"), owner));
}

TEST(LineClassifierTest, keywordWithoutColonIsRefusedForSomebodyElsesLine)
{
    LogCapture log;
    EXPECT_FALSE(
        LineClassifier::isEmptyUserKeyWordLine(QStringLiteral("{c-X: hi}"), QStringLiteral("c"), vocalsOnGuitar));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("only works for keywords with colon")));
}

TEST(LineClassifierTest, linkWords)
{
    struct Case
    {
        const char *word;
        bool link;
    };
    const Case cases[] = {
        {"www.example.org", true}, {"https://x.org", true}, {"httpfoo", true},       {"example.com", true},
        {"shop.de/x", true},       {"a.comb", true},        {"file:///tmp/a", true}, {"WWW.example.org", false},
        {"HTTP://X", false},       {"awww.x", false},       {"hello", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LineClassifier::isLinkWord(QString::fromUtf8(c.word)), c.link) << c.word;
}
