// Count suffixes, colours as text and JSON, and splitting text into lines.
#include "printers.h"
#include "stringlines.h"
#include "util.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <optional>

TEST(Util, CountSuffixes)
{
    EXPECT_EQ(Util::addCount(12, QStringLiteral("Live")), QStringLiteral("Live (12)"));

    struct Case
    {
        qint64 seconds;
        const char *expected;
    };
    const Case cases[] = {
        {754, "Live (12, 12:34)"},
        {59, "Live (12, 0:59)"},
        {60, "Live (12, 1:00)"},
        {0, "Live (12)"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Util::addCount(12, c.seconds, QStringLiteral("Live")), QLatin1String(c.expected)) << c.seconds;
}

TEST(Util, ColorFromHexString)
{
    struct Case
    {
        const char *hex;
        std::optional<QColor> expected; // nothing: no colour
    };
    const Case cases[] = {
        {"#00ff00", QColor(0, 255, 0)},
        {"#80ff0000", QColor(255, 0, 0, 128)},
        {"ff0000", QColor(15, 0, 0)}, // the first character is always skipped: reads f0000
        {"#FFFFFF", QColor(255, 255, 255)},
        {"#0x00ff", QColor(0, 0, 255)},
        {"# 0000ff", QColor(0, 0, 255, 0)}, // eight characters or more: the top byte is the alpha
        {"#zz", std::nullopt},
        {"#", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case &c : cases) {
        const QColor color = Util::colorFromHexString(QLatin1String(c.hex));
        if (c.expected)
            EXPECT_EQ(color, *c.expected) << c.hex;
        else
            EXPECT_FALSE(color.isValid()) << c.hex;
    }
}

TEST(Util, HexStringFromColor)
{
    const std::pair<QColor, const char *> cases[] = {
        {QColor(255, 0, 0), "#ff0000"},
        {QColor(0, 0, 0, 0), "#00000000"},
        {QColor::fromRgbF(1, 0, 0, 0.5f), "#7fff0000"}, // components are truncated, not rounded
        {QColor(255, 0, 0, 128), "#80ff0000"},
        {QColor(), ""},
    };
    for (const auto &[color, expected] : cases)
        EXPECT_EQ(Util::hexStringFromColor(color), QLatin1String(expected)) << expected;
}

TEST(Util, ColorJsonKeepsColoursExactly)
{
    for (const QColor &color : {QColor(1, 2, 3, 4), QColor::fromRgbF(0.1f, 0.2f, 0.3f, 0.6f), QColor()}) {
        const auto back = Util::colorFromJson(Util::jsonFromColor(color));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, color) << color.name(QColor::HexArgb).toStdString();
    }
    EXPECT_FALSE(Util::colorFromJson(QJsonValue(QStringLiteral("#ff0000"))).has_value());
    EXPECT_FALSE(Util::colorFromJson(QJsonArray{1, 2, 0, 1}).has_value());
}

TEST(Util, DarkTextColor)
{
    EXPECT_EQ(Util::darkTextColor(), QColor::fromRgbF(0.1f, 0.1f, 0.1f));
}

TEST(StringLines, SplitsAndTrimsOnlyWhenThereAreSeveralLines)
{
    struct Case
    {
        const char *text;
        bool trimSpaces;
        QStringList expected;
    };
    const Case cases[] = {
        {"  one line  ", true, {"  one line  "}},
        {"  a  \n  b  ", true, {"a", "b"}},
        {"  a  \n  b  ", false, {"  a  ", "  b  "}},
        {"a\rb", true, {"a", "b"}},
        {"a\nb", true, {"a", "b"}},
        {"a\r\nb\r\n", false, {"a", "b", ""}}, // CR-LF: split at CR, the LF trimmed away
        {"a\n\nb", true, {"a", "", "b"}},
        {"", true, {""}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(StringLines::linesTrimSpaces(QLatin1String(c.text), c.trimSpaces), c.expected) << c.text;
    EXPECT_EQ(StringLines::lines(QStringLiteral(" a \n b ")), QStringList({"a", "b"}));
}
