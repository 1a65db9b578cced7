// The rules of chord names: roots and tones, spelling, transposition, library keys, naming and Nashville numbers.
#include "chord.h"

#include "chords.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace {

struct RootTone
{
    const char16_t *root;
    int tone;
};

// Every spelling of a root that a chord name may use (H is the German B).
constexpr RootTone kRootTones[] = {
    {u"C", 0},  {u"C#", 1}, {u"Db", 1},  {u"D", 2},   {u"D#", 3}, {u"Eb", 3}, {u"E", 4},
    {u"Fb", 4}, {u"F", 5},  {u"E#", 5},  {u"F#", 6},  {u"Gb", 6}, {u"G", 7},  {u"G#", 8},
    {u"Ab", 8}, {u"A", 9},  {u"Bb", 10}, {u"A#", 10}, {u"B", 11}, {u"H", 11}, {u"Cb", 11},
};

constexpr const char16_t *kDefaultSpelling[12] = {u"C",  u"C#", u"D",  u"Eb", u"E",  u"F",
                                                  u"F#", u"G",  u"Ab", u"A",  u"Bb", u"B"};
constexpr const char16_t *kSharpSpelling[12] = {u"C",  u"C#", u"D",  u"D#", u"E",  u"F",
                                                u"F#", u"G",  u"G#", u"A",  u"A#", u"B"};
constexpr const char16_t *kFlatSpelling[12] = {u"C",  u"Db", u"D",  u"Eb", u"E",  u"F",
                                               u"Gb", u"G",  u"Ab", u"A",  u"Bb", u"B"};

struct NashvilleRoot
{
    const char16_t *root;
    const char16_t *number;
};

// Roots in the key of C, as the default spelling writes them (and the sharp names of the same tones).
constexpr NashvilleRoot kNashvilleRoots[] = {
    {u"C", u"1"},   {u"C#", u"1#"}, {u"D", u"2"},   {u"D#", u"2#"}, {u"Eb", u"2#"},
    {u"E", u"3"},   {u"F", u"4"},   {u"F#", u"4#"}, {u"G", u"5"},   {u"G#", u"5#"},
    {u"Ab", u"5#"}, {u"A", u"6"},   {u"A#", u"6#"}, {u"Bb", u"6#"}, {u"B", u"7"},
};

// Tones of the degrees 1 to 7 of the major scale.
constexpr int kDegreeTones[7] = {0, 2, 4, 5, 7, 9, 11};

int wrapTone(qint64 tone)
{
    return int(((tone % 12) + 12) % 12);
}

bool isNoteLetter(QChar c)
{
    return c >= u'A' && c <= u'H';
}

bool isAccidental(QChar c)
{
    return c == u'#' || c == u'b';
}

// The spellings of the table; one with a double accidental ("C##", "Fbb", "E#b") by its letter and accidentals.
std::optional<int> toneOfRoot(QStringView root)
{
    for (const RootTone &entry : kRootTones)
        if (root == QStringView(entry.root))
            return entry.tone;
    if (root.size() != 3)
        return std::nullopt;
    std::optional<int> tone = toneOfRoot(root.left(1));
    if (!tone)
        return std::nullopt;
    for (QChar accidental : root.mid(1)) {
        if (!isAccidental(accidental))
            return std::nullopt;
        *tone += accidental == u'#' ? 1 : -1;
    }
    return (*tone + 12) % 12;
}

