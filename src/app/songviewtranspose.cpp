// The song pane's transposition and capo: the song is played in another key without changing its file, the
// chords spelled all flat or all sharp, and the capo written into the song. Every change is shown at once and
// handed on to the playlist entry's key and to connected peers as each operation asks.
#include "songviewviewcontroller.h"

#include "chord.h"
#include "songdisplay.h"
#include "songpanecommands.h"

#include <QActionGroup>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr int lowestStep = -6;
constexpr int highestStep = 6;
constexpr int highestCapo = 9;

// A transposition from outside -6..+6 (a peer sends 0..11) as the same key within it, so a step from it lands
// where a step from that key would.
int withinStepRange(int semitones)
{
    if (semitones >= lowestStep && semitones <= highestStep)
        return semitones;
    return ((semitones - lowestStep) % 12 + 12) % 12 + lowestStep;
}

} // namespace

void SongViewViewController::buildTransposeToolbar()
{
    m_transposePopupButton = new QPushButton;
    m_transposePopupButton->setObjectName(QStringLiteral("transposePopupButton"));
    m_transposePopupButton->setToolTip(tr("Transpose"));
    m_transposeMenu = makePopupMenu(m_transposePopupButton, lowestStep, highestStep);
    connect(m_transposeMenu, &QMenu::triggered, this,
            [this](QAction *item) { transposeFromPopup(item->data().toInt()); });

    m_capoPopupButton = new QPushButton;
    m_capoPopupButton->setObjectName(QStringLiteral("capoPopupButton"));
    m_capoMenu = makePopupMenu(m_capoPopupButton, 0, highestCapo);
    connect(m_capoMenu, &QMenu::triggered, this, [this](QAction *item) { capoFromPopup(item->data().toInt()); });

    m_allbTransposeButton = new QPushButton;
    connect(m_allbTransposeButton, &QPushButton::clicked, this, &SongViewViewController::transposeAllb);
    m_allsharpTransposeButton = new QPushButton;
    connect(m_allsharpTransposeButton, &QPushButton::clicked, this, &SongViewViewController::transposeAllsharp);
    m_saveTransposeButton = new QPushButton;
    m_saveTransposeButton->setEnabled(false);
    connect(m_saveTransposeButton, &QPushButton::clicked, this, &SongViewViewController::transposeSave);
    connect(this, &SongViewViewController::transposeCanSaveChanged, m_saveTransposeButton, &QWidget::setEnabled);

    m_transposeToolbar = makeToolbar(QStringLiteral("transposeToolbar"),
                                     {m_transposePopupButton, m_capoPopupButton, m_allbTransposeButton,
                                      m_allsharpTransposeButton, m_saveTransposeButton});
}

QMenu *SongViewViewController::makePopupMenu(QPushButton *button, int first, int last)
{
    auto *menu = new QMenu(button);
    auto *items = new QActionGroup(menu);
    for (int tag = first; tag <= last; ++tag) {
        QAction *item = menu->addAction(QString());
        item->setData(tag);
        item->setCheckable(true);
        items->addAction(item);
    }
    button->setMenu(menu);
    return menu;
}

void SongViewViewController::fillTransposePopup()
{
    for (QAction *item : m_transposeMenu->actions())
        item->setText(transposeLabelForStep(item->data().toInt()));
}

void SongViewViewController::fillCapoPopup()
{
    for (QAction *item : m_capoMenu->actions())
        item->setText(capoLabelForStep(item->data().toInt()));
}

void SongViewViewController::showTransposition()
{
    const int transpose = m_songView->transpose();
    m_transposePopupButton->setText(transposeLabelForStep(transpose));
    const qint64 capo = m_song ? m_song->capo() : 0;
    m_capoPopupButton->setText(capoLabelForStep(capo));
    // A value no item holds (a peer's 9, a capo of 12) leaves no item marked.
    for (QAction *item : m_transposeMenu->actions())
        item->setChecked(item->data().toInt() == transpose);
    for (QAction *item : m_capoMenu->actions())
        item->setChecked(item->data().toInt() == capo);
    Q_EMIT transposeCanSaveChanged(transposeCanSave());
}

