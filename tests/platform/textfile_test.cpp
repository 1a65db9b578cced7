// Decoding text of unknown encoding, and reading and writing files.
#include "textfile.h"

#include "testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TextFile, DecodesByTheCascade)
{
    struct Case
    {
        const char *what;
        QByteArray bytes;
        TextFile::LastResort lastResort;
        std::optional<QString> expected;
    };
    const QString cafe = QStringLiteral("caf\u00e9");
    const Case cases[] = {
        {"UTF-8 BOM is dropped",
         QByteArray("\xEF\xBB\xBF"
                    "caf\xC3\xA9"),
         TextFile::LastResort::None, cafe},
        {"UTF-16LE BOM",
         QByteArray("\xFF\xFE"
                    "c\0a\0f\0\xE9\0",
                    10),
         TextFile::LastResort::None, cafe},
        {"UTF-16BE BOM", QByteArray("\xFE\xFF\0c\0a\0f\0\xE9", 10), TextFile::LastResort::None, cafe},
        {"plain UTF-8", QByteArray("caf\xC3\xA9"), TextFile::LastResort::None, cafe},
        {"Windows-1252 curly quotes", QByteArray("\x93Hi\x94 \x80"), TextFile::LastResort::None,
         QStringLiteral("\u201cHi\u201d \u20ac")},
        {"Latin-1 single byte", QByteArray("caf\xE9"), TextFile::LastResort::None, cafe},
        {"undefined in Windows-1252, songs fall back to Latin-1", QByteArray("a\x81z"), TextFile::LastResort::Latin1,
         QStringLiteral("a\u0081z")},
        {"undefined in Windows-1252, other files fail", QByteArray("a\x81z"), TextFile::LastResort::None, std::nullopt},
        {"empty file", QByteArray(), TextFile::LastResort::None, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TextFile::decode(c.bytes, c.lastResort), c.expected) << c.what;
}

TEST(TextFile, WritesUtf8AndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("song.pro"));
    const QString text = QStringLiteral("{title: \u00c5se}\n[Am]\u041f\u0440\u0438\u0432\u0435\u0442");
    ASSERT_TRUE(TextFile::write(path, text));
    EXPECT_EQ(TestFiles::read(path), text.toUtf8());
    EXPECT_EQ(TextFile::read(path, TextFile::LastResort::None), text);
}

TEST(TextFile, ReportsFailuresInsteadOfSuccess)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(TextFile::read(dir.filePath(QStringLiteral("missing.pro")), TextFile::LastResort::Latin1, &error));
    EXPECT_FALSE(error.isEmpty());

    error.clear();
    EXPECT_FALSE(TextFile::write(dir.filePath(QStringLiteral("no/such/folder/x.pro")), QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}
