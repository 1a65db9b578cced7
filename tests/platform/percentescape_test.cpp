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
