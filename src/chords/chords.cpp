// The chord library of one instrument: its built-in chords and the user's own chords and favourites.
#include "chords.h"

#include "appcontext.h"
#include "log.h"
#include "textfile.h"

#include <QCoreApplication>

#include <algorithm>

Chords::Chords(Instrument &instrument, const QString &definedChordsPath, QObject *parent)
    : QObject(parent)
    , m_instrument(instrument)
    , m_definedChordsPath(definedChordsPath)
    , m_tuningAtStart(instrument.deltaTuning())
    , m_userTuning(instrument.songTuning() ? Instrument::Tuning{} : instrument.deltaTuning())
{
    // The worker gets copies made here, on the main thread, and touches nothing else but the hand-over.
    m_loader = std::thread([this, snapshot = m_instrument, path = m_definedChordsPath] {
        ChordLoader::Result result = ChordLoader::load(snapshot, path);
        {
            const std::lock_guard lock(m_loadedMutex);
            m_loaded = std::move(result);
        }
        // By name: a functor would be a slot object shared between the threads, whose release the thread
        // sanitizer cannot follow into Qt.
        QMetaObject::invokeMethod(this, "publishLoaded", Qt::QueuedConnection);
    });
}

Chords::~Chords()
{
    // A publication still queued goes with this object.
    m_loader.join();
}

void Chords::publishLoaded()
{
    ChordLoader::Result loaded;
    {
        const std::lock_guard lock(m_loadedMutex);
        loaded = std::move(*m_loaded);
        m_loaded.reset();
    }
    m_table = std::move(loaded.table);
    for (const auto &change : m_editsBeforeReady)
        change(m_table);
    m_editsBeforeReady.clear();
    m_automaticTried.clear();
    for (const QString &line : std::as_const(loaded.diagnostics))
        Log::write(line);
    applyFileTuning(loaded.tuning);
    m_ready = true;
    if (m_savePending) {
        m_savePending = false;
        saveDefines();
    }
    Q_EMIT ready();
}

void Chords::applyFileTuning(const std::optional<Instrument::Tuning> &tuning)
{
    if (!tuning)
        return;
    m_userTuning = *tuning;
    // The file's tuning gives way to a song's tuning and to any tuning set while the library loaded.
    if (!m_instrument.songTuning() && m_instrument.deltaTuning() == m_tuningAtStart)
        m_instrument.setDeltaTuning(*tuning);
}

bool Chords::edit(const std::function<bool(ChordTable &)> &change)
{
    const bool changed = change(m_table);
    if (!m_ready)
        m_editsBeforeReady.push_back(change);
    return changed;
}

void Chords::addChord(const Chord &chord)
{
    edit([chord](ChordTable &table) {
        table.addChord(chord);
        return true;
    });
}

void Chords::removeChord(const Chord &chord)
{
    edit([chord](ChordTable &table) {
        table.removeChord(chord);
        return true;
    });
}

bool Chords::replaceChord(const Chord &old, const Chord &replacement)
{
    return edit([old, replacement](ChordTable &table) { return table.replaceChord(old, replacement); });
}

bool Chords::setFavorite(const Chord &chord, bool on)
{
    return edit([chord, on](ChordTable &table) { return table.setFavorite(chord, on); });
}

bool Chords::removeBuiltInChordFor(const Chord &chord)
{
    return edit([chord, this](ChordTable &table) { return table.removeBuiltInChordFor(chord, m_instrument); });
}

QList<Chord> Chords::chordsForTitle(const QString &title)
{
    forgetAutomaticChordsOfOtherTunings();
    QList<Chord> *chords = m_table.chordsFor(title);
    if (chords && !chords->isEmpty()) {
        sortForDisplay(*chords);
        addAutomaticChordOnce(*chords);
        return *chords;
    }
    const qsizetype slash = title.indexOf(u'/');
    if (m_instrument.isKeyboard() && slash >= 0)
        return chordsForTitle(title.left(slash));
    return {};
}

std::optional<Chord> Chords::fingeringToDraw(const QString &title)
{
    const QList<Chord> chords = chordsForTitle(title);
    if (chords.isEmpty())
        return std::nullopt;
    return m_instrument.tunedChordForChord(chords.first());
}

void Chords::sortForDisplay(QList<Chord> &chords) const
{
    // Stable, so that chords of equal rank keep the database's order, easiest first. An automatic chord
    // leads the built-in ones.
    std::stable_sort(chords.begin(), chords.end(), [this](const Chord &a, const Chord &b) {
        if (!a.favorite() && !b.favorite() && a.automatic() != b.automatic())
            return a.automatic();
        return a.compare(b, m_instrument) < 0;
    });
}

void Chords::forgetAutomaticChordsOfOtherTunings()
{
    if (m_automaticTuning == m_instrument.deltaTuning())
        return;
    m_table.removeAutomaticChords();
    m_automaticTried.clear();
    m_automaticTuning = m_instrument.deltaTuning();
}

void Chords::addAutomaticChordOnce(QList<Chord> &chords)
{
    if (!m_instrument.isDetuned() || m_automaticTried.contains(chords.front().canonicalName()))
        return;
    m_automaticTried.insert(chords.front().canonicalName());

    // Made from the first built-in chord in display order, the easiest.
    const auto builtIn = std::find_if(chords.begin(), chords.end(), [](const Chord &c) {
        return !c.editable() && !c.favorite() && !c.temp() && !c.automatic();
    });
    if (builtIn == chords.end())
        return;
    const std::optional<Chord> automatic = m_instrument.automaticTunedChordForChord(*builtIn);
    if (!automatic)
        return;
    // Nothing to add when a chord of the name already plays this fingering in the current tuning.
    const QString fingering = automatic->description(m_instrument);
    const bool known = std::any_of(chords.begin(), chords.end(), [&](const Chord &c) {
        return m_instrument.tunedChordForChord(c).description(m_instrument) == fingering;
    });
    if (known)
        return;
    Log::write(QStringLiteral("Inserting auto tuned chord %1").arg(fingering));
    chords.insert(builtIn - chords.begin(), *automatic);
}

bool Chords::containsChord(const QString &title) const
{
    return m_table.contains(title);
}

QList<Chord> Chords::allChords() const
{
    return m_table.allChords();
}

QStringList Chords::chordBaseNames() const
{
    return m_table.baseNames();
}

QStringList Chords::chordsForBaseName(const QString &baseName) const
{
    return m_table.namesForBaseName(baseName);
}

QStringList Chords::chordNamesForSearch(const QString &text) const
{
    return m_table.namesForSearch(text, m_instrument);
}

bool Chords::saveDefines()
{
    if (!m_ready) {
        m_savePending = true;
        return true;
    }
    // While the shown song's tuning is in force, the file keeps the user's own one.
    if (!m_instrument.songTuning())
        m_userTuning = m_instrument.deltaTuning();
    QString text = m_instrument.tuningLine(m_userTuning);
    for (const Chord &chord : m_table.editableChords())
        text += chord.definition(m_instrument) + u'\n';
    AppContext::instance()->temporaryStopFSRefresh();
    QString error;
    if (!TextFile::write(m_definedChordsPath, text, &error)) {
        Log::write(QStringLiteral("Error writing %1: %2").arg(m_definedChordsPath, error));
        AppContext::instance()->reportFailedWrite(
            QCoreApplication::translate("Chords", "Your chords for the %1").arg(m_instrument.title()), error);
        return false;
    }
    return true;
}
