// Widths of plain Latin text summed from its characters and the pairs they form, each shaped once per font.
#pragma once

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// At the magnified size text is measured at, Qt keeps no glyph in its cache (the glyphs are too large for it):
// shaping a new word loads each of its glyphs' advances from the font file again. A song's first layout met
// each of its words new. Text in the Latin script shapes pair by pair (kerning between neighbours, no glyph
// substituted), so its advance is the sum of its characters' advances and of the kerning of its neighbouring
// pairs: Qt adds advances in 1/64 of a device pixel, so the sum is the advance it gives the whole text, to the
// last bit. A character's advance comes from shaping it alone, a pair's kerning from the first text shaped whole
// that holds it. Other scripts, marks, controls, text whose shaping substitutes glyphs (a ligature) and text
// without a Latin letter are left to Qt's shaping of the whole text.
class CharAdvances
{
public:
    // `measured`: the font as text is measured in it on the reference device (TextMetrics::measuredFont).
    explicit CharAdvances(const QFont &measured);

    // The text's advance on the reference device, or nothing when Qt must shape it.
    std::optional<qreal> width(QStringView text);
    // Shapes the characters now, and learns the kerning of every pair of the pair characters, so that later
    // text in them finds them ready.
    void prepare(QStringView characters, QStringView pairCharacters);

private:
    // Advances in 1/64 of a reference-device pixel, Qt's own unit.
    struct Glyph
    {
        quint32 index = 0;
        qint64 advance = 0;
    };

    // Nothing for a character that needs its text shaped whole.
    std::optional<Glyph> character(char16_t c);
    // Shapes the text whole and returns its advance; learns the kerning of its pairs when its glyphs are its
    // characters' own (`learnt`).
    qreal learnPairs(QStringView text, bool *learnt = nullptr);
    // Learns the pairs of a long text piece by piece, down to the pieces that substitute glyphs.
    void learnEveryPair(QStringView text);

    QFont m_font;
    bool m_prepared = false;
    QHash<char16_t, std::optional<Glyph>> m_characters;
    // Kerning of the pairs learnt, keyed by their first character in the high half.
    QHash<quint32, qint64> m_pairs;
};
