// Widths summed from characters and pairs must be Qt's own advance of the whole text, to the last bit.
#include "charadvances.h"

#include "textmetrics.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

QFont measuredDejaVu(double points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return TextMetrics::measuredFont(font);
}

// Kerned pairs (AV, To, Wa), ligatures (fi, fl, ffi), accents, quotes, chord names, spaces at either end, and
// texts that reuse pairs learnt from the ones before them.
const QString kWords[] = {
    QStringLiteral("AVATAR"),      QStringLiteral("Tom"),         QStringLiteral("To."),
    QStringLiteral("Wave,"),       QStringLiteral("WAVE"),        QStringLiteral("office"),
    QStringLiteral("fire"),        QStringLiteral("flow"),        QStringLiteral("fjord"),
    QStringLiteral("naïve"),       QStringLiteral("café"),        QStringLiteral("Zoë"),
    QStringLiteral("rock’n’roll"), QStringLiteral("“Yes”"),       QStringLiteral("x--y"),
    QStringLiteral("Am7"),         QStringLiteral("G/B"),         QStringLiteral("C#m7b5"),
    QStringLiteral("(Dsus4)"),     QStringLiteral("Well, well"),  QStringLiteral("trailing "),
    QStringLiteral(" leading"),    QStringLiteral("Ævar Łukasz"), QStringLiteral("AVAVAV"),
};

void expectQtsAdvance(CharAdvances &advances, const QFont &measured)
{
    const QFontMetricsF metrics(measured, TextMetrics::referenceDevice());
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString &word : kWords) {
            const std::optional<qreal> summed = advances.width(word);
            EXPECT_EQ(summed.value_or(metrics.horizontalAdvance(word)), metrics.horizontalAdvance(word))
                << qPrintable(word) << " pass " << pass;
        }
    }
}

} // namespace

TEST(CharAdvances, SumsToQtsAdvanceLearningPairsFromWords)
{
    const QFont measured = measuredDejaVu(12);
    CharAdvances advances(measured);
    expectQtsAdvance(advances, measured);
}

TEST(CharAdvances, SumsToQtsAdvanceWithEveryPairPrepared)
{
    const QFont measured = measuredDejaVu(9.5);
    CharAdvances advances(measured);
    advances.prepare(QStringLiteral("abcdefghijklmnopqrstuvwxyzAVTW .,'"),
                     QStringLiteral("abcdefghijklmnopqrstuvwxyzAVTW .,'"));
    expectQtsAdvance(advances, measured);
}

TEST(CharAdvances, SumsPlainLatinText)
{
    CharAdvances advances(measuredDejaVu(12));
    advances.width(QStringLiteral("hello"));
    EXPECT_TRUE(advances.width(QStringLiteral("hello")));
    EXPECT_TRUE(advances.width(QStringLiteral("hell")));
}

TEST(CharAdvances, LeavesOtherTextToQt)
{
    const QString texts[] = {
        QString(),
        QStringLiteral("1234"), // no letter: shaped in no script
        QStringLiteral("..."),
        QStringLiteral("e\u0301t\u00E9"),           // a combining mark
        QStringLiteral("\u05E9\u05DC\u05D5\u05DD"), // Hebrew
        QStringLiteral("a\tb"),                     // a control
        QStringLiteral("sing\u00ADing"),            // a soft hyphen
        QStringLiteral("zero\u200Bwidth"),
    };
    CharAdvances advances(measuredDejaVu(12));
    for (const QString &text : texts)
        EXPECT_FALSE(advances.width(text)) << qPrintable(text);
}
