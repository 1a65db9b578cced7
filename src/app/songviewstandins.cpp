// Stand-ins for the song pane's controls that are built later: transposition and capo pop-ups, auto-scroll,
// linked audio, the chord side pane and the chord window. Each keeps the value the refresh gives it
// (so the refresh can be watched) and is replaced here, in one place.
#include "songviewviewcontroller.h"

#include "log.h"
#include "songdisplay.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>

void SongViewViewController::fillTransposePopup()
{}

void SongViewViewController::fillCapoPopup()
{}

QString SongViewViewController::transposeLabelForStep(int step) const
{
    return step == 0 ? tr("Transpose") : QString::asprintf("%+d", step);
}

QString SongViewViewController::capoLabelForStep(qint64 step) const
{
    return step == 0 ? tr("No Capo") : tr("Capo %1").arg(step);
}

QString SongViewViewController::transposeButtonTitle() const
{
    return m_transposePopupButton->text();
}

QString SongViewViewController::capoButtonTitle() const
{
    return m_capoPopupButton->text();
}

void SongViewViewController::updatePlayingTimeLabel()
{
    m_playingTimeLabel->setText(QString::asprintf("%d:%02d", m_playingTime / 60, m_playingTime % 60));
}

void SongViewViewController::updatePixPerMS()
{
    m_pixPerMs = m_song ? m_song->pixPerMsForPlayingTime(m_playingTime, float(m_songView->widget()->height())) : 0;
}

void SongViewViewController::playLinkedAudio(const QString &path)
{
    m_audioPath = path;
}

void SongViewViewController::stopLinkedAudio()
{
    m_audioPath.clear();
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

void SongViewViewController::openChordWindow(const QString &title, const QList<Chord> &chords, const QRectF &rect)
{
    Q_UNUSED(rect);
    Log::write(QStringLiteral("Chord window for %1 with %2 fingerings").arg(title).arg(chords.size()));
}

void SongViewViewController::addChordToLibrary(const QString &name)
{
    Log::write(QStringLiteral("Chord window adds a chord %1").arg(name));
}
