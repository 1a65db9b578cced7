// The song pane's metronome: the toolbar with the tempo, start and stop, save and the settings menu; the click
// engine in click mode, a beat timer in flash-only mode; the flash strip and the count-in.
#include "songviewviewcontroller.h"

#include "appcontext.h"
#include "log.h"
#include "metronome.h"
#include "metronomeflashview.h"
#include "monotonicclock.h"
#include "pdfsong.h"
#include "prefs.h"
#include "songpanecommands.h"

#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int slowestMetronomeTempo = 40;
constexpr int fastestMetronomeTempo = 210;
// A pass of flash-only mode, milliseconds: a flash lasts one pass.
constexpr int flashPassMs = 50;

int clampedMetronomeTempo(int tempo)
{
    return std::clamp(tempo, slowestMetronomeTempo, fastestMetronomeTempo);
}

} // namespace

void SongViewViewController::buildMetronomeToolbar()
{
    auto *slower = new QPushButton(QStringLiteral("−"));
    slower->setObjectName(QStringLiteral("decreaseMetronomeTempoButton"));
    slower->setToolTip(tr("Slower"));
    connect(slower, &QPushButton::clicked, this, &SongViewViewController::decreaseMetronomeTempo);
    m_tempoMetronomeLabel = new QLabel;
    m_tempoMetronomeLabel->setObjectName(QStringLiteral("tempoMetronomeLabel"));
    m_tempoMetronomeLabel->setAlignment(Qt::AlignCenter);
    m_tempoMetronomeLabel->setMinimumWidth(
        m_tempoMetronomeLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    auto *faster = new QPushButton(QStringLiteral("+"));
    faster->setObjectName(QStringLiteral("increaseMetronomeTempoButton"));
    faster->setToolTip(tr("Faster"));
    connect(faster, &QPushButton::clicked, this, &SongViewViewController::senderincreaseMetronomeTempo);
    for (QPushButton *step : {slower, faster})
        step->setFixedWidth(step->sizeHint().height() + 4);

    m_metronomeStartButton = new QPushButton(tr("Start"));
    m_metronomeStartButton->setObjectName(QStringLiteral("metronomeStartButton"));
    connect(m_metronomeStartButton, &QPushButton::clicked, this, &SongViewViewController::startMetronome);
    m_metronomeStopButton = new QPushButton(tr("Stop"));
    m_metronomeStopButton->setObjectName(QStringLiteral("metronomeStopButton"));
    m_metronomeStopButton->hide();
    connect(m_metronomeStopButton, &QPushButton::clicked, this, &SongViewViewController::stopMetronome);
    m_metronomeSaveButton = new QPushButton;
    m_metronomeSaveButton->setObjectName(QStringLiteral("metronomeSaveButton"));
    connect(m_metronomeSaveButton, &QPushButton::clicked, this, &SongViewViewController::saveMetronomeTempo);
    m_metronomeSettingsButton = new QPushButton(QStringLiteral("⚙"));
    m_metronomeSettingsButton->setObjectName(QStringLiteral("metronomeSettingsButton"));
    m_metronomeSettingsButton->setToolTip(tr("Metronome Settings"));
    m_metronomeSettingsButton->setFixedWidth(m_metronomeSettingsButton->sizeHint().height() * 3 / 2);
    connect(m_metronomeSettingsButton, &QPushButton::clicked, this, &SongViewViewController::metronomeSettings);

    m_metronomeTimer = new QTimer(this);
    m_metronomeTimer->setTimerType(Qt::PreciseTimer);
    m_metronomeTimer->setInterval(flashPassMs);
    connect(m_metronomeTimer, &QTimer::timeout, this, &SongViewViewController::fireMetronomeTimer);

    // Until a song is shown the tempo is the one last set by hand.
    if (const Prefs *prefs = AppContext::instance()->prefs())
        m_tempoMetronome = int(prefs->metronomeTempo());
    updateMetronomeLabel();

    m_metronomeToolbar = makeToolbar(QStringLiteral("metronomeToolbar"),
                                     {slower, m_tempoMetronomeLabel, faster, m_metronomeStartButton,
                                      m_metronomeStopButton, m_metronomeSaveButton, m_metronomeSettingsButton});
}

void SongViewViewController::takeMetronomeValues()
{
    const SongPtr songBefore = m_metronomeSong.lock();
    const int tempoBefore = m_tempoMetronome;
    const qint64 ticksPerBarBefore = m_metronomeTicksPerBar;

    const int songTempo = m_song ? m_song->tempoMetronome() : 0;
    m_tempoMetronome = songTempo != 0 ? songTempo : int(appPrefs().metronomeTempo());
    m_metronomeTicksPerBar = m_song ? m_song->metronomeTicksPerBar() : 0;
    m_metronomeSong = m_song;
    const bool playing = isMetronomePlaying();
    if (playing)
        m_tempoMetronome = clampedMetronomeTempo(m_tempoMetronome);
    updateMetronomeLabel();

    // The editor refreshes the pane at every keystroke: a restart each time would break the beat.
    if (playing &&
        (songBefore != m_song || tempoBefore != m_tempoMetronome || ticksPerBarBefore != m_metronomeTicksPerBar)) {
        stopMetronome();
        startMetronome();
    }
}

void SongViewViewController::startMetronome()
{
    setupMetronomeFlashView();
    m_metronomeTickCount = 0;
    m_metronomeTimer->stop();
    const int tempo = clampedMetronomeTempo(m_tempoMetronome);
    if (tempo != m_tempoMetronome) {
        m_tempoMetronome = tempo;
        updateMetronomeLabel();
    }
    m_metronomeNextTick = m_monotonicClock->seconds() + 60.0 / m_tempoMetronome;

    if (appPrefs().metronomeTick()) {
        if (!m_metronome)
            m_metronome = m_makeMetronome ? m_makeMetronome() : std::make_unique<Metronome>();
        m_metronome->setDelegate(this);
        m_metronome->setTempo(double(m_tempoMetronome));
        m_metronome->setTicksPerBar(m_metronomeTicksPerBar);
        m_metronome->start();
    } else {
        m_metronomeTimer->start();
    }
    m_metronomeStopButton->show();
    m_metronomeStartButton->hide();
}

void SongViewViewController::stopMetronome()
{
    hideFlash();
    if (m_metronome)
        m_metronome->stop();
    m_metronomeTimer->stop();
    m_metronomeStartButton->show();
    m_metronomeStopButton->hide();
}

void SongViewViewController::startStopMetronome()
{
    if (isMetronomePlaying())
        stopMetronome();
    else
        startMetronome();
}

bool SongViewViewController::isMetronomePlaying() const
{
    return (m_metronome && m_metronome->isRunning()) || m_metronomeTimer->isActive();
}

void SongViewViewController::restartMetronomeIfPlaying()
{
    if (!isMetronomePlaying())
        return;
    stopMetronome();
    startMetronome();
}

qint64 SongViewViewController::maxCountInTicks() const
{
    // Beats are counted in 32 bits: no count-in is longer.
    return m_metronomeTicksPerBar > 0 ? 2 * std::min<qint64>(m_metronomeTicksPerBar, INT32_MAX) : 8;
}

void SongViewViewController::metronomeTickOn(MetronomeEngine &)
{
    // Reports are queued: one that arrives after a stop belongs to no run.
    if (!m_metronome || !m_metronome->isRunning())
        return;
    ++m_metronomeTickCount;
    if (appPrefs().metronomeFlash())
        showFlash();
}

void SongViewViewController::metronomeTickOff(MetronomeEngine &)
{
    if (!m_metronome || !m_metronome->isRunning())
        return;
    if (appPrefs().metronomeFlash())
        hideFlash();
    if (appPrefs().metronomeCountIn() && m_metronomeTickCount >= maxCountInTicks())
        stopMetronome();
}

void SongViewViewController::fireMetronomeTimer()
{
    const double now = m_monotonicClock->seconds();
    if (m_metronomeNextTick > now) {
        hideFlash();
        if (appPrefs().metronomeCountIn() && maxCountInTicks() <= m_metronomeTickCount)
            stopMetronome();
        return;
    }
    // Counted from the beat that was due, not from now: the beat does not drift, and a late timer catches up one
    // beat per pass.
    ++m_metronomeTickCount;
    showFlash();
    m_metronomeNextTick += 60.0 / m_tempoMetronome;
}

void SongViewViewController::setupMetronomeFlashView()
{
    m_metronomeFlashView->setupSegments(m_metronomeTicksPerBar, appPrefs().metronomeColor());
}

void SongViewViewController::showFlash()
{
    if (m_metronomeTicksPerBar > 0)
        m_metronomeFlashView->lightSegment((qint64(m_metronomeTickCount) - 1) % m_metronomeTicksPerBar);
    m_metronomeFlashView->show();
    m_metronomeFlashView->raise();
}

void SongViewViewController::hideFlash()
{
    m_metronomeFlashView->hide();
}

void SongViewViewController::senderincreaseMetronomeTempo()
{
    setMetronomeTempo(std::min(m_tempoMetronome + 1, fastestMetronomeTempo));
}

void SongViewViewController::decreaseMetronomeTempo()
{
    setMetronomeTempo(std::max(m_tempoMetronome - 1, slowestMetronomeTempo));
}

void SongViewViewController::setMetronomeTempo(int tempo)
{
    // Flash-only mode takes the new tempo from the next beat on.
    m_tempoMetronome = tempo;
    if (m_metronome)
        m_metronome->setTempo(double(tempo));
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setMetronomeTempo(float(tempo));
        prefs->save();
    }
    updateMetronomeLabel();
}