bool isDegree(QChar c)
{
    return c >= u'1' && c <= u'7';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A name wrapped in parentheses, as songs write optional chords: "(Am)".
bool isBracketed(QStringView name)
{
    return name.size() >= 3 && name.front() == u'(' && name.back() == u')';
}

QStringView withoutBrackets(QStringView name)
{
    return isBracketed(name) ? name.mid(1, name.size() - 2) : name;
}

// The letter and the accidentals after it: a double accidental ("C##", "Bbb") belongs to the root, so that no
// rule reads its second accidental as the start of the suffix and moves the chord's pitch.
qsizetype rootLength(QStringView name)
{
    if (name.size() < 2)
        return name.size();
    qsizetype length = 1;
    while (length < 3 && length < name.size() && isAccidental(name[length]))
        ++length;
    return length;
}

bool isValid(QStringView name)
{
    if (name.isEmpty())
        return false;
    if (isNoteLetter(name[0]))
        return true;
    const bool bass = name.front() == u'/';
    return (isBracketed(name) || bass) && name.size() >= 2 && isNoteLetter(name[1]);
}

bool isMinorName(QStringView name)
{
    if (name.size() < 2)
        return false;
    const qsizetype n = rootLength(name);
    return name.size() > n && name[n] == u'm' && (name.size() == n + 1 || name[n + 1] != u'a');
}

QString spell(qint64 tone, QChar favor)
{
    const int t = wrapTone(tone);
    if (favor.isNull())
        return QString::fromUtf16(kDefaultSpelling[t]);
    return QString::fromUtf16(favor == u'#' ? kSharpSpelling[t] : kFlatSpelling[t]);
}

// One link of a slash chord: the converted text up to and including its "/" (all of it when no bass follows),
// and the text after the "/" that the same rule converts next.
struct Link
{
    QString converted;
    bool bracketed = false; // a ")" goes back after the converted bass
    std::optional<QStringView> bass;
};

// A slash chord's bass is converted by the same rule as the chord, and so is a bass's bass. The chain is walked
// in a loop rather than by recursion, so a name with thousands of slashes costs linear time and no deep stack.
// finishBass adjusts the text once a link's bass is complete (before that link's ")" goes back).
template <typename ConvertLink, typename FinishBass>
QString convertChain(QStringView name, ConvertLink convertLink, FinishBass finishBass)
{
    QString result;
    std::vector<bool> brackets;
    std::optional<QStringView> rest = name;
    while (rest) {
        Link link = convertLink(*rest);
        result += link.converted;
        brackets.push_back(link.bracketed);
        rest = link.bass;
    }
    for (qsizetype level = qsizetype(brackets.size()) - 1; level >= 0; --level) {
        if (level + 1 < qsizetype(brackets.size()))
            finishBass(result);
        if (brackets[size_t(level)])
            result += u')';
    }
    return result;
}

void keepBass(QString &)
{}

// A Nashville bass is a bare degree: a minor or major mark at its end goes.
void dropQualityOfBass(QString &text)
{
    if (text.endsWith(u'm') || text.endsWith(u'M'))
        text.chop(1);
}

// Starts a link: the text unchanged when the rule does not apply, else the opening bracket.
Link unchanged(QStringView text)
{
    Link link;
    link.converted = text.toString();
    return link;
}

// Ends a link: the converted head, then the rest of the text, split at its first "/".
Link finishLink(bool bracketed, const QString &head, QStringView rest)
{
    Link link;
    link.bracketed = bracketed;
    if (bracketed)
        link.converted += u'(';
    link.converted += head;
    const qsizetype slash = rest.indexOf(u'/');
    if (slash < 0) {
        link.converted += rest;
        return link;
    }
    link.converted += rest.left(slash + 1);
    link.bass = rest.mid(slash + 1);
    return link;
}

// Latin and German naming replace the start of the name and of each bass; renameStart gives the replacement
// and how many characters it replaces.
template <typename RenameStart> QString renameChain(const QString &name, RenameStart renameStart)
{
    if (name.isEmpty())
        return name;
    return convertChain(
        name,
        [&](QStringView text) {
            if (text.isEmpty())
                return unchanged(text);
            const bool bracketed = isBracketed(text);
            const QStringView inner = withoutBrackets(text);
            const auto [head, replaced] = renameStart(inner);
            return finishLink(bracketed, head, inner.mid(replaced));
        },
        keepBass);
}

std::pair<QString, qsizetype> latinStart(QStringView name)
{
    static constexpr const char16_t *kSyllables[7] = {u"La", u"Si", u"Do", u"Re", u"Mi", u"Fa", u"Sol"};
    const QChar first = name[0];
    if (first >= u'A' && first <= u'G')
        return {QString::fromUtf16(kSyllables[first.unicode() - u'A']), 1};
    return {QString(), 0};
}

std::pair<QString, qsizetype> germanStart(QStringView name)
{
    if (name.startsWith(u"Bb"))
        return {QStringLiteral("B"), 2};
    if (name.startsWith(u'B'))
        return {QStringLiteral("H"), 1};
    return {QString(), 0};
}

// The Nashville number of a name's root in a key (with "m" for a minor chord), or nothing.
QString nashvilleRootNumber(QStringView name, qint64 stepsToC)
{
    if (name.isEmpty() || !isNoteLetter(name[0]))
        return QString(); // "(", "/" and other roots are no degree, however they are transposed
    const qsizetype length = rootLength(name);
    const QString root = spell(Chord::toneForChordBaseName(name.left(length).toString()) + stepsToC, QChar());
    // The transposed name's root, which may take an accidental-looking first character of the suffix.
    QString transposedStart = root;
    transposedStart += name.mid(length).left(1);
    QString key = Chord::chordBaseForChord(transposedStart);
    if (isMinorName(name))
        key += u'm';
    return Chord::nashvilleNumberForBase(key);
}

} // namespace

