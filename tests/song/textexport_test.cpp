// Exporting a song as chord-over-lyrics text, plain text and rich text.
#include "attributedtext.h"
#include "song.h"

#include "fakeappcontext.h"
#include "logcapture.h"
#include "prefs.h"
#include "textmetrics.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

class TextExport : public ::testing::Test
{
protected:
    TextExport()
    {
        context.prefsObject = &prefs;
        prefs.textfontprefs()->setName(QStringLiteral("DejaVu Sans"));
        prefs.textfontprefs()->setSize(12);
        prefs.chordfontprefs()->setName(QStringLiteral("DejaVu Serif"));
        prefs.chordfontprefs()->setSize(11);
        prefs.chordfontprefs()->setColor(QColor(200, 0, 0));
    }

    QByteArray exported(bool (Song::*exportTo)(const QString &) const, const QString &text)
    {
        Song song;
        song.setText(text);
        const QString path = folder.filePath(QStringLiteral("out"));
        EXPECT_TRUE((song.*exportTo)(path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    Prefs prefs;
    FakeAppContext context;
    QTemporaryDir folder;
};

// Where each of the texts starts in a row, in points; the texts follow one another in the row's runs that
// have a font, and runs without attributes (the pads) lie between them.
std::vector<qreal> startsInRow(const AttributedText &row, const QStringList &texts)
{
    std::vector<qsizetype> offsets;
    qsizetype offset = 0;
    for (const QString &text : texts) {
        offsets.push_back(offset);
        offset += text.size();
    }
    std::vector<qreal> starts;
    qreal x = 0;
    qsizetype runOffset = 0;
    for (const AttributedText::Run &run : row.runs()) {
        const TextMetrics metrics(run.font.value_or(AttributedText::defaultFont()));
        if (run.font) {
            while (starts.size() < offsets.size() && offsets[starts.size()] < runOffset + run.text.size())
                starts.push_back(x + metrics.width(run.text.left(offsets[starts.size()] - runOffset)));
            runOffset += run.text.size();
        }
        x += metrics.width(run.text);
    }
    return starts;
}

// The chord row and the lyric row of a formatted chord line.
std::pair<AttributedText, AttributedText> rows(const AttributedText &text)
{
    std::pair<AttributedText, AttributedText> result;
    AttributedText *row = &result.first;
    for (const AttributedText::Run &run : text.runs()) {
        const QStringList lines = run.text.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                row = &result.second;
            AttributedText::Run part = run;
            part.text = lines[i];
            if (part.font)
                row->append(part.text, *part.font, part.color, part.centred);
            else
                row->appendPlain(part.text);
        }
    }
    return result;
}

// True when every unescaped "{" has its "}" and no "}" comes first.
bool bracesBalance(const QByteArray &rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\')
            ++i;
        else if (rtf[i] == '{')
            ++depth;
        else if (rtf[i] == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

} // namespace

TEST_F(TextExport, TabPutsChordsAboveTheirSyllables)
{
    struct Case
    {
        QString text;
        QString tab;
    };
    const Case cases[] = {
        {QStringLiteral("{title: Song}\n[G]Hi\n"), QStringLiteral("\nG\nHi\n")},
        {QStringLiteral("[C]Hello [Am7]wo[G]rld"), QStringLiteral("C     Am7 G\nHello wo--rld\n")},
        // A chord at the end stands above the end; two chords in a row stand one blank apart.
        {QStringLiteral("Go [G]\n[C][G]Hi"), QStringLiteral("   G\nGo \nC G\n  Hi\n")},
        // Comments keep their text, other directives leave an empty line, "#" lines leave nothing.
        {QStringLiteral("{c: Slowly}\n{ci: quiet}\n{cb: boxed}\n# note\nla [D]la"),
         QStringLiteral("Slowly\n\n\n   D\nla la\n")},
        {QStringLiteral("caf\u00e9 [Em]\u05e9\u05dc\u05d5\u05dd\r\nend"),
         QStringLiteral("     Em\ncaf\u00e9 \u05e9\u05dc\u05d5\u05dd\nend\n")},
        {QString(), QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(QString::fromUtf8(exported(&Song::exportTabtoURL, c.text)), c.tab) << c.text.toStdString();
}

TEST_F(TextExport, TxtIsThePlainText)
{
    Song song;
    song.setText(QStringLiteral("{title: Song}\n[C]Hello [G]world\n{ci: quiet}\n"));
    const QString path = folder.filePath(QStringLiteral("song.txt"));
    ASSERT_TRUE(song.exportTXTtoURL(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), song.plainText());
}

TEST_F(TextExport, FailedWritesAreReportedAndLogged)
{
    Song song;
    song.setText(QStringLiteral("[C]Hi"));
    const QString path = folder.filePath(QStringLiteral("missing/out"));
    const struct
    {
        bool (Song::*exportTo)(const QString &) const;
        QString message;
    } cases[] = {
        {&Song::exportTabtoURL, QStringLiteral("Could not export tab to ") + path + QStringLiteral(": ")},
        {&Song::exportTXTtoURL, QStringLiteral("Could not export txt to ") + path + QStringLiteral(": ")},
        {&Song::exportRTFtoURL, QStringLiteral("Could not export rtf to ") + path + QStringLiteral(": ")},
    };
    for (const auto &c : cases) {
        LogCapture log;
        EXPECT_FALSE((song.*c.exportTo)(path)) << c.message.toStdString();
        EXPECT_TRUE(log.hasLineStartingWith(c.message)) << log.lines().join(u'\n').toStdString();
    }
}

TEST_F(TextExport, RtfHoldsTitlesAndLyricsInTheSettingsFonts)
{
    const QByteArray rtf = exported(&Song::exportRTFtoURL, QStringLiteral("{title: R\u00e9ve {1}}\n{st: Band}\n"
                                                                          "# hidden\n{c: Slowly}\n"
                                                                          "[Am]Hel[C]lo wo\\rld\n"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.constData();
    EXPECT_TRUE(bracesBalance(rtf)) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\pard\\qc {\\f1\\fs36\\cf0 R\\u233?ve \\{1}\\par")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\pard\\qc {\\f1\\fs29\\cf0 Band}\\par")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\pard\\ql {\\f1\\fs24\\cf0 Slowly}\\par")) << rtf.constData();
    EXPECT_FALSE(rtf.contains("hidden"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil Helvetica;}{\\f1\\fnil DejaVu Sans;}{\\f2\\fnil DejaVu Serif;}}"))
        << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red200\\green0\\blue0;}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\f2\\fs22\\b\\cf1 Am}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\f1\\fs24\\cf0 Hel}")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\f1\\fs24\\cf0 lo\\u160?wo\\\\rld}")) << rtf.constData();
}

TEST_F(TextExport, RtfWithLyricsOnlyJoinsThePieces)
{
    prefs.setShowlyricsonly(true);
    const QByteArray rtf = exported(&Song::exportRTFtoURL, QStringLiteral("Hel[C]lo\n"));
    EXPECT_TRUE(rtf.contains("{\\f1\\fs24\\cf0 Hel lo}\\par")) << rtf.constData();
    EXPECT_FALSE(rtf.contains("\\cf1"));
}

TEST_F(TextExport, RtfOfALineWithAnUnclosedChordKeepsItsText)
{
    const QByteArray rtf = exported(&Song::exportRTFtoURL, QStringLiteral("Hello [C]wor[ld\n"));
    EXPECT_TRUE(rtf.contains("wor[ld")) << rtf.constData();
    EXPECT_TRUE(bracesBalance(rtf));
}

TEST_F(TextExport, ChordRowStandsAboveTheLyricRowPairByPair)
{
    AttributedText pad;
    pad.appendPlain(QStringLiteral("\u00a0"));
    const qreal padWidth = Song::widthOfWord(&pad);
    ASSERT_GT(padWidth, 0);
    struct Case
    {
        QStringList chords;
        QStringList lyrics;
    };
    const Case cases[] = {
        {{"", "C", "Am7"}, {"Hello ", "wo", "rld"}},
        // Chords wider than their syllables stay apart from the next chord.
        {{"Cmaj7", "G", "Dsus4", "E"}, {"a", "b", "", "c"}},
        {{"C", "G"}, {"", "Hi"}},
        {{"G"}, {"Go "}},
    };
    Song song;
    for (const Case &c : cases) {
        const auto [chordRow, lyricRow] = rows(song.formattedTextForChordLine(c.chords, c.lyrics));
        QStringList paddedLyrics = c.lyrics;
        paddedLyrics.replaceInStrings(QStringLiteral(" "), QStringLiteral("\u00a0"));
        const std::vector<qreal> chordStarts = startsInRow(chordRow, c.chords);
        const std::vector<qreal> lyricStarts = startsInRow(lyricRow, paddedLyrics);
        const TextMetrics chordMetrics(prefs.chordfontprefs()->fontWithScale(1.0f));
        for (qsizetype i = 0; i < c.chords.size(); ++i) {
            if (c.chords[i].isEmpty() || c.lyrics[i].isEmpty())
                continue;
            EXPECT_NEAR(chordStarts[i], lyricStarts[i], padWidth) << c.chords.join(u' ').toStdString() << " " << i;
            if (i > 0 && !c.chords[i - 1].isEmpty())
                EXPECT_GT(chordStarts[i], chordStarts[i - 1] + chordMetrics.width(c.chords[i - 1]))
                    << c.chords.join(u' ').toStdString() << " " << i;
        }
        EXPECT_NEAR(Song::widthOfWord(&chordRow), Song::widthOfWord(&lyricRow), padWidth);
    }
    // Lists of different lengths are paired as far as both go.
    const auto [chordRow, lyricRow] = rows(song.formattedTextForChordLine({"C", "G"}, {"la"}));
    EXPECT_EQ(chordRow.string().remove(QChar(0x00a0)), QStringLiteral("C"));
    EXPECT_EQ(Song::widthOfWord(nullptr), 0);
}
