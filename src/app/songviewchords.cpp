// The song pane and the chords: the song's instrument and tuning, the chord library it loads, and chord clicks.
#include "songviewviewcontroller.h"

#include "appcontext.h"
#include "chord.h"
#include "dialogs.h"
#include "prefs.h"
#include "songdisplay.h"

namespace {

ChordDisplayOptions displayOptions()
{
    ChordDisplayOptions options;
    if (const Prefs *prefs = AppContext::instance()->prefs()) {
        options.latinChords = prefs->latinChords();
        options.germanChords = prefs->germanChords();
        options.leftHandedChordDisplay = prefs->leftHandedChordDisplay();
    }
    return options;
}

} // namespace

void SongViewViewController::loadInstrumentOfSong()
{}

void SongViewViewController::relayoutWhenChordsReady()
{}

void SongViewViewController::showChords(const QString &clickedName, const QRectF &rect)
{
    if (!m_song)
        return;
    QString name = clickedName;
    if (Chord::isNashvilleNumber(name)) {
        const QChar favor = m_songView->favoredTransposeChar();
        const QString key = Chord::transpose(m_song->key(), m_songView->transpose(), favor);
        name = Chord::nameForNashvilleNumber(name, key, favor);
    }

    QList<Chord> candidates;
    if (const std::optional<Chord> own = m_songView->tempChordForTitle(name))
        candidates.append(*own);
    if (!candidates.isEmpty()) {
        openChordWindow(candidates.first().displayName(displayOptions()), candidates, rect);
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
    return false;
}