QString Chord::chordBaseForChord(const QString &name)
{
    return name.left(rootLength(name));
}

int Chord::toneForChordBaseName(const QString &root)
{
    return toneOfRoot(root).value_or(0);
}

int Chord::toneForChordTitle(const QString &name)
{
    return toneForChordBaseName(chordBaseForChord(name));
}

bool Chord::isValidChord(const QString &name)
{
    return isValid(name);
}

bool Chord::isRealChord(const QString &name, const Chords *library)
{
    return library && isValidChord(name) && library->containsChord(name);
}

bool Chord::isMinor(const QString &name)
{
    return isMinorName(name);
}

bool Chord::isMinorKey(const QString &key)
{
    return key.endsWith(u'm');
}

bool Chord::isFlatTone(qint64 tone, bool minor)
{
    switch (wrapTone(tone)) {
    case 3:
    case 5:
    case 10:
        return true; // Eb, F, Bb: flat keys in major and minor alike
    case 1:
    case 6:
    case 8:
        return !minor; // Db, Gb, Ab major
    case 0:
    case 2:
    case 7:
        return minor; // Cm, Dm, Gm
    default:
        return false;
    }
}

QString Chord::chordForTone(qint64 tone)
{
    return spell(tone, QChar());
}

QString Chord::chordForTone(qint64 tone, bool useSharp)
{
    return spell(tone, useSharp ? u'#' : u'b');
}

QString Chord::transpose(const QString &name, qint64 steps, QChar favor)
{
    steps %= 12; // so adding it to a tone cannot overflow, whatever a file asked for
    return convertChain(
        name,
        [&](QStringView text) {
            const bool bracketed = isBracketed(text);
            const QStringView inner = withoutBrackets(text);
            if (!isValid(inner))
                return unchanged(text);
            if (inner.front() == u'/') // a bare bass: only the bass moves
                return finishLink(bracketed, QString(), inner);
            const qsizetype length = rootLength(inner);
            const QString root = spell(toneForChordBaseName(inner.left(length).toString()) + steps, favor);
            const QStringView suffix = inner.mid(length);
            // The bass follows the accidental of the new name's second character, else the favour given.
            const QChar second = root.size() > 1 ? root[1] : (suffix.isEmpty() ? QChar() : suffix[0]);
            if (isAccidental(second))
                favor = second;
            return finishLink(bracketed, root, suffix);
        },
        keepBass);
}

QString Chord::flatChordForName(const QString &name)
{
    return transpose(name, 0, u'b');
}

QString Chord::sharpChordForName(const QString &name)
{
    return transpose(name, 0, u'#');
}

QString Chord::majorForMinor(const QString &name)
{
    return chordBaseForChord(transpose(name, 3));
}

QString Chord::canonicalNameForChordTitle(const QString &name)
{
    const QStringView inner = withoutBrackets(name);
    const qsizetype length = rootLength(inner);
    QString result = chordForTone(toneForChordBaseName(inner.left(length).toString()));
    const QList<QStringView> parts = inner.mid(length).split(u'/');
    const QStringView quality = parts.front();
    if (quality.startsWith(u'M')) {
        result += QStringLiteral("maj");
        result += quality.mid(1);
    } else {
        result += quality;
    }
    // Basses are respelled too, so "Db/Ab" and "C#/G#" meet; a bass that is no note name stays as written.
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QStringView bass = parts[i];
        const qsizetype bassLength = rootLength(bass);
        result += u'/';
        if (const auto tone = toneOfRoot(bass.left(bassLength))) {
            result += chordForTone(*tone);
            result += bass.mid(bassLength);
        } else {
            result += bass;
        }
    }
    return result;
}

QString Chord::latinNameForChordTitle(const QString &name)
{
    return renameChain(name, latinStart);
}

