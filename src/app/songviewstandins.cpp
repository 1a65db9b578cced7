// Stand-ins for the song pane's controls that are built later: the chord window. Each keeps the value the refresh
// gives it (so the refresh can be watched) and is replaced here, in one place.
#include "songviewviewcontroller.h"

#include "chord.h"
#include "log.h"

#include <QLabel>

void SongViewViewController::openChordWindow(const QString &title, const QList<Chord> &chords, const QRectF &rect)
{
    Q_UNUSED(rect);
    Log::write(QStringLiteral("Chord window for %1 with %2 fingerings").arg(title).arg(chords.size()));
}

void SongViewViewController::addChordToLibrary(const QString &name)
{
    Log::write(QStringLiteral("Chord window adds a chord %1").arg(name));
}