QString SongViewViewController::transposeButtonTitle() const
{
    return m_transposePopupButton->text();
}

QString SongViewViewController::capoButtonTitle() const
{
    return m_capoPopupButton->text();
}

QString SongViewViewController::transposeLabelForStep(qint64 step) const
{
    const QString number = QString::number(step);
    if (!m_song)
        return number;
    if (step == 0) {
        const QString key = m_song->key();
        return key.isEmpty() ? number : key;
    }
    const std::optional<QString> key = m_song->keyForTransposeDelta(step, transposeFavorChar());
    return key && !key->isEmpty() ? *key : number;
}

QString SongViewViewController::capoLabelForStep(qint64 step) const
{
    return step == 0 ? tr("No Capo") : tr("Capo %1").arg(step);
}

QChar SongViewViewController::transposeFavorChar() const
{
    if (m_songView->allChordsFlat())
        return QLatin1Char('b');
    return m_songView->allChordsSharp() ? QLatin1Char('#') : QChar();
}

QChar SongViewViewController::transposeFavor() const
{
    if (m_songView->allChordsSharp())
        return QLatin1Char('#');
    return m_songView->allChordsFlat() ? QLatin1Char('b') : QChar();
}

bool SongViewViewController::transposeCanSave() const
{
    return m_songView->transpose() != 0 || m_songView->allChordsSharp() || m_songView->allChordsFlat();
}

void SongViewViewController::transposeUp()
{
    stepTranspose(1);
}

void SongViewViewController::transposeDown()
{
    stepTranspose(-1);
}

void SongViewViewController::stepTranspose(int delta)
{
    int semitones = withinStepRange(m_songView->transpose()) + delta;
    if (semitones > highestStep)
        semitones = lowestStep + 1;
    else if (semitones < lowestStep)
        semitones = highestStep - 1;
    m_songView->setTranspose(semitones);
    refresh();
    updatePlaylistKey();
    notifyPeersOfTranspose();
}

void SongViewViewController::setTranspose(int semitones)
{
    // Set for this song at its capo: the song's first refresh, which may still be waiting, must not put it back
    // to minus the capo.
    if (const SongPtr song = m_currentSong ? m_currentSong() : nullptr)
        rememberCapoOf(song);
    m_songView->setTranspose(semitones);
    notifyPeersOfTranspose();
    refresh();
}

void SongViewViewController::peerTranspose(int semitones)
{
    m_songView->setTranspose(semitones);
    refresh();
}

void SongViewViewController::transposeFromPopup(int step)
{
    m_songView->setTranspose(step);
    refresh();
    notifyPeersOfTranspose();
    updatePlaylistKey();
}

void SongViewViewController::capoFromPopup(int capo)
{
    if (m_commands)
        m_commands->setCapo(capo);
    updatePlaylistKey();
}

void SongViewViewController::transposeAllb()
{
    m_songView->setAllChordsFlat(true);
    m_songView->setAllChordsSharp(false);
    refresh();
    updatePlaylistKey();
}

void SongViewViewController::transposeAllsharp()
{
    m_songView->setAllChordsSharp(true);
    m_songView->setAllChordsFlat(false);
    refresh();
    updatePlaylistKey();
}

void SongViewViewController::setTranspositionEnabled(bool enabled)
{
    for (QPushButton *control :
         {m_transposePopupButton, m_capoPopupButton, m_allbTransposeButton, m_allsharpTransposeButton})
        control->setEnabled(enabled);
}

void SongViewViewController::transposeSave()
{
    // There is no application store on Linux, so no review is asked for after saving.
    if (m_commands)
        m_commands->transposeSave();
    updatePlaylistKey();
}

void SongViewViewController::updatePlaylistKey()
{
    if (!m_song || !m_commands)
        return;
    m_commands->updatePlaylistKey(Chord::transpose(m_song->key(), m_songView->transpose(), transposeFavor()));
}

void SongViewViewController::notifyPeersOfTranspose()
{
    if (m_song && m_commands)
        m_commands->notifyPeersTransposeSong(*m_song, m_songView->transpose());
}
