// The song pane's linked audio: the audio toolbar (start and stop, ten-second skips, a position slider and the
// speed pop-up) and the player the refresh gives the shown song's recording.
#include "songviewviewcontroller.h"

#include "audiodurationprobe.h"
#include "gstaudioplayer.h"
#include "prefs.h"

#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace {

constexpr int skipMs = 10000;
constexpr int audioProgressMs = 500;
constexpr int audioSpeeds[] = {50, 60, 70, 75, 80, 90, 100, 110, 125, 150};

} // namespace

void SongViewViewController::buildAudioToolbar()
{
    m_startAudioButton = new QPushButton(tr("Start"));
    m_stopAudioButton = new QPushButton(tr("Stop"));
    m_stopAudioButton->hide();
    m_backwardButton = new QPushButton;
    // Milliseconds, so the slider moves smoothly; seeks go to whole seconds.
    m_audioProgressSlider = new QSlider(Qt::Horizontal);
    m_audioProgressSlider->setRange(0, 0);
    m_audioProgressSlider->setMinimumWidth(80);
    m_forwardButton = new QPushButton;
    m_audioSpeedPopupButton = new QComboBox;
    for (int percent : audioSpeeds)
        m_audioSpeedPopupButton->addItem(tr("%1 %").arg(percent), percent);
    m_audioSpeedPopupButton->setToolTip(tr("Speed"));
    m_audioPlayToolbar = makeToolbar(QStringLiteral("audioPlayToolbar"),
                                     {m_startAudioButton, m_stopAudioButton, m_backwardButton, m_audioProgressSlider,
                                      m_forwardButton, m_audioSpeedPopupButton});

    m_audioProgressTimer = new QTimer(this);
    m_audioProgressTimer->setInterval(audioProgressMs);
    connect(m_audioProgressTimer, &QTimer::timeout, this, &SongViewViewController::updateAudioProgressSlider);
    connect(m_startAudioButton, &QPushButton::clicked, this, &SongViewViewController::startAudio);
    connect(m_stopAudioButton, &QPushButton::clicked, this, &SongViewViewController::stopAudio);
    connect(m_backwardButton, &QPushButton::clicked, this, &SongViewViewController::backwardAudio);
    connect(m_forwardButton, &QPushButton::clicked, this, &SongViewViewController::forwardAudio);
    // Only the user's moves seek, never the timer's updates; the position is already set when the action fires.
    connect(m_audioProgressSlider, &QSlider::actionTriggered, this,
            [this] { progressChangedAudio(m_audioProgressSlider->sliderPosition()); });
    connect(m_audioSpeedPopupButton, &QComboBox::activated, this, &SongViewViewController::audioSpeedChanged);
    setAudioSpeedPopup();
}

void SongViewViewController::playLinkedAudio(const QString &path)
{
    // A refresh of the song already loaded (after a transposition, say) must not start the recording over.
    if (m_audioPlayer && m_audioPlayer->file() == path && path == m_audioPath) {
        showAudioPosition();
        return;
    }
    m_audioPath = path;
    if (!m_audioPlayer)
        m_audioPlayer = m_makeAudioPlayer ? m_makeAudioPlayer() : std::make_unique<GstAudioPlayer>();
    m_audioPlayer->setFile(path);
    AudioDurationProbe &probe = m_audioDurationProbe ? *m_audioDurationProbe : AudioDurationProbe::system();
    probe.probe(path, this, [this, path](double seconds) {
        // Another song's recording was shown meanwhile.
        if (path != m_audioPath)
            return;
        m_audioProgressSlider->setMaximum(int(seconds * 1000));
        showAudioPosition();
    });
    showAudioPosition();
}

void SongViewViewController::stopLinkedAudio()
{
    m_audioPath.clear();
    m_audioPlayer.reset();
}

void SongViewViewController::startAudio()
{
    m_startAudioButton->hide();
    m_stopAudioButton->show();
    if (m_audioPlayer)
        m_audioPlayer->play();
    setAudioSpeed();
    showAudioPosition();
    m_audioProgressTimer->start();
}

void SongViewViewController::stopAudio()
{
    if (m_audioPlayer)
        m_audioPlayer->pause();
    m_startAudioButton->show();
    m_stopAudioButton->hide();
}

bool SongViewViewController::isAudioPlaying() const
{
    return m_audioPlayer && m_audioPlayer->isPlaying();
}

bool SongViewViewController::audioProgressTimerRunning() const
{
    return m_audioProgressTimer->isActive();
}

void SongViewViewController::forwardAudio()
{
    if (!m_audioPlayer)
        return;
    m_audioPlayer->seek(m_audioPlayer->position() + skipMs);
    showAudioPosition();
}

void SongViewViewController::backwardAudio()
{
    if (!m_audioPlayer)
        return;
    const qint64 position = m_audioPlayer->position();
    m_audioPlayer->seek(position > skipMs ? position - skipMs : 0);
    showAudioPosition();
}

void SongViewViewController::progressChangedAudio(int ms)
{
    if (m_audioPlayer)
        m_audioPlayer->seek(ms / 1000 * 1000);
}

void SongViewViewController::updateAudioProgressSlider()
{
    showAudioPosition();
    if (isAudioPlaying())
        return;
    m_audioProgressTimer->stop();
    stopAudio();
}

void SongViewViewController::audioSpeedChanged(int index)
{
    appPrefs().setAudioSpeedPercent(m_audioSpeedPopupButton->itemData(index).toDouble());
    setAudioSpeed();
}

void SongViewViewController::setAudioSpeed()
{
    if (isAudioPlaying())
        m_audioPlayer->setRate(appPrefs().audioSpeedPercent() / 100.0);
}

void SongViewViewController::setAudioSpeedPopup()
{
    const double percent = appPrefs().audioSpeedPercent();
    for (int i = 0; i < m_audioSpeedPopupButton->count(); ++i) {
        if (m_audioSpeedPopupButton->itemData(i).toDouble() == percent) {
            m_audioSpeedPopupButton->setCurrentIndex(i);
            return;
        }
    }
}

void SongViewViewController::showAudioPosition()
{
    m_audioProgressSlider->setValue(m_audioPlayer ? int(m_audioPlayer->position()) : 0);
}