void SongViewViewController::updateMetronomeLabel()
{
    m_tempoMetronomeLabel->setText(QString::number(m_tempoMetronome));
    const bool textSong = m_song && !m_song->isNote() && !dynamic_cast<const PDFSong *>(m_song.get());
    m_metronomeSaveButton->setEnabled(textSong && m_tempoMetronome != m_song->tempoMetronome());
}

void SongViewViewController::saveMetronomeTempo()
{
    if (m_commands)
        m_commands->saveMetronomeTempo(m_tempoMetronome);
    m_metronomeSaveButton->setEnabled(false);
}

QMenu *SongViewViewController::makeMetronomeSettingsMenu(QWidget *parent)
{
    const Prefs &prefs = appPrefs();
    auto *menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto addToggle = [this, menu](const QString &title, bool on, void (SongViewViewController::*toggle)()) {
        QAction *action = menu->addAction(title);
        action->setCheckable(true);
        action->setChecked(on);
        connect(action, &QAction::triggered, this, toggle);
    };
    addToggle(tr("Tick"), prefs.metronomeTick(), &SongViewViewController::toggleMetronomeTick);
    addToggle(tr("Flash"), prefs.metronomeFlash(), &SongViewViewController::toggleMetronomeFlash);
    addToggle(tr("Count In"), prefs.metronomeCountIn(), &SongViewViewController::toggleMetronomeCountIn);
    connect(menu->addAction(tr("Flash Color...")), &QAction::triggered, this,
            &SongViewViewController::selectMetronomeFlashColor);
    return menu;
}

