// Stand-ins for the song pane's controls that are built later: linked audio and the chord side pane. Each keeps the value the refresh gives it (so the refresh can be watched) and is replaced here, in one
// place.
#include "songviewviewcontroller.h"


#include <QLabel>
#include <QSplitter>

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
