#include "categoryname.h"

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