QString Chord::germanNameForChordTitle(const QString &name)
{
    return renameChain(name, germanStart);
}

QString Chord::displayNameForChordname(const QString &name, const ChordDisplayOptions &options)
{
    if (options.latinChords)
        return latinNameForChordTitle(name);
    if (options.germanChords)
        return germanNameForChordTitle(name);
    return name;
}

bool Chord::isNashvilleNumber(const QString &text)
{
    QStringView rest(text);
    while (rest.startsWith(u'('))
        rest = rest.mid(1);
    if (rest.isEmpty())
        return false;
    if (isDegree(rest[0]))
        return true;
    return rest[0] == u'#' && rest.size() >= 2 && isDegree(rest[1]);
}

QString Chord::nashvilleNumberForBase(const QString &root)
{
    const bool minor = root.endsWith(u'm');
    const QStringView major = minor ? QStringView(root).chopped(1) : QStringView(root);
    for (const NashvilleRoot &entry : kNashvilleRoots)
        if (major == QStringView(entry.root))
            return QString::fromUtf16(entry.number) + (minor ? QStringLiteral("m") : QString());
    return QString();
}

QString Chord::nashvilleNumberForName(const QString &name, const QString &key)
{
    if (name.isEmpty())
        return name;
    const qint64 stepsToC = (12 - toneForChordTitle(key)) % 12;
    return convertChain(
        name,
        [&](QStringView text) {
            const bool bracketed = isBracketed(text);
            const QStringView inner = withoutBrackets(text);
            const QString number = nashvilleRootNumber(inner, stepsToC);
            if (number.isEmpty())
                return unchanged(text);
            // The suffix follows the root, and the "m" of a minor chord, which the number already carries.
            const qsizetype skipped = rootLength(inner) + (isMinorName(inner) ? 1 : 0);
            return finishLink(bracketed, number, inner.mid(skipped));
        },
        dropQualityOfBass);
}

QString Chord::nameForNashvilleNumber(const QString &number, const QString &key, QChar favor)
{
    if (number.isEmpty())
        return number;
    const int keyTone = toneForChordTitle(key);
    return convertChain(
        number,
        [&](QStringView text) {
            const bool bracketed = isBracketed(text);
            const QStringView inner = withoutBrackets(text);
            if (inner.isEmpty() || !isDegree(inner[0]))
                return unchanged(text);
            int tone = kDegreeTones[inner[0].unicode() - u'1'];
            qsizetype i = 1;
            if (i < inner.size() && inner[i] == u'#') {
                ++tone;
                ++i;
            }
            // A quality mark: "m" minor, "M" major. Not the start of "maj", and an "M" before a digit or an
            // accidental belongs to the suffix ("1M7" is a major seventh, "7Mb5" no Bb), so that names survive
            // the way there and back.
            bool minor = false;
            if (i < inner.size() && (inner[i] == u'm' || inner[i] == u'M')) {
                const bool beforeA = i + 1 < inner.size() && inner[i + 1] == u'a';
                const bool partOfSuffix = inner[i] == u'M' && i + 1 < inner.size() &&
                                          (isAsciiDigit(inner[i + 1]) || isAccidental(inner[i + 1]));
                if (!beforeA && !partOfSuffix) {
                    minor = inner[i] == u'm';
                    ++i;
                }
            }
            QString head = spell(tone + keyTone, favor);
            if (minor)
                head += u'm';
            return finishLink(bracketed, head, inner.mid(i));
        },
        dropQualityOfBass);
}

int Chord::chordCompare(const QString &a, const QString &b)
{
    const int toneA = toneForChordTitle(a);
    const int toneB = toneForChordTitle(b);
    if (toneA != toneB)
        return toneA < toneB ? -1 : 1;
    const int suffixes = QStringView(a).mid(rootLength(a)).compare(QStringView(b).mid(rootLength(b)));
    return suffixes < 0 ? -1 : (suffixes > 0 ? 1 : 0);
}

qint64 Chord::mountainDulcimerString(qint64 fret)
{
    // The diatonic fretboard: each group of seven frets spans an octave.
    static constexpr int kSemitones[7] = {0, 2, 4, 5, 7, 9, 10};
    if (fret <= 0)
        return 0;
    return 12 * (fret / 7) + kSemitones[fret % 7];
}
