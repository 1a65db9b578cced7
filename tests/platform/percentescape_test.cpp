#include "percentescape.h"

#include <gtest/gtest.h>

TEST(PercentEscape, EscapesWhatRfc2396DoesNotAllow)
{
    struct Case
    {
        QString text;
        QString expected;
    };
    const Case cases[] = {
        {QStringLiteral("C#-G"), QStringLiteral("C%23-G")},
        {QStringLiteral("100%"), QStringLiteral("100%25")},
        {QStringLiteral("Am7(b5)"), QStringLiteral("Am7(b5)")},
        {QStringLiteral("a!*'();/?:@&=+$,-_.~z"), QStringLiteral("a!*'();/?:@&=+$,-_.~z")},
        {QStringLiteral("a b\"<>[]{}|\\^`"), QStringLiteral("a%20b%22%3C%3E%5B%5D%7B%7D%7C%5C%5E%60")},
        {QStringLiteral("Ré\u05d0"), QStringLiteral("R%C3%A9%D7%90")},
        {QString(), QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(PercentEscape::legacyEscape(c.text), c.expected) << c.text.toStdString();
}

TEST(PercentEscape, StrayPercentAndBrokenEscapesKeepTheirText)
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
        EXPECT_EQ(PercentEscape::legacyUnescape(QString::fromUtf8(c.text)), QString::fromUtf8(c.unescaped)) << c.text;
}
