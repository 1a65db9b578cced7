// The chords of one instrument filed by canonical name, and the canonical names filed by root.
#include "chordtable.h"

#include <algorithm>

namespace {

// The root a canonical name is filed under: itself canonical, since the name's root is spelled by default.
QString baseNameOf(const QString &canonicalName)
{
    return Chord::chordBaseForChord(canonicalName);
}

bool chordNameBefore(const QString &a, const QString &b)
{
    return Chord::chordCompare(a, b) < 0;
}

// The text with its accents taken off, for comparisons that ignore diacritics.
QString withoutDiacritics(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            plain.append(c);
    return plain;
}

bool startsWithDigit(const QString &text)
{
    return !text.isEmpty() && text.front() >= u'0' && text.front() <= u'9';
}

} // namespace

void ChordTable::addChord(const Chord &chord)
{
    const QString name = chord.canonicalName();
    m_chordsByCanonicalName[name].append(chord);
    QStringList &names = m_chordNamesByCanonicalBaseName[baseNameOf(name)];
    if (!names.contains(name))
        names.insert(std::upper_bound(names.begin(), names.end(), name, chordNameBefore), name);
}

void ChordTable::removeChord(const Chord &chord)
{
    const Chord removed = chord; // the argument may be one of the table's own chords
    QList<Chord> *chords = chordsFor(removed.title());
    if (!chords)
        return;
    chords->removeAll(removed);
    dropNameWhenEmpty(removed.canonicalName());
}

bool ChordTable::replaceChord(const Chord &old, const Chord &replacement)
{
    const Chord replaced = old; // the argument may be one of the table's own chords
    QList<Chord> *chords = chordsFor(replaced.title());
    if (!chords || !chords->contains(replaced))
        return false;
    if (replacement.canonicalName() != replaced.canonicalName()) {
        removeChord(replaced);
        addChord(replacement);
        return true;
    }
    // The chords before the first equal one stay where they are, so the replacement takes its index.
    const qsizetype place = chords->indexOf(replaced);
    chords->removeAll(replaced);
    chords->insert(place, replacement);
    return true;
}

bool ChordTable::setFavorite(const Chord &chord, bool on)
{
    const Chord marked = chord; // the argument may be one of the table's own chords
    QList<Chord> *chords = chordsFor(marked.title());
    if (!chords || !chords->contains(marked))
        return false;
    for (Chord &c : *chords)
        if (c == marked)
            c.setFavorite(on);
        else if (on)
            c.setFavorite(false);
    return true;
}

bool ChordTable::removeBuiltInChordFor(const Chord &chord, const Instrument &instrument)
{
    QList<Chord> *chords = chordsFor(chord.title());
    if (!chords)
        return false;
    const auto builtIn = std::find_if(chords->begin(), chords->end(), [&](const Chord &c) {
        return !c.editable() && !c.favorite() && !c.automatic() && c.isIdenticalToChord(chord, instrument);
    });
    if (builtIn == chords->end())
        return false;
    chords->erase(builtIn);
    dropNameWhenEmpty(chord.canonicalName());
    return true;
}

void ChordTable::removeAutomaticChords()
{
    QStringList emptied;
    for (auto it = m_chordsByCanonicalName.begin(); it != m_chordsByCanonicalName.end(); ++it)
        if (it->removeIf([](const Chord &c) { return c.automatic(); }) > 0 && it->isEmpty())
            emptied.append(it.key());
    for (const QString &name : emptied)
        dropNameWhenEmpty(name);
}

void ChordTable::dropNameWhenEmpty(const QString &canonicalName)
{
    const auto found = m_chordsByCanonicalName.find(canonicalName);
    if (found == m_chordsByCanonicalName.end() || !found->isEmpty())
        return;
    m_chordsByCanonicalName.erase(found);
    // The root stays listed, even with no names left under it.
    m_chordNamesByCanonicalBaseName[baseNameOf(canonicalName)].removeAll(canonicalName);
}

QList<Chord> *ChordTable::chordsFor(const QString &title)
{
    const auto found = m_chordsByCanonicalName.find(Chord::canonicalNameForChordTitle(title));
    return found == m_chordsByCanonicalName.end() ? nullptr : &*found;
}

const QList<Chord> *ChordTable::chordsFor(const QString &title) const
{
    const auto found = m_chordsByCanonicalName.constFind(Chord::canonicalNameForChordTitle(title));
    return found == m_chordsByCanonicalName.cend() ? nullptr : &*found;
}

QList<Chord> ChordTable::allChords() const
{
    QList<Chord> all;
    for (const QList<Chord> &chords : m_chordsByCanonicalName)
        all += chords;
    return all;
}

QList<Chord> ChordTable::editableChords() const
{
    QList<Chord> editable;
    for (const QList<Chord> &chords : m_chordsByCanonicalName)
        for (const Chord &chord : chords)
            if (chord.editable() || chord.favorite())
                editable.append(chord);
    return editable;
}

QStringList ChordTable::baseNames() const
{
    QStringList names = m_chordNamesByCanonicalBaseName.keys();
    std::stable_sort(names.begin(), names.end(), chordNameBefore);
    return names;
}

QStringList ChordTable::namesForBaseName(const QString &baseName) const
{
    return m_chordNamesByCanonicalBaseName.value(baseName);
}

QStringList ChordTable::namesForSearch(const QString &text, const Instrument &instrument) const
{
    const bool fretSearch = startsWithDigit(text);
    const QString plainText = withoutDiacritics(text);
    QStringList titles;
    for (const QList<Chord> &chords : m_chordsByCanonicalName) {
        for (const Chord &chord : chords) {
            const bool found = fretSearch ? chord.description(instrument).contains(text)
                                          : withoutDiacritics(chord.title()).contains(plainText, Qt::CaseInsensitive);
            if (found)
                titles.append(chord.title());
        }
    }
    std::sort(titles.begin(), titles.end());
    titles.erase(std::unique(titles.begin(), titles.end()), titles.end());
    return titles;
}
