// One fingering of a chord: its definition string, the values a diagram needs, its notes and comparisons.
#include "chord.h"

#include "instrument.h"

#include <QStringView>

#include <algorithm>
#include <optional>

static_assert(std::tuple_size_v<Chord::Strings> == Instrument::maxStrings);

namespace {

// Far beyond any fret, yet small enough that adding two of them cannot overflow.
constexpr qint64 kIntegerLimit = qint64(1) << 40;

// The integer a piece of a definition starts with (optional sign, then digits), saturating; nothing when it
// does not start with one.
std::optional<qint64> leadingInteger(QStringView piece)
{
    qsizetype i = 0;
    const bool negative = i < piece.size() && piece[i] == u'-';
    if (i < piece.size() && (piece[i] == u'-' || piece[i] == u'+'))
        ++i;
    const qsizetype digitsStart = i;
    qint64 value = 0;
    for (; i < piece.size() && piece[i] >= u'0' && piece[i] <= u'9'; ++i)
        value = std::min(value * 10 + (piece[i].unicode() - u'0'), kIntegerLimit);
    if (i == digitsStart)
        return std::nullopt;
    return negative ? -value : value;
}

bool isMuteMark(QStringView piece)
{
    return piece == u"x" || piece == u"X";
}

QList<QStringView> splitAtBlanks(QStringView text)
{
    QList<QStringView> pieces;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || text[i] == u' ' || text[i] == u'\t';
        if (blank && start >= 0) {
            pieces.append(text.mid(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return pieces;
}

// The value of one fret piece of a definition, relative to the base fret.
qint64 fretPieceValue(QStringView piece, qint64 baseFret)
{
    if (isMuteMark(piece))
        return Chord::muted;
    if (piece == u"15")
        return Chord::fretFifteen;
    if (piece == u"0")
        return 0;
    const qint64 value = leadingInteger(piece).value_or(0) + baseFret;
    // A relative piece that lands on fret 15 means that fret, not a muted string.
    return value == Chord::muted ? Chord::fretFifteen : value;
}

bool isStorableValue(qint64 value)
{
    return value >= Chord::lowestValue && value <= Chord::highestValue;
}

} // namespace

Chord Chord::fromDefinition(const QString &definition)
{
    Chord chord;
    QList<QStringView> pieces = splitAtBlanks(definition);
    if (pieces.isEmpty())
        return chord;
    // A "*" at the end marks a favourite; glued to the last fret or standing alone, it is no fret itself.
    const bool starred = pieces.size() >= 2 && pieces.back().endsWith(u'*');
    if (starred) {
        pieces.back().chop(1);
        if (pieces.back().isEmpty())
            pieces.removeLast();
    }
    chord.m_title = pieces.front().toString();
    qsizetype next = 1;
    // An optional word may stand between the title and the base fret.
    if (next < pieces.size() && !leadingInteger(pieces[next]))
        ++next;
    if (next >= pieces.size())
        return chord;
    qint64 baseFret = leadingInteger(pieces[next]).value_or(0);
    if (baseFret == 1)
        baseFret = 0;
    ++next;
    // And another between the base fret and the frets.
    if (next < pieces.size() && !leadingInteger(pieces[next]) && !isMuteMark(pieces[next]))
        ++next;
    if (next >= pieces.size())
        return chord;

    Strings values;
    for (int &value : values) {
        const qint64 read = next < pieces.size() ? fretPieceValue(pieces[next++], baseFret) : muted;
        if (!isStorableValue(read))
            return chord; // refused: the title alone, no fingering, so the chord is not valid
        value = int(read);
    }
    chord.m_strings = values;
    chord.m_favorite = starred;
    return chord;
}

int Chord::definitionBaseFret(const Instrument &instrument) const
{
    const int preferred = baseFret(instrument) == 1 ? 0 : baseFret(instrument);
    // Relative to the preferred base, a fret could come out as "0" (read as open) or "15" (read as fret 15);
    // keyboard chords, whose base may be negative, can meet that. Absolute values (base 0) always read back.
    for (int s = 0; s < stringCount(instrument); ++s) {
        const int value = m_strings[s];
        if (value == 0 || value == muted)
            continue;
        const qint64 piece = qint64(value) - preferred;
        if (piece == 0 || (piece == muted && value != fretFifteen))
            return 0;
    }
    return preferred;
}

QString Chord::definition(const Instrument &instrument) const
{
    const int base = definitionBaseFret(instrument);
    QString text = m_title + u' ' + QString::number(base);
    for (int s = 0; s < stringCount(instrument); ++s) {
        const int value = m_strings[s];
        if (value == 0)
            text += QStringLiteral(" 0");
        else if (value == muted)
            text += QStringLiteral(" x");
        else
            text += u' ' + QString::number(qint64(value) - base);
    }
    if (m_favorite)
        text += QStringLiteral(" *");
    return text;
}

bool Chord::valid() const
{
    return !m_title.isEmpty() && std::any_of(m_strings.begin(), m_strings.end(), [](int v) { return v != 0; });
}

void Chord::updateFromChord(const Chord &other)
{
    m_title = other.m_title;
    m_editable = other.m_editable;
    m_favorite = other.m_favorite;
    m_strings = other.m_strings;
}

int Chord::stringCount(const Instrument &instrument)
{
    return qBound(0, instrument.numstrings(), Instrument::maxStrings);
}

int Chord::soundingFret(int value, const Instrument &instrument)
{
    const int fret = fretOfValue(value);
    return instrument.hasDiatonicFrets() ? int(mountainDulcimerString(fret)) : fret;
}

int Chord::stringAt(int column, const Instrument &instrument, const ChordDisplayOptions &options) const
{
    const int string = instrument.stringForColumn(column, options);
    return string < 0 ? muted : m_strings[string];
}

void Chord::setStringAt(int column, int value, const Instrument &instrument, const ChordDisplayOptions &options)
{
    const int string = instrument.stringForColumn(column, options);
    if (string >= 0)
        m_strings[string] = value;
}

bool Chord::isBaseAt(qint64 column, const Instrument &instrument, const ChordDisplayOptions &options) const
{
    const int string = instrument.stringForColumn(column, options);
    if (string < 0 || m_strings[string] == muted)
        return false;
    const int sounding = instrument.tunedToneForString(string) + soundingFret(m_strings[string], instrument);
    return ((sounding % 12) + 12) % 12 == tone();
}

QList<Note> Chord::notes(const Instrument &instrument) const
{
    QList<Note> notes;
    for (int s = 0; s < stringCount(instrument); ++s)
        if (m_strings[s] != muted)
            notes.append(Note(instrument.tunedToneForString(s) + soundingFret(m_strings[s], instrument)));
    std::sort(notes.begin(), notes.end());
    return notes;
}

std::set<int> Chord::baseTones(const Instrument &instrument) const
{
    std::set<int> tones;
    for (int s = 0; s < stringCount(instrument); ++s) {
        if (m_strings[s] == muted)
            continue;
        const int sounding = instrument.baseToneForString(s) + soundingFret(m_strings[s], instrument);
        tones.insert(((sounding % 12) + 12) % 12);
    }
    return tones;
}

QString Chord::description(const Instrument &instrument) const
{
    QString text = m_title;
    for (int s = 0; s < stringCount(instrument); ++s) {
        const int value = m_strings[s];
        text += u' ';
        if (value == muted)
            text += u'x';
        else
            text += QString::number(fretOfValue(value));
    }
    return text;
}

int Chord::baseFret(const Instrument &instrument) const
{
    int highest = 0;
    int lowest = muted;
    for (int s = 0; s < stringCount(instrument); ++s) {
        const int value = m_strings[s];
        if (value != muted && value != fretFifteen)
            highest = std::max(highest, value);
        if (value != 0 && value != fretFifteen)
            lowest = std::min(lowest, value);
    }
    // Chords within the first five frets are drawn from the nut.
    return highest < 6 ? 0 : lowest - 1;
}

QString Chord::baseFretAsString(const Instrument &instrument) const
{
    const int base = baseFret(instrument);
    return base == 0 ? QString() : QString::number(base + 1);
}

int Chord::numFrets(const Instrument &instrument) const
{
    int highest = 0;
    for (int s = 0; s < stringCount(instrument); ++s)
        if (m_strings[s] != muted)
            highest = std::max(highest, fretOfValue(m_strings[s]));
    return std::max(highest - baseFret(instrument), 4);
}

bool Chord::operator==(const Chord &other) const
{
    return m_title == other.m_title && m_strings == other.m_strings;
}

int Chord::compare(const Chord &other, const Instrument &instrument) const
{
    if (m_favorite != other.m_favorite)
        return m_favorite ? -1 : 1;
    if (m_editable != other.m_editable)
        return m_editable ? 1 : -1;
    const int base = baseFret(instrument);
    const int otherBase = other.baseFret(instrument);
    return base < otherBase ? -1 : (base > otherBase ? 1 : 0);
}

bool Chord::isIdenticalToChord(const Chord &other, const Instrument &instrument) const
{
    for (int s = 0; s < stringCount(instrument); ++s) {
        const int a = m_strings[s];
        const int b = other.m_strings[s];
        if (a != muted && b != muted && a != b)
            return false;
    }
    return true;
}

bool Chord::barreFromString(int &fromString, int &toString, int &onFret, const Instrument &instrument) const
{
    const int n = stringCount(instrument);
    const int fretted =
        int(std::count_if(m_strings.begin(), m_strings.begin() + n, [](int v) { return v != 0 && v != muted; }));
    if (fretted < 5 || n < 2)
        return false;
    int lowestSoFar = muted; // the lowest non-zero value of the strings up to s
    for (int s = 0; s < n - 1; ++s) {
        const int fret = m_strings[s];
        if (fret != 0)
            lowestSoFar = std::min(lowestSoFar, fret);
        if (fret == 0 || fret == muted)
            continue;
        // The barre reaches from s to the last later string on the same fret, with nothing lower after s
        // (an open string is lower) and nothing lower before it.
        int last = -1;
        bool blocked = false;
        for (int later = s + 1; later < n && !blocked; ++later) {
            if (m_strings[later] < fret)
                blocked = true;
            else if (m_strings[later] == fret)
                last = later;
        }
        if (!blocked && last >= 0 && lowestSoFar >= fret) {
            fromString = s;
            toString = last;
            onFret = fret;
            return true;
        }
    }
    return false;
}