void SongViewViewController::metronomeSettings()
{
    makeMetronomeSettingsMenu(m_metronomeSettingsButton)
        ->popup(m_metronomeSettingsButton->mapToGlobal(m_metronomeSettingsButton->rect().bottomLeft()));
}

void SongViewViewController::toggleMetronomeTick()
{
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setMetronomeTick(!prefs->metronomeTick());
        metronomeSettingChanged(*prefs);
    }
}

void SongViewViewController::toggleMetronomeFlash()
{
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setMetronomeFlash(!prefs->metronomeFlash());
        metronomeSettingChanged(*prefs);
    }
}

void SongViewViewController::toggleMetronomeCountIn()
{
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setMetronomeCountIn(!prefs->metronomeCountIn());
        metronomeSettingChanged(*prefs);
    }
}

void SongViewViewController::metronomeSettingChanged(Prefs &prefs)
{
    // A metronome neither heard nor seen would be no metronome.
    if (!prefs.metronomeTick() && !prefs.metronomeFlash())
        prefs.setMetronomeTick(true);
    prefs.save();
    restartMetronomeIfPlaying();
}

void SongViewViewController::selectMetronomeFlashColor()
{
    if (!m_metronomeColorDialog) {
        m_metronomeColorDialog = new QColorDialog(this);
        m_metronomeColorDialog->setWindowTitle(tr("Flash Color"));
        m_metronomeColorDialog->setOption(QColorDialog::ShowAlphaChannel);
        connect(m_metronomeColorDialog, &QColorDialog::colorSelected, this,
                &SongViewViewController::metronomeColorSelected);
    }
    m_metronomeColorDialog->setCurrentColor(appPrefs().metronomeColor());
    m_metronomeColorDialog->show();
    m_metronomeColorDialog->raise();
    m_metronomeColorDialog->activateWindow();
}

void SongViewViewController::metronomeColorSelected(const QColor &color)
{
    Log::write(QStringLiteral("Color selected"));
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setMetronomeColor(color);
        prefs->save();
    }
    restartMetronomeIfPlaying();
}
