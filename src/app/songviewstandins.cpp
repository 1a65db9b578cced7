// Stand-ins for the song pane's controls that are built later: linked audio and the chord window. Each keeps the
// value the refresh gives it (so the refresh can be watched) and is replaced here, in one place.
#include "songviewviewcontroller.h"

#include "chord.h"
#include "log.h"

#include <QLabel>

void SongViewViewController::playLinkedAudio(const QString &path)
{
    m_audioPath = path;
}

void SongViewViewController::stopLinkedAudio()
{
    m_audioPath.clear();
}

void SongViewViewController::startAudio()
{
    // No audio plays yet.
}

bool SongViewViewController::isAudioPlaying() const
{
    return false;
}

void SongViewViewController::setAudioSpeedPopup()
{}

void SongViewViewController::openChordWindow(const QString &title, const QList<Chord> &chords, const QRectF &rect)
{
    Q_UNUSED(rect);
    Log::write(QStringLiteral("Chord window for %1 with %2 fingerings").arg(title).arg(chords.size()));
}

void SongViewViewController::addChordToLibrary(const QString &name)
{
    Log::write(QStringLiteral("Chord window adds a chord %1").arg(name));
}
