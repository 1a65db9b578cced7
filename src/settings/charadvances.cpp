// Widths of plain Latin text from the advances of its characters and the kerning of their pairs.
#include "charadvances.h"

#include "textmetrics.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include <cmath>

namespace {

// Qt's unit of advance: 1/64 of a device pixel.
constexpr qreal kUnitsPerPixel = 64;
// Pairs learnt are kept, but not without end.
constexpr qsizetype kKeptPairs = 50000;
// Qt shapes a longer text in several items, with no kerning between them: text learnt from is kept shorter.
constexpr qsizetype kLongestLearnt = 1024;

// Characters that shape on their own in the Latin script or take the script of the letters beside them: printable
// ASCII, the Latin letters and signs up to Latin Extended-B (no soft hyphen, which Qt shapes by its context) and
// the dashes, quotes and dots of general punctuation. No controls, marks, spaces of other widths or joiners.
bool isPlain(char16_t c)
{
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0x24F && c != 0xAD) || (c >= 0x2010 && c <= 0x2027);
}

bool isLatin(char16_t c)
{
    return QChar::script(c) == QChar::Script_Latin;
}

// A text holding every ordered pair of the characters once (a de Bruijn sequence of order 2).
QString everyPairOf(QStringView characters)
{
    const qsizetype count = characters.size();
    QString text;
    // Lyndon words of length 1 or 2 in order, each written out, give every pair once around a cycle.
    for (qsizetype first = 0; first < count; ++first) {
        text += characters[first];
        for (qsizetype second = first + 1; second < count; ++second) {
            text += characters[first];
            text += characters[second];
        }
    }
    if (!text.isEmpty())
        text += text.front();
    return text;
}

quint32 pairKey(QChar first, QChar second)
{
    return quint32(first.unicode()) << 16 | second.unicode();
}

std::optional<qint64> inUnits(qreal advance)
{
    const qreal units = advance * kUnitsPerPixel;
    if (units != std::round(units))
        return std::nullopt;
    return qint64(units);
}

// The stand-in font Qt shapes a character no installed font has with is no font file: it has no tables.
bool isStandIn(const QGlyphRun &run)
{
    return run.rawFont().fontTable("head").isEmpty();
}

// The text shaped whole as QFontMetricsF::horizontalAdvance() shapes it: its advance, and its glyphs with their
// positions from the left, or no glyphs when a character has no font.
struct Shaped
{
    qreal advance = 0;
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

Shaped shape(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font, TextMetrics::referenceDevice());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    // Text that ends in a space counts it, as QFontMetricsF::horizontalAdvance() does.
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    // Keeps the glyphs shaped for the line for its glyph runs, rather than shaping the text again for them.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    Shaped shaped{line.horizontalAdvance(), {}, {}};
    for (const QGlyphRun &run : layout.glyphRuns()) {
        if (isStandIn(run))
            return {shaped.advance, {}, {}};
        shaped.glyphs.append(run.glyphIndexes());
        shaped.positions.append(run.positions());
    }
    return shaped;
}

} // namespace

CharAdvances::CharAdvances(const QFont &measured)
    : m_font(measured)
{}

std::optional<qreal> CharAdvances::width(QStringView text)
{
    bool hasLetter = false;
    bool pairsKnown = true;
    qint64 total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const std::optional<Glyph> glyph = character(c);
        if (!glyph)
            return std::nullopt;
        total += glyph->advance;
        hasLetter = hasLetter || isLatin(c);
        if (i == 0 || !pairsKnown)
            continue;
        const auto kerning = m_pairs.constFind(pairKey(text[i - 1], text[i]));
        pairsKnown = kerning != m_pairs.constEnd();
        if (pairsKnown)
            total += *kerning;
    }
    // Text of punctuation or digits alone is shaped in no script, which may kern it otherwise than in a word.
    if (!hasLetter)
        return std::nullopt;
    if (!pairsKnown)
        return learnPairs(text);
    return total / kUnitsPerPixel;
}

void CharAdvances::prepare(QStringView characters, QStringView pairCharacters)
{
    // Several of a song's fonts are often one font.
    if (m_prepared)
        return;
    m_prepared = true;
    for (const QChar c : characters)
        character(c.unicode());
    learnEveryPair(everyPairOf(pairCharacters));
}

void CharAdvances::learnEveryPair(QStringView text)
{
    if (text.size() < 2)
        return;
    bool learnt = false;
    if (text.size() <= kLongestLearnt)
        learnPairs(text, &learnt);
    // A pair that substitutes glyphs is never learnt: text holding it is shaped whole.
    if (learnt || text.size() == 2)
        return;
    // The halves share a character, so that the pair across them is learnt too.
    const qsizetype half = text.size() / 2;
    learnEveryPair(text.first(half + 1));
    learnEveryPair(text.sliced(half));
}

std::optional<CharAdvances::Glyph> CharAdvances::character(char16_t c)
{
    const auto known = m_characters.constFind(c);
    if (known != m_characters.constEnd())
        return *known;
    std::optional<Glyph> glyph;
    if (isPlain(c)) {
        const Shaped shaped = shape(QString(QChar(c)), m_font);
        const std::optional<qint64> advance = inUnits(shaped.advance);
        if (shaped.glyphs.size() == 1 && advance)
            glyph = Glyph{shaped.glyphs.first(), *advance};
    }
    m_characters.insert(c, glyph);
    return glyph;
}

qreal CharAdvances::learnPairs(QStringView text, bool *learnt)
{
    const Shaped shaped = shape(text.toString(), m_font);
    if (shaped.glyphs.size() != text.size())
        return shaped.advance;
    // Each glyph's kerning with the next: its advance as shaped in the text less its own.
    QList<qint64> kernings;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qreal next = i + 1 < text.size() ? shaped.positions[i + 1].x() : shaped.advance;
        const std::optional<qint64> advance = inUnits(next - shaped.positions[i].x());
        const std::optional<Glyph> own = character(text[i].unicode());
        if (!advance || !own || own->index != shaped.glyphs[i])
            return shaped.advance;
        kernings.append(*advance - own->advance);
    }
    // The last glyph kerns with nothing: were its advance changed, the text shaped otherwise than pair by pair.
    if (kernings.last() != 0)
        return shaped.advance;
    if (m_pairs.size() >= kKeptPairs)
        m_pairs.clear();
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        m_pairs.insert(pairKey(text[i], text[i + 1]), kernings[i]);
    if (learnt)
        *learnt = true;
    return shaped.advance;
}
