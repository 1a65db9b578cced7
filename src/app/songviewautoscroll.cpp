// The song pane's auto-scroll: the song moves up at the speed that lets all of it pass in its playing time,
// standing still at each pause the song marks. Positions are points of the laid-out song; only the scroll bar
// counts in widget pixels.
#include "songviewviewcontroller.h"

#include "appcontext.h"
#include "log.h"
#include "minsectextfield.h"
#include "prefs.h"
#include "songdisplay.h"
#include "songpanecommands.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The range of the auto-scroll speed setting.
constexpr int slowestTempo = 1;
constexpr int fastestTempo = 400;
// A scroll position further than this from where the scrolling left it was moved by hand, points.
constexpr float handScrollThreshold = 2.0f;

} // namespace

void SongViewViewController::buildAutoScrollToolbar()
{
    auto *label = new QLabel(tr("Playing time"));
    m_playingTimeTextField = new MinSecTextField;
    m_playingTimeTextField->setObjectName(QStringLiteral("playingTimeTextField"));
    m_playingTimeTextField->setAlignment(Qt::AlignRight);
    m_playingTimeTextField->setMaximumWidth(
        m_playingTimeTextField->fontMetrics().horizontalAdvance(QStringLiteral("0000:00")) + 16);
    label->setBuddy(m_playingTimeTextField);
    connect(m_playingTimeTextField, &QLineEdit::editingFinished, this, &SongViewViewController::playingTimeEdited);

    m_startAutoScrollButton = new QPushButton;
    connect(m_startAutoScrollButton, &QPushButton::clicked, this, &SongViewViewController::startStopAutoScroll);
    m_stopAutoScrollButton = new QPushButton;
    m_stopAutoScrollButton->hide();
    connect(m_stopAutoScrollButton, &QPushButton::clicked, this, &SongViewViewController::startStopAutoScroll);
    m_saveAutoScrollButton = new QPushButton;
    m_saveAutoScrollButton->setEnabled(false);
    connect(m_saveAutoScrollButton, &QPushButton::clicked, this, &SongViewViewController::autoScrollSave);
    connect(this, &SongViewViewController::autoScrollCanSaveChanged, m_saveAutoScrollButton, &QWidget::setEnabled);

    m_autoScrollToolbar =
        makeToolbar(QStringLiteral("autoScrollToolbar"), {label, m_playingTimeTextField, m_startAutoScrollButton,
                                                          m_stopAutoScrollButton, m_saveAutoScrollButton});

    m_autoPlayTimer = new QTimer(this);
    m_autoPlayTimer->setTimerType(Qt::PreciseTimer);
    m_autoPlayTimer->setInterval(autoScrollTickMs);
    connect(m_autoPlayTimer, &QTimer::timeout, this, &SongViewViewController::tick);
}

bool SongViewViewController::canAutoScroll() const
{
    if (const Prefs *prefs = AppContext::instance()->prefs(); prefs && prefs->autozoom())
        return false;
    const QRectF visible = visibleSongRect();
    return m_songView->frameHeight() > visible.bottom();
}

bool SongViewViewController::isAutoScrolling() const
{
    return m_autoPlayTimer->isActive();
}

void SongViewViewController::startStopAutoScroll()
{
    if (isAutoScrolling())
        stopAutoScroll();
    else
        startAutoScroll();
}

void SongViewViewController::startAutoScroll()
{
    // The bar is hidden without giving its room to the song, which would lay the song out again mid-scroll.
    m_songScrollView->verticalScrollBar()->hide();
    m_lastPausePosition = -1.0;
    m_autoPlayDelay = 0;
    // Not the scrolled position: the first tick takes that over. So the linked audio starts with every start.
    m_currentContentOffset = 0;
    if (const Prefs *prefs = AppContext::instance()->prefs();
        prefs && prefs->startMusicWithAutoScroll() && !isAudioPlaying())
        startAudio();
    m_autoPlayTimer->start();
    m_stopAutoScrollButton->show();
    m_startAutoScrollButton->hide();
}

void SongViewViewController::stopAutoScroll()
{
    // The offset, the pause waited at and the delay left stay; the next start resets them.
    m_autoPlayTimer->stop();
    m_songScrollView->verticalScrollBar()->show();
    m_stopAutoScrollButton->hide();
    m_startAutoScrollButton->show();
}

