// Telling files by their extension: which characters make it, and how its case is ignored.
#include "fileextension.h"

#include <QFileInfo>

#include <gtest/gtest.h>

TEST(FileExtensionTest, IsWhatFollowsTheLastDotOfTheName)
{
    const char *const paths[] = {"a.pro",         ".pro",  "x/.pro", "a.b.PRO", "a.", "dir.d/file",
                                 "/x/y/a.tar.gz", "noext", "a..pro", "x.y/",    ".",  ""};
    for (const char *path : paths) {
        const QString string = QString::fromUtf8(path);
        EXPECT_EQ(FileExtension::of(string), QFileInfo(string).suffix()) << path;
    }
}

TEST(FileExtensionTest, IgnoresCaseAsLowerCasingDoes)
{
    struct Case
    {
        QString path;
        bool isSong;
    };
    const Case cases[] = {
        {"Song.pro", true},
        {"/songs/Song.ChordPro", true},
        {"SONG.CHO", true},
        {"Song.pro.bak", false},
        {"Song.pr", false},
        {"Song", false},
        {"pro", false},
        {"folder.pro/Song", false},
        {QString::fromUtf16(u"Song.\u212Aey"), true},     // the Kelvin sign lowers to "k"
        {QString::fromUtf16(u"Song.on\u017Fong"), false}, // a long s lowers to itself (though it folds to "s")
        {QString::fromUtf16(u"Song.\u0130ey"), false},    // a dotted capital I lowers to two characters
    };
    for (const Case &c : cases) {
        // As the names' list finds the lower-cased extension.
        const QStringList names = {"pro", "chordpro", "cho", "onsong", "key"};
        ASSERT_EQ(names.contains(QFileInfo(c.path).suffix().toLower()), c.isSong) << qPrintable(c.path);
        EXPECT_EQ(FileExtension::isOneOf(c.path, {QLatin1String("pro"), QLatin1String("chordpro"), QLatin1String("cho"),
                                                  QLatin1String("onsong"), QLatin1String("key")}),
                  c.isSong)
            << qPrintable(c.path);
    }
}
