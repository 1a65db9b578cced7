// The categories: which folders they are, how they sort, and the pop-up's items with their counts.
#include "categories.h"

#include "libraryfolder.h"

namespace {

using CategoriesTest = LibraryFolder;

} // namespace

TEST_F(CategoriesTest, WithoutSubfoldersOnlyAllSongs)
{
    write(QStringLiteral("a.pro"), songText("A"));
    write(QStringLiteral("b.cho"), songText("B"));
    Categories categories;
    categories.refresh();
    EXPECT_EQ(categories.count(), 0);
    EXPECT_FALSE(categories.hasUnfiled());
    const QList<PopupMenuItem> expected = {{"- All Songs - (2)", Categories::AllSongsTag, {}}};
    EXPECT_EQ(categories.popupMenuItems(true), expected);
}

TEST_F(CategoriesTest, CategoriesWithTheirCounts)
{
    writeSampleFolder();
    write(QStringLiteral("Tabs/One.tab"), "One\n");
    write(QStringLiteral("Tabs/Two.crd"), "Two\n");
    Categories categories;
    categories.refresh();
    // Hidden folders are no categories; names sort ignoring case.
    EXPECT_EQ(categories.categories(), QStringList({"acoustic", "Ballads", "Rock", "Tabs"}));
    EXPECT_TRUE(categories.hasUnfiled());
    EXPECT_TRUE(categories.existsCategory(QStringLiteral("Rock")));
    EXPECT_FALSE(categories.existsCategory(QStringLiteral("rock")));
    EXPECT_FALSE(categories.existsCategory(QString()));
    EXPECT_EQ(categories.categoryAtIndex(1), QStringLiteral("Ballads"));
    // The root counts its song and its PDF, not the tab file nor the chord file; tab songs count nowhere.
    const QList<PopupMenuItem> counted = {
        {"- All Songs - (5)", Categories::AllSongsTag, {}},    {"- Unfiled - (2)", Categories::UnfiledTag, {}},
        {"acoustic (1)", Categories::CategoryTag, "acoustic"}, {"Ballads (1)", Categories::CategoryTag, "Ballads"},
        {"Rock (1)", Categories::CategoryTag, "Rock"},         {"Tabs (0)", Categories::CategoryTag, "Tabs"},
    };
    EXPECT_EQ(categories.popupMenuItems(true), counted);
    const QList<PopupMenuItem> bare = {
        {"- All Songs -", Categories::AllSongsTag, {}},    {"- Unfiled -", Categories::UnfiledTag, {}},
        {"acoustic", Categories::CategoryTag, "acoustic"}, {"Ballads", Categories::CategoryTag, "Ballads"},
        {"Rock", Categories::CategoryTag, "Rock"},         {"Tabs", Categories::CategoryTag, "Tabs"},
    };
    EXPECT_EQ(categories.popupMenuItems(false), bare);
}

TEST_F(CategoriesTest, PdfFilesCountOnlyWhileSupported)
{
    writeSampleFolder();
    EXPECT_EQ(Categories::numberOfSongsInCategory(QString()), 2);
    prefs.setSupportPDF(false);
    EXPECT_EQ(Categories::numberOfSongsInCategory(QString()), 1);
    EXPECT_EQ(Categories::numberOfSongsInCategory(QStringLiteral("Missing")), 0);
}

TEST_F(CategoriesTest, NoUnfiledItemWhenTheRootHoldsNoSong)
{
    write(QStringLiteral("Rock/Highway.pro"), songText("Highway"));
    write(QStringLiteral("Blues.tab"), "Blues\n");
    Categories categories;
    categories.refresh();
    EXPECT_FALSE(categories.hasUnfiled());
    const QList<PopupMenuItem> expected = {{"- All Songs - (1)", Categories::AllSongsTag, {}},
                                           {"Rock (1)", Categories::CategoryTag, "Rock"}};
    EXPECT_EQ(categories.popupMenuItems(true), expected);
}
