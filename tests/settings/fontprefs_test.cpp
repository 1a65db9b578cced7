// Font records: the fonts they give and their two stored forms.
#include "fontprefs.h"
#include "printers.h"
#include "systemlook.h"

#include "logcapture.h"

#include <QFontInfo>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

FontPrefs redItalicRecord()
{
    FontPrefs record;
    record.setSize(17.5);
    record.setBold(true);
    record.setItalic(true);
    record.setFixed(true);
    record.setName(QStringLiteral("DejaVu Serif"));
    record.setColor(QColor(255, 0, 0));
    record.setBackgroundColor(QColor(0, 0, 255, 128));
    return record;
}

void expectSameRecord(const FontPrefs &a, const FontPrefs &b)
{
    EXPECT_EQ(a.size(), b.size());
    EXPECT_EQ(a.bold(), b.bold());
    EXPECT_EQ(a.italic(), b.italic());
    EXPECT_EQ(a.fixed(), b.fixed());
    EXPECT_EQ(a.name(), b.name());
    EXPECT_EQ(a.color(), b.color());
    EXPECT_EQ(a.backgroundColor(), b.backgroundColor());
}

} // namespace

TEST(FontPrefs, DictionaryForm)
{
    FontPrefs record;
    record.setColor(QColor(255, 0, 0));
    const QJsonObject dict = record.toDict();
    EXPECT_EQ(dict.value("color").toString(), QStringLiteral("#ff0000"));
    EXPECT_EQ(dict.value("backgroundColor").toString(), QStringLiteral("#00000000"));
    EXPECT_EQ(dict.value("size").toDouble(), SystemLook::systemFontSize());
    EXPECT_FALSE(dict.contains("fontName")); // no name, no key

    const FontPrefs original = redItalicRecord();
    FontPrefs back;
    back.fromDict(original.toDict());
    expectSameRecord(back, original); // italic survives the font settings file
}

TEST(FontPrefs, ReadingADictionary)
{
    LogCapture log;
    FontPrefs record = redItalicRecord();
    record.fromDict({{"fontName", "No Such Font Family"}, {"size", 0}});
    EXPECT_EQ(record.name(), QStringLiteral("DejaVu Serif")) << "a font that is not installed keeps the old name";
    EXPECT_EQ(record.size(), 0.0) << "a size of 0 stays 0 in the font settings file";
    EXPECT_EQ(record.fontWithScale(1).pointSizeF(), SystemLook::systemFontSize());

    record.fromDict({{"color", "#zz"}, {"size", 0.1}});
    EXPECT_TRUE(record.name().isEmpty()) << "no fontName clears the name";
    EXPECT_FALSE(record.color().isValid()) << "unreadable colour text gives no colour";
    EXPECT_EQ(record.size(), double(0.1f));
    EXPECT_TRUE(log.lines().isEmpty());

    // A value of the wrong kind stops the reading there; what came before it stays.
    record.fromDict({{"color", "#00ff00"}, {"size", "big"}, {"bold", false}});
    EXPECT_EQ(record.color(), QColor(0, 255, 0));
    EXPECT_EQ(record.size(), double(0.1f));
    EXPECT_TRUE(record.bold());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Error converting font prefs:")));
}

TEST(FontPrefs, ArchiveFormDropsItalicAndRestoresAZeroSize)
{
    FontPrefs original = redItalicRecord();
    original.setSize(0.1);
    FontPrefs back = FontPrefs::fromCoder(original.encode());
    EXPECT_FALSE(back.italic());
    back.setItalic(true);
    EXPECT_EQ(back.size(), double(0.1f));
    back.setSize(0.1);
    expectSameRecord(back, original);

    FontPrefs unnamed;
    unnamed.setSize(0);
    EXPECT_FALSE(unnamed.encode().contains("name"));
    EXPECT_EQ(FontPrefs::fromCoder(unnamed.encode()).size(), SystemLook::systemFontSize());
}

TEST(FontPrefs, FontWithScale)
{
    FontPrefs named;
    named.setName(QStringLiteral("DejaVu Serif"));
    named.setSize(10);
    const QFont serif = named.fontWithScale(1.5f);
    EXPECT_EQ(QFontInfo(serif).family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(serif.pointSizeF(), 15.0);

    FontPrefs missing;
    missing.setName(QStringLiteral("No Such Font Family"));
    missing.setBold(true);
    missing.setSize(10);
    const QFont fallback = missing.fontWithScale(2);
    EXPECT_TRUE(fallback.bold());
    EXPECT_EQ(fallback.pointSizeF(), 20.0);
    EXPECT_EQ(fallback.family(), SystemLook::systemFont(20).family());

    // Without Courier installed the desktop's monospaced font stands in, zoomed like every other font.
    FontPrefs fixed;
    fixed.setFixed(true);
    fixed.setSize(10);
    const QFont mono = fixed.fontWithScale(2);
    EXPECT_EQ(mono.pointSizeF(), 20.0);
    if (!SystemLook::hasFamily(QStringLiteral("Courier New"))) {
        EXPECT_TRUE(QFontInfo(mono).fixedPitch());
    }
}
