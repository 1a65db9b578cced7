// Names for the vocabulary's chords, through the project's chord-name rules.
#include "chordcatalog.h"

#include "chord.h"
#include "chordvocabulary.h"

#include <QHash>

namespace {

QList<CatalogChord> makeCatalog()
{
    QList<CatalogChord> catalog;
    for (int root = 0; root < 12; ++root) {
        const QString rootName = Chord::chordForTone(root);
        for (const ChordFormula &formula : ChordVocabulary::formulas()) {
            QStringList aliases;
            for (const std::string &alias : formula.aliases)
                aliases.append(rootName + QString::fromStdString(alias));
            catalog.append({rootName + QString::fromStdString(formula.suffix), {root, &formula}, aliases});
        }
        for (const SlashChord &slash : ChordVocabulary::slashChords()) {
            const int bass = (root + slash.bassInterval) % 12;
            const ChordFormula *formula = ChordVocabulary::find(slash.suffix);
            catalog.append({rootName + QString::fromStdString(slash.suffix) + u'/' + Chord::chordForTone(bass),
                            {root, formula, bass},
                            {}});
        }
    }
    return catalog;
}

} // namespace

const QList<CatalogChord> &ChordCatalog::chords()
{
    static const QList<CatalogChord> catalog = makeCatalog();
    return catalog;
}

std::optional<ChordTarget> ChordCatalog::targetForName(const QString &name)
{
    static const QHash<QString, ChordTarget> targets = [] {
        QHash<QString, ChordTarget> byName;
        for (const CatalogChord &chord : chords()) {
            byName.insert(chord.name, chord.target);
            for (const QString &alias : chord.aliases)
                byName.insert(alias, chord.target);
        }
        return byName;
    }();
    const auto found = targets.constFind(name);
    if (found == targets.constEnd())
        return std::nullopt;
    return *found;
}
