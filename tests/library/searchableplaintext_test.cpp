// The plain text a song is searched by, made in one pass, is exactly the markup pattern's plain text folded.
#include "searchableplaintext.h"

#include "searchtext.h"
#include "song.h"

#include <gtest/gtest.h>

namespace {

QByteArray byPattern(const QString &text)
{
    return SearchText::folded(Song::plainTextOf(text)).toUtf8();
}

} // namespace

TEST(SearchablePlainText, IsThePatternsPlainTextFolded)
{
    // Each text is one way markup can stand; the pattern's answer is the one to give.
    const char16_t *texts[] = {
        u"",
        u"Plain Words ONLY",
        // chords in brackets, closed and not, across lines, nested, empty
        u"[Em]Walking down the [G]road\n[Am]",
        u"an [open chord\nthen] more",
        u"[[C]] and []x[",
        u"[C\r]x] and [D]y",
        // directives: kept text of {c...: } openings, dropped others, stray braces
        u"{title: Heart of Gold}\n{c: Caf\u00e9 au lait}\n{comment_italic:Slow}",
        u"{c:a:b} {c  : spaced} {c\tx :y} {cx} {c}",
        u"{c:no close\n{ci: x}}",
        u"{C: upper is no c}{start_of_chorus}\n}stray{",
        u"{key: Am}{time: 3:4}{c:x}y:z} {c}:after",
        u"{open directive\nclosed}",
        u"{c x: a} {c x y: b} {cx:y z:w}",
        // comment lines at the start of a line only, with every line ending
        u"# a comment\nkept # not a comment\n#another\r\nlast\r#mac\rend",
        u"#only",
        u"line\n#\n#\n",
        u"x\r\n# after crlf\r\ny",
        // tabs, accents, case and scripts beyond ASCII
        u"\tTabbed\tline\t\n[C]\u00c9t\u00e9 \u00e0 PARIS",
        u"e\u0301 [C]\u0301a\u0300 \u00df \u0130stanbul \u03a3\u039f\u03a3",
        u"\u65e5\u672c\u8a9e [Am]\u6b4c\u8a5e {c: \u00dcber}",
        u"caf[C]\u00e9 Stra\u00dfe \ufb01ne \u212b",
        // marks that reorder across characters: spacing ones, and characters decomposing to marks alone
        u"\u1100\u302f\u0301\u302e x\u302f\u0f73\u302e \u0f73\u0f71\u0300",
        u"\ud55c\uad6d\uc5b4 \u0410\u0411\u0412 \u0391\u0390\u1f88 \u0130\u0131 \u01c5\u1e9e",
        // line breaks, spaces and characters the pass leaves to the pattern
        u"[C\u2028]x {c\u00a0: y} {c:z\u0085w}",
        u"#note\u2029kept\u000bthen\u000c# more",
        u"emoji \U0001F3B8 [C]guitar",
        u"{c\u3000:wide space}",
    };
    QStringList songTexts;
    for (const char16_t *text : texts)
        songTexts.append(QString::fromUtf16(text));
    songTexts.append(QStringLiteral("a lone half ") + QChar(0xd800) + QStringLiteral("[C]of a character"));
    for (const QString &songText : std::as_const(songTexts)) {
        EXPECT_EQ(SearchablePlainText::of(songText), byPattern(songText)) << songText.toStdString();
    }
}

TEST(SearchablePlainText, FoldsAsTheSearchDoes)
{
    const char16_t *texts[] = {
        u"",
        u"Heart of GOLD",
        u"Caf\u00e9 \u00c5ngstr\u00f6m Stra\u00dfe na\u00efve",
        u"e\u0301 A\u030a \u0130\u0131 \u03a3\u039f\u03a3 \u1f88\u0390 \ufb01",
        u"\u1100\u302f\u0301\u302e\u0f73\u302e \ud55c\uad6d \u65e5\u672c",
        u"F#m Bb/D {c: x} [C] \t\u00a0\u2028",
        u"\U0001F3B8 \U0001D400",
    };
    for (const char16_t *text : texts) {
        const QString field = QString::fromUtf16(text);
        EXPECT_EQ(SearchablePlainText::folded(field), SearchText::folded(field).toUtf8()) << field.toStdString();
    }
    // Texts folded one after the other, each closed by its byte, fold as each does alone: marks at the start of
    // one never move into the one before.
    for (size_t first = 0; first < std::size(texts); ++first) {
        const QString a = QString::fromUtf16(texts[first]);
        const QString b = QString::fromUtf16(texts[(first + 4) % std::size(texts)]);
        const QString c = QStringLiteral("\u0301") + a;
        EXPECT_EQ(SearchablePlainText::foldedEach({a, b, c}, '|'), SearchText::folded(a).toUtf8() + '|' +
                                                                       SearchText::folded(b).toUtf8() + '|' +
                                                                       SearchText::folded(c).toUtf8() + '|')
            << a.toStdString();
    }
}

TEST(SearchablePlainText, GivesThePatternsAnswerForEverySampleSong)
{
    // A longer text mixing every kind of markup, read with each line ending.
    const QString song =
        QStringLiteral("{title: Ångström Blues}\n{subtitle: The Band}\n{key: F#m}\n# arranged for two guitars\n"
                       "{start_of_verse}\n[F#m]Über den [D]Wolken, [A/C#]naïve\t[E7]heart\n{c: Chorus x2}\n"
                       "{comment_box:Slow down}\n[N.C.]Señor [Bb]{ci:quiet}words}\n{end_of_verse}\n#end\n");
    for (const QString &lineEnd : {QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("\r")}) {
        const QString text = QString(song).replace(QLatin1Char('\n'), lineEnd);
        EXPECT_EQ(SearchablePlainText::of(text), byPattern(text)) << text.toStdString();
    }
}

TEST(SearchablePlainText, GivesThePatternsAnswerForTextsMadeOfMarkupPieces)
{
    // The pieces the pass takes its decisions on, joined in many orders: runs of plain ASCII longer and shorter
    // than the eight characters looked at together, markup starting and ending anywhere within them.
    const char16_t *pieces[] = {
        u"[",
        u"]",
        u"{",
        u"}",
        u"#",
        u"c",
        u"C",
        u":",
        u" ",
        u"\t",
        u"\n",
        u"\r",
        u"\r\n",
        u"Word ",
        u"\u00e9",
        u"e\u0301",
        u"\u0301",
        u"{c:",
        u"{ci ",
        u"{title: ",
        u"[Am]",
        u"\u00df",
        u"A LONGER PLAIN LINE, OF TEXT! ",
        u"x7~@`Z",
    };
    quint32 state = 12345;
    const auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int count = 0; count < 1000; ++count) {
        QString songText;
        for (quint32 piece = next() % 48; piece > 0; --piece)
            songText += QString::fromUtf16(pieces[next() % std::size(pieces)]);
        EXPECT_EQ(SearchablePlainText::of(songText), byPattern(songText)) << songText.toStdString();
    }
}
