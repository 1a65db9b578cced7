// The song pane and the chords: the song's instrument and tuning, the chord library it loads, and chord clicks.
#include "songviewviewcontroller.h"

#include "appcontext.h"
#include "chord.h"
#include "chords.h"
#include "dialogs.h"
#include "instruments.h"
#include "log.h"
#include "prefs.h"
#include "songdisplay.h"
#include "toolwindows.h"

#include <QWidget>

namespace {

ChordDisplayOptions displayOptions()
{
    const Prefs *prefs = AppContext::instance()->prefs();
    return prefs ? prefs->chordDisplayOptions() : ChordDisplayOptions();
}

} // namespace

void SongViewViewController::loadInstrumentOfSong()
{
    Prefs *prefs = AppContext::instance()->prefs();
    Instrument *current = prefs ? prefs->currentInstrument() : nullptr;
    if (!m_song || !current)
        return;
    const QString songInstrument = m_song->instrument();
    const QString songTuning = m_song->tuning().value_or(QString());
    const QString instrument = songInstrument.isEmpty() ? prefs->currentInstrumentTitle() : songInstrument;
    const QString tuning = songTuning.isEmpty() ? current->tuningDescription(displayOptions()) : songTuning;
    const bool sameInstrument = current->title().compare(instrument, Qt::CaseInsensitive) == 0;
    const bool sameTuning = current->tuningDescription(displayOptions()).compare(tuning, Qt::CaseInsensitive) == 0;
    if (sameInstrument && sameTuning && (!current->songTuning() || !songTuning.isEmpty()))
        return;

    Log::write(QStringLiteral("Song view loading instrument %1 tuning %2").arg(instrument, tuning));
    // The song's instrument becomes current without becoming the user's setting, so the next song without
    // one goes back to the user's instrument.
    if (!prefs->instruments()->selectInstrumentByTitle(instrument))
        return;
    current = prefs->currentInstrument();
    if (songTuning.isEmpty()) {
        current->setSongTuning(false);
        current->resetTuning();
    } else {
        current->setSongTuning(true);
        current->loadTuning(QStringLiteral("# ") + songTuning);
    }
    prefs->initChordsForCurrentInstrument();
}

void SongViewViewController::relayoutWhenChordsReady()
{
    // Chords still loading would be laid out as unknown: once the library is ready, the song is laid out again.
    disconnect(m_chordsReady);
    Chords *chords = AppContext::instance()->chords();
    if (!chords || chords->isReady())
        return;
    m_chordsReady = connect(
        chords, &Chords::ready, this,
        [this] {
            adjustSongFrame();
            m_songView->widget()->update();
            updateSongChords();
            openSongChordsWhenWanted();
        },
        Qt::SingleShotConnection);
}

void SongViewViewController::showChords(const QString &clickedName, const QRectF &rect)
{
    if (!m_song)
        return;
    const QString name = chordLookupName(clickedName);

    // A chord the library is still loading is not unknown: the click is answered once the library is ready.
    Chords *library = AppContext::instance()->chords();
    if (library && !library->isReady()) {
        connect(
            library, &Chords::ready, this,
            [this, song = std::weak_ptr<Song>(m_song), clickedName, rect] {
                if (song.lock() == m_song)
                    showChords(clickedName, rect);
            },
            Qt::SingleShotConnection);
        return;
    }

    QList<Chord> candidates;
    if (const std::optional<Chord> own = m_songView->tempChordForTitle(name))
        candidates.append(*own);
    if (library)
        candidates.append(library->chordsForTitle(name));
    if (!candidates.isEmpty()) {
        openChordWindow(name, candidates, rect);
        return;
    }
    askAboutUnknownChord(name);
}

void SongViewViewController::askAboutUnknownChord(const QString &name)
{
    Dialogs::Alert alert;
    alert.title = name;
    alert.informativeText = tr("Unknown chord");
    alert.defaultButton = tr("OK");
    if (!currentInstrumentIsKeyboard())
        alert.alternateButton = tr("Add to Chord Library");
    if (m_dialogs.runAlert(alert) == Dialogs::Answer::Alternate && !alert.alternateButton.isEmpty())
        addChordToLibrary(name);
}

bool SongViewViewController::currentInstrumentIsKeyboard() const
{
    const Prefs *prefs = AppContext::instance()->prefs();
    const Instrument *instrument = prefs ? prefs->currentInstrument() : nullptr;
    return instrument && instrument->isKeyboard();
}

void SongViewViewController::openChordWindow(const QString &name, const QList<Chord> &chords, const QRectF &rect)
{
    if (!m_toolWindows)
        return;
    const QRect inView = rect.toAlignedRect();
    m_toolWindows->openChordWindow(name, chords, QRect(m_songView->widget()->mapToGlobal(inView.topLeft()), inView.size()));
}

void SongViewViewController::addChordToLibrary(const QString &name)
{
    if (m_toolWindows)
        m_toolWindows->addChordToLibrary(name);
}
