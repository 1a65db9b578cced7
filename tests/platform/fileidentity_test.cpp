// Telling whether two paths name one file on disk.
#include "fileidentity.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(FileIdentityTest, SeesTheFileBehindEverySpellingOfItsPath)
{
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    const QString file = TestFiles::write(folder.filePath(QStringLiteral("Sänger.pro")), "a");
    TestFiles::write(folder.filePath(QStringLiteral("other.pro")), "a");
    ASSERT_TRUE(folder.mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(file, folder.filePath(QStringLiteral("symlink.pro"))));
    ASSERT_EQ(::link(QFile::encodeName(file).constData(),
                     QFile::encodeName(folder.filePath(QStringLiteral("hardlink.pro"))).constData()),
              0);

    struct Case
    {
        const char *a;
        const char *b;
        bool same;
    };
    const Case cases[] = {
        {"Sänger.pro", "Sänger.pro", true},
        {"Sänger.pro", "sub/../Sänger.pro", true},
        {"Sänger.pro", "./sub/./../Sänger.pro", true},
        {"Sänger.pro", "symlink.pro", true},
        {"Sänger.pro", "hardlink.pro", true}, // one file under two names, as two spellings are where case is ignored
        {"sub", "sub/", true},
        {".", "sub/..", true},
        {"Sänger.pro", "other.pro", false}, // same bytes, another file
        {"Sänger.pro", "sub", false},
        {"missing.pro", "missing.pro", false},
        {"Sänger.pro", "missing.pro", false},
    };
    for (const Case &c : cases) {
        const QString a = folder.filePath(QString::fromUtf8(c.a));
        const QString b = folder.filePath(QString::fromUtf8(c.b));
        EXPECT_EQ(FileIdentity::isSameFile(a, b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(FileIdentity::isSameFile(b, a), c.same) << c.b << " / " << c.a;
    }
}
