// File names whose bytes need not be UTF-8 keep their bytes through a QString.
#include "filename.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    QByteArray bytes;
    QString shown; // what a person reads
    bool raw;      // holds bytes that are not UTF-8
};

QString withReplacement(const char *before, const char *after)
{
    return QString::fromUtf8(before) + QChar(QChar::ReplacementCharacter) + QString::fromUtf8(after);
}

} // namespace

TEST(FileNameTest, EveryNameComesBackAsItsOwnBytes)
{
    const QString twice = withReplacement("", "") + withReplacement("", "");
    const NameCase cases[] = {
        {"song.pro", QStringLiteral("song.pro"), false},
        {"S\xC3\xA4nger.pro", QStringLiteral("Sänger.pro"), false},
        {"\xF0\x9F\x8E\xB8 riff.pro", QString::fromUtf8("\xF0\x9F\x8E\xB8 riff.pro"), false},
        {"caf\xE9.pro", withReplacement("caf", ".pro"), true},                     // a Latin-1 byte
        {"\x80\xBF.pro", twice + QStringLiteral(".pro"), true},                    // lone continuation bytes
        {"\xC0\xAF.pro", twice + QStringLiteral(".pro"), true},                    // an overlong '/'
        {"\xE0\x80\xAF", twice + withReplacement("", ""), true},                   // an overlong three-byte form
        {"\xED\xA0\x80x", twice + withReplacement("", "x"), true},                 // an encoded surrogate
        {"\xF4\x90\x80\x80", twice + twice, true},                                 // beyond U+10FFFF
        {"ab\xE2\x82", withReplacement("ab", "") + withReplacement("", ""), true}, // cut short at the end
        {"\xEF\xBF\xBD.pro", withReplacement("", ".pro"), false},                  // a valid name holding U+FFFD itself
        {"\xEF\xBF\xBD\xE9", withReplacement("", "") + withReplacement("", ""), true},
        {"/home/x/\xE9t\xE9/Caf\xC3\xA9 \xE9.pro",
         withReplacement("/home/x/", "t") + withReplacement("", "/Café ") + withReplacement("", ".pro"), true},
    };
    for (const NameCase &c : cases) {
        SCOPED_TRACE(c.bytes.toHex(' ').toStdString());
        const QString name = FileName::fromBytes(c.bytes);
        EXPECT_EQ(FileName::toBytes(name), c.bytes);
        EXPECT_EQ(FileName::displayName(name), c.shown);
        EXPECT_EQ(FileName::hasRawBytes(name), c.raw);
        // Two names of different bytes never read as one.
        if (c.raw)
            EXPECT_NE(name, QString::fromUtf8(c.bytes));
        else
            EXPECT_EQ(name, QString::fromUtf8(c.bytes));
    }
}

TEST(FileNameTest, OrdinaryTextIsWrittenAsUtf8)
{
    // A pair of surrogates whose second half lies in the escape range is one character, not a raw byte.
    const QString pair = QString::fromUtf8("\xF0\x90\xB2\x80"); // U+10C80: D803 DC80
    ASSERT_EQ(pair.size(), 2);
    EXPECT_FALSE(FileName::hasRawBytes(pair));
    EXPECT_EQ(FileName::toBytes(pair), pair.toUtf8());
    EXPECT_EQ(FileName::displayName(pair), pair);
    EXPECT_EQ(FileName::toBytes(QStringLiteral("Müller – Lied.pro")), QStringLiteral("Müller – Lied.pro").toUtf8());
}
