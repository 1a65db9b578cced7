// Stand-ins for the song pane's controls that are built later: the chord side pane and the chord window. Each keeps
// the value the refresh gives it (so the refresh can be watched) and is replaced here, in one place.
#include "songviewviewcontroller.h"

#include "chord.h"
#include "log.h"

#include <QLabel>
#include <QSplitter>

void SongViewViewController::updateSongChords()
{}

QStringList SongViewViewController::songChordNames() const
{
    return {};
}

bool SongViewViewController::isSongChordsVisible() const
{
    return m_splitView->sizes().value(1) > 0;
}

void SongViewViewController::showHideSongChords()
{
    const int total = m_splitView->width();
    const int chordWidth = m_chordCellWidth * 3;
    m_splitView->setSizes(isSongChordsVisible() ? QList<int>{total, 0} : QList<int>{total - chordWidth, chordWidth});
}

void SongViewViewController::openChordWindow(const QString &title, const QList<Chord> &chords, const QRectF &rect)
{
    Q_UNUSED(rect);
    Log::write(QStringLiteral("Chord window for %1 with %2 fingerings").arg(title).arg(chords.size()));
}

void SongViewViewController::addChordToLibrary(const QString &name)
{
    Log::write(QStringLiteral("Chord window adds a chord %1").arg(name));
}
