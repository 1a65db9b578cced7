// Stand-ins for the song pane's controls that are built later: linked audio. Each keeps the value the refresh gives
// it (so the refresh can be watched) and is replaced here, in one place.
#include "songviewviewcontroller.h"


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
