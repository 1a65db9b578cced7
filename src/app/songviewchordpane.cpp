// The song pane's chord side pane: the diagrams of every chord the shown song uses, beside or below the song.
#include "songviewviewcontroller.h"

#include "appcontext.h"
#include "chord.h"
#include "chords.h"
#include "chordviewwidget.h"
#include "instruments.h"
#include "prefs.h"
#include "songdisplay.h"
#include "textmetrics.h"

#include <QScrollArea>
#include <QSplitter>
#include <QTimer>

#include <algorithm>

namespace {

Instrument *currentInstrument()
{
    Prefs *prefs = AppContext::instance()->prefs();
    return prefs ? prefs->currentInstrument() : nullptr;
}

} // namespace

bool SongViewViewController::hasSongChords() const
{
    return !m_songView->uniqueChordNamesFromPositionY(0).isEmpty();
}

bool SongViewViewController::isSongChordsVisible() const
{
    // Dragging the divider to the edge collapses the pane as hiding it does.
    return !m_chordScrollView->isHidden() && m_splitView->sizes().value(1) > 0;
}

void SongViewViewController::showHideSongChords()
{
    const bool atRight = appPrefs().songChordsAtRight();
    m_splitView->setOrientation(atRight ? Qt::Horizontal : Qt::Vertical);
    if (isSongChordsVisible()) {
        m_chordScrollView->hide();
        return;
    }
    m_chordScrollView->show();
    // Starting sizes in points: one column of diagrams at the right, one row below.
    const qreal scale = TextMetrics::pointScale(this);
    const int startingPoints = atRight ? m_chordCellWidth + 10 : (m_largeChordDiagrams ? 120 : 80);
    const int starting = int(startingPoints * scale);
    const int total = atRight ? m_splitView->width() : m_splitView->height();
    m_splitView->setSizes({std::max(total - starting, 0), starting});
    afterDelayForSameSong(500, [this] { scrollToTop(); });
}

void SongViewViewController::openSongChordsWhenWanted()
{
    if (!songChordsWanted() || isSongChordsVisible())
        return;
    // Asked again when the timer fires: a later refresh, a song without chords or the user may have changed
    // the answer in between, and the pane must not open only to close again.
    afterDelayForSameSong(100, [this] {
        if (songChordsWanted() && !isSongChordsVisible())
            showHideSongChords();
    });
}

bool SongViewViewController::songChordsWanted() const
{
    return appPrefs().showSongChords() && !m_chordView->chordView().chords().isEmpty();
}

QString SongViewViewController::chordLookupName(const QString &shownName) const
{
    // A Nashville number stands for the chord of that degree in the key the song is shown in.
    if (!m_song || !Chord::isNashvilleNumber(shownName))
        return shownName;
    const QChar favor = m_songView->favoredTransposeChar();
    const QString key = Chord::transpose(m_song->key(), m_songView->transpose(), favor);
    return Chord::nameForNashvilleNumber(shownName, key, favor);
}

QList<Chord> SongViewViewController::songChordDiagrams(const Instrument &instrument) const
{
    Chords *library = AppContext::instance()->chords();
    QList<Chord> diagrams;
    for (const QString &name : m_songView->uniqueChordNamesFromPositionY(0)) {
        const QString lookup = chordLookupName(name);
        std::optional<Chord> found = m_songView->tempChordForTitle(lookup);
        if (!found && library) {
            const QList<Chord> known = library->chordsForTitle(lookup);
            if (!known.isEmpty())
                found = known.first();
        }
        if (!found)
            continue;
        // A copy titled as the song shows it: the library's chord keeps its own title, and a Nashville number
        // keeps its number over the fingering of the chord it stands for.
        Chord diagram = Chord::fromDefinition(found->definition(instrument));
        diagram.setTemp(found->temp());
        diagram.setTitle(name);
        diagrams.append(diagram);
    }
    return diagrams;
}

void SongViewViewController::updateSongChords()
{
    const Instrument *instrument = currentInstrument();
    const QList<Chord> diagrams =
        instrument && !instrument->isKeyboard() ? songChordDiagrams(*instrument) : QList<Chord>();
    ChordView &view = m_chordView->chordView();
    // An empty view also tells a pending opening that there is nothing to show any more.
    view.setChords(diagrams);
    if (diagrams.isEmpty()) {
        if (isSongChordsVisible())
            showHideSongChords();
        return;
    }
    view.setNumstrings(instrument->numstrings());
    // Even a pane narrower than one diagram shows a column, scrolled sideways.
    const qreal scale = TextMetrics::pointScale(m_chordView);
    const int columns = std::max(int(m_chordScrollView->viewport()->width() / scale / m_chordCellWidth), 1);
    view.setNumcols(columns);
    view.setMarkTempChords(false);
    const QSizeF size = view.calcChordsBoundsWithRect(QRectF(0, 0, columns * m_chordCellWidth, 1000));
    m_chordView->resize((size * scale).toSize());
    m_chordView->update();
    view.setDelegate(this);
}

void SongViewViewController::chordView(ChordView &view, const Chord &selectedChord)
{
    Q_UNUSED(view);
    // The chord window opens beside the pane's frame; the click's rectangle is in the song view's pixels.
    const QPoint frameInSongView = m_songView->widget()->mapFromGlobal(m_chordScrollView->mapToGlobal(QPoint(0, 0)));
    showChords(selectedChord.title(), QRectF(frameInSongView, m_chordScrollView->size()));
}