void SongViewViewController::delayAutoScrollingBy(double seconds)
{
    const double ticks = m_autoPlayDelay + seconds * 1000.0 / autoScrollTickMs;
    m_autoPlayDelay = int(std::clamp(ticks, 0.0, double(std::numeric_limits<int>::max())));
}

void SongViewViewController::tick()
{
    if (m_autoPlayDelay > 0) {
        --m_autoPlayDelay;
        return;
    }
    const QRectF visible = visibleSongRect();
    if (std::abs(m_currentContentOffset - visible.y()) > handScrollThreshold)
        m_currentContentOffset = float(visible.y());

    const std::optional<PauseInfo> pause = m_songView->pauseForPosition(visible.y());
    if (pause && pause->position != m_lastPausePosition) {
        // Each pause is waited at once per run.
        m_lastPausePosition = pause->position;
        Log::write(QString::asprintf("Delay auto play %f sec", pause->pause_s));
        delayAutoScrollingBy(pause->pause_s);
        Log::write(QString::asprintf("Pausing %f sec", pause->pause_s));
        return;
    }

    m_currentContentOffset += m_pixPerMs * autoScrollTickMs;
    float y = m_currentContentOffset;
    const float frameHeight = m_songView->frameHeight();
    const bool atBottom = float(visible.height()) + y >= frameHeight;
    if (atBottom)
        y = frameHeight - float(visible.height());
    scrollSongTo(y);
    if (atBottom)
        stopAutoScroll();
}

QRectF SongViewViewController::visibleSongRect() const
{
    const qreal scale = m_songView->pointScale();
    const QWidget *viewport = m_songScrollView->viewport();
    return QRectF(m_songScrollView->horizontalScrollBar()->value() / scale,
                  m_songScrollView->verticalScrollBar()->value() / scale, viewport->width() / scale,
                  viewport->height() / scale);
}

void SongViewViewController::scrollSongTo(float y)
{
    m_songScrollView->verticalScrollBar()->setValue(int(std::lround(y * m_songView->pointScale())));
}

void SongViewViewController::scrollToLine(qint64 line)
{
    scrollSongTo(m_songView->yForLine(line));
}

void SongViewViewController::autoScrollFaster()
{
    setPlayingTime(std::max(m_playingTime - 1, shortestPlayingTime));
    updatePixPerMS();
    updatePlayingTimeLabel();
}

void SongViewViewController::autoScrollSlower()
{
    setPlayingTime(m_playingTime + 1);
    updatePixPerMS();
    updatePlayingTimeLabel();
}

void SongViewViewController::playingTimeEdited()
{
    setPlayingTime(m_playingTimeTextField->time());
    if (m_playingTime < shortestPlayingTime) {
        setPlayingTime(shortestPlayingTime);
        updatePlayingTimeLabel();
    }
    updatePixPerMS();
}

void SongViewViewController::autoScrollSave()
{
    // Ends editing of the field first, so a time just typed is the one saved.
    m_playingTimeTextField->clearFocus();
    setPlayingTime(m_playingTimeTextField->time());
    if (m_commands)
        m_commands->saveAutoScrollTime(m_playingTime);
    Q_EMIT autoScrollCanSaveChanged(autoScrollCanSave());
}

bool SongViewViewController::autoScrollCanSave() const
{
    return m_song && m_playingTime != m_song->playingTime();
}

void SongViewViewController::setPlayingTime(int seconds)
{
    m_playingTime = seconds;
    Q_EMIT autoScrollCanSaveChanged(autoScrollCanSave());
}

void SongViewViewController::updatePixPerMS()
{
    m_pixPerMs = m_song ? m_song->pixPerMsForPlayingTime(m_playingTime, m_songView->frameHeight()) : 0;
}

void SongViewViewController::updatePlayingTimeLabel()
{
    m_playingTimeTextField->setTime(m_playingTime);
    if (autoScrollCanSave())
        storeDefaultTempo();
}

void SongViewViewController::storeDefaultTempo()
{
    Prefs *prefs = AppContext::instance()->prefs();
    const float height = m_songView->frameHeight();
    // A time that leaves no scrolling after the pauses has no speed; one far from the song's length would give
    // a speed beyond the setting's range. Either would make every later song without a time stand or race.
    if (!prefs || m_song->pixPerMsForPlayingTime(m_playingTime, height) <= 0.0f)
        return;
    const int tempo = std::clamp(m_song->tempoForPlayingTime(m_playingTime, height), slowestTempo, fastestTempo);
    if (prefs->tempo() == float(tempo))
        return;
    prefs->setTempo(float(tempo));
    prefs->save();
}
