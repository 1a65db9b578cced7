#include "categoryname.h"

#include "filename.h"

#include <gtest/gtest.h>

TEST(CategoryName, TypedTextBecomesAFolderInsideTheSongFolder)
{
    struct Case
    {
        const char *typed;
        std::optional<QString> name;
    };
    const Case cases[] = {
        {"Live", QStringLiteral("Live")},
        {"Rock/Pop", QStringLiteral("Rock Pop")},
        {"Rock\\Pop", QStringLiteral("Rock Pop")},
        {"  Live  ", QStringLiteral("Live")},
        {"", QString()},
        {"/", QString()},
        // Never a way out of the song folder, nor into a hidden folder the library does not read.
        {"..", std::nullopt},
        {"../Elsewhere", std::nullopt},
        {"/..", std::nullopt},
        {".", std::nullopt},
        {".hidden", std::nullopt},
        {"Songs..", QStringLiteral("Songs..")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CategoryName::fromTypedText(QString::fromUtf8(c.typed)), c.name) << c.typed;
}

// Categories are offered by their readable names: the one chosen leads back to its folder, and a folder spelled
// exactly as the text wins over one that only shows so.
TEST(CategoryName, AReadableNameLeadsBackToTheFolderItStandsFor)
{
    const QString raw = FileName::fromBytes("Lieder \xe9t\xe9");
    const QString readable = QStringLiteral("Lieder \ufffdt\ufffd");
    struct Case
    {
        QString text;
        QStringList categories;
        QString name;
    };
    const Case cases[] = {
        {readable, {QStringLiteral("Live"), raw}, raw},
        {readable, {raw, readable}, readable},
        {raw, {raw}, raw},
        {QStringLiteral("Live"), {QStringLiteral("Live"), raw}, QStringLiteral("Live")},
        {QStringLiteral("New"), {raw}, QStringLiteral("New")},
        {readable, {}, readable},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CategoryName::realName(c.text, c.categories), c.name) << qPrintable(c.categories.join(u','));
}
