// The one rule for what a dropped or opened file is.
#include "filekind.h"

#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FileKind, ByExtensionAndForOtherFilesByTheirFirstBytes)
{
    const QTemporaryDir folder;
    struct Case
    {
        const char *name;
        QByteArray bytes;
        FileKind::Kind kind;
    };
    const Case cases[] = {
        {"a.vellorinfontsettings", "{}", FileKind::FontSettings},
        {"X.VELLORINLAYOUT", "{}", FileKind::Layout}, // any case of the extension
        {"b.ChordPro", "{title: B}", FileKind::Song},
        {"c.pro", QByteArray("\0\0binary", 8), FileKind::Song}, // a song type is read as a song whatever it holds
        {"d.chords.txt", "{define: X}", FileKind::Text},        // the user chord file is no song
        {"e.Pdf", "%PDF", FileKind::Pdf},
        {"f.md", "# notes", FileKind::Text},
        {"g.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\r", 12), FileKind::Binary},
        {"h.lyrics", QByteArray("\xFF\xFEH\0i\0", 6), FileKind::Text},          // UTF-16 LE
        {"i.lyrics", QByteArray("\xFE\xFF\0H\0i", 6), FileKind::Text},          // UTF-16 BE
        {"j.lyrics", QByteArray("\0\0\xFE\xFF\0\0\0H", 8), FileKind::Text},     // UTF-32 BE
        {"k.lyrics", QByteArray("\xEF\xBB\xBFH\0i", 6), FileKind::Binary},      // UTF-8 has no NUL
        {"l.bin", QByteArray(8192, 'a') + QByteArray(1, '\0'), FileKind::Text}, // past the first 8 KiB
    };
    for (const Case &c : cases) {
        const QString path = TestFiles::write(QDir(folder.path()).filePath(QString::fromUtf8(c.name)), c.bytes);
        EXPECT_EQ(FileKind::of(path), c.kind) << c.name;
    }
    EXPECT_EQ(FileKind::of(QDir(folder.path()).filePath(QStringLiteral("missing"))), FileKind::Binary);
    EXPECT_EQ(FileKind::of(folder.path()), FileKind::Binary) << "a folder is no text";
}
