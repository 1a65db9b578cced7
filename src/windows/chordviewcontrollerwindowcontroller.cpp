// The chord diagram window.
#include "chordviewcontrollerwindowcontroller.h"

#include "chordeditviewcontroller.h"
#include "chords.h"
#include "chordviewwidget.h"
#include "chordwindowcontext.h"
#include "chordwindowshost.h"
#include "dialogs.h"
#include "instrument.h"
#include "song.h"
#include "textmetrics.h"

#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Columns a window shows before the user widens it.
constexpr int initialColumns = 4;
// Room enough for any set's diagrams, when measuring how high they stand.
constexpr qreal unboundedHeight = 100000;
// A diagram's cell reaches this far beyond its bounds.
constexpr qreal cellInset = 2;

} // namespace

ChordViewControllerWindowController::ChordViewControllerWindowController(ChordWindowsHost &host, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_host(host)
    , m_chordViewWidget(new ChordViewWidget(this))
    , m_chordMenu(new QMenu(this))
    , m_addAction(addMenuAction(tr("Add Chord…"), &ChordViewControllerWindowController::addChord))
    , m_editAction(addMenuAction(tr("Edit Chord…"), &ChordViewControllerWindowController::editChord))
    , m_deleteAction(addMenuAction(tr("Delete Chord…"), &ChordViewControllerWindowController::deleteChord))
    , m_favoriteAction(addMenuAction(tr("Favorite"), &ChordViewControllerWindowController::toggleFavorite))
    , m_defineAction(addMenuAction(tr("Define in Song"), &ChordViewControllerWindowController::defineChordInSong))
    , m_removeDefinitionAction(
          addMenuAction(tr("Remove from Song"), &ChordViewControllerWindowController::removeDefinedChordFromSong))
{
    m_favoriteAction->setCheckable(true);
    m_chordMenu->insertSeparator(m_favoriteAction);
    m_chordMenu->insertSeparator(m_defineAction);
    connect(m_chordMenu, &QMenu::aboutToShow, this, &ChordViewControllerWindowController::validateMenuItems);

    ChordView &view = m_chordViewWidget->chordView();
    view.setDelegate(this);
    view.setMarkEditableChords(true);
    view.setMarkFavoriteChords(true);
    // The diagrams fill the window: the window's size is theirs.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chordViewWidget);
    resize(QSize(qRound(cellWidth() * initialColumns * TextMetrics::pointScale(this)), 100));
}

ChordViewControllerWindowController::~ChordViewControllerWindowController()
{
    m_chordViewWidget->chordView().setDelegate(nullptr);
}

QAction *ChordViewControllerWindowController::addMenuAction(const QString &title,
                                                            void (ChordViewControllerWindowController::*command)())
{
    QAction *action = m_chordMenu->addAction(title);
    connect(action, &QAction::triggered, this, command);
    return action;
}

qreal ChordViewControllerWindowController::cellWidth()
{
    return ChordWindowContext::largeChordDiagrams() ? 70 : 48;
}

QPoint ChordViewControllerWindowController::placement(const QRect &rect, const QSize &windowSize,
                                                      const QRect &available)
{
    int y = rect.bottom() + 1;
    if (y + windowSize.height() > available.bottom() + 1)
        y = rect.top() - windowSize.height();
    // Whatever the rectangle, the window stays on the screen: moved in from an edge it would pass.
    const int x = std::clamp(rect.left(), available.left(),
                             std::max(available.left(), available.right() + 1 - windowSize.width()));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - windowSize.height()));
    return QPoint(x, y);
}

void ChordViewControllerWindowController::setChords(const QString &name, const QList<Chord> &chords)
{
    m_name = name;
    m_chords = chords;
    const ChordDisplayOptions options = ChordWindowContext::displayOptions();
    if (!name.isEmpty())
        setWindowTitle(Chord::displayNameForChordname(name, options));
    else
        setWindowTitle(chords.isEmpty() ? QString() : chords.last().displayName(options));
    ChordView &view = m_chordViewWidget->chordView();
    view.setChords(chords);
    view.setNumstrings(ChordWindowContext::instrument().numstrings());
    fitToDiagrams();
    layOutChords();
    m_defineAction->setVisible(!hasTemp());
    m_removeDefinitionAction->setVisible(hasTemp());
}

bool ChordViewControllerWindowController::hasTemp() const
{
    return std::any_of(m_chords.begin(), m_chords.end(), [](const Chord &c) { return c.temp(); });
}

qreal ChordViewControllerWindowController::heightOfDiagrams(qreal width)
{
    ChordView &view = m_chordViewWidget->chordView();
    view.setNumcols(std::max(1, int(width / cellWidth())));
    const QSizeF extent = view.calcChordsBoundsWithRect(QRectF(0, 0, width, unboundedHeight));
    // A keyboard grid ends with its last row of staves; a fretted grid's extent holds room for one more cell.
    const qreal bottom = ChordWindowContext::isKeyboard() ? extent.height() : view.diagramsRect().bottom() + cellInset;
    return std::max(cellWidth() * 1.2, bottom);
}

void ChordViewControllerWindowController::fitToDiagrams()
{
    const qreal scale = TextMetrics::pointScale(this);
    const QSizeF available = QSizeF(screen()->availableGeometry().size()) / scale;
    qreal width = std::min(sizeInPoints().width(), available.width());
    qreal height = heightOfDiagrams(width);
    // A set too tall for the screen gets more columns, as long as they make it lower.
    while (height > available.height() && width + cellWidth() <= available.width()) {
        const qreal wider = heightOfDiagrams(width + cellWidth());
        if (wider >= height)
            break;
        width += cellWidth();
        height = wider;
    }
    resize(qRound(width * scale), qRound(std::min(height, available.height()) * scale));
}

QSizeF ChordViewControllerWindowController::sizeInPoints() const
{
    return QSizeF(size()) / TextMetrics::pointScale(this);
}

void ChordViewControllerWindowController::layOutChords()
{
    ChordView &view = m_chordViewWidget->chordView();
    const QSizeF size = sizeInPoints();
    view.setNumcols(std::max(1, int(size.width() / cellWidth())));
    view.calcChordsBoundsWithRect(QRectF(QPointF(), size));
    m_chordViewWidget->update();
}

void ChordViewControllerWindowController::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutChords();
}

void ChordViewControllerWindowController::showWindow(const QRect &globalRect)
{
    show();
    const QScreen *screen = QGuiApplication::screenAt(globalRect.center());
    const QRect available = (screen ? screen : this->screen())->availableGeometry();
    move(placement(globalRect, frameGeometry().size(), available));
    raise();
    activateWindow();
}

void ChordViewControllerWindowController::chordView(ChordView &view, const Chord &selectedChord)
{
    Q_UNUSED(view);
    m_selectedChord = selectedChord;
    const qreal scale = TextMetrics::pointScale(m_chordViewWidget);
    const QPoint centre = (selectedChord.bounds().center() * scale).toPoint();
    m_chordMenu->popup(m_chordViewWidget->mapToGlobal(centre), m_addAction);
}

bool ChordViewControllerWindowController::songTakesDefinitions() const
{
    const std::shared_ptr<Song> song = m_host.currentSong();
    return song && m_host.isNormalSong() && !song->path().isEmpty();
}

void ChordViewControllerWindowController::validateMenuItems()
{
    const bool actions = !ChordWindowContext::isKeyboard();
    const bool selected = actions && m_selectedChord.has_value();
    const bool editable = selected && m_selectedChord->editable();
    const bool temp = selected && m_selectedChord->temp();
    m_addAction->setEnabled(actions);
    m_editAction->setEnabled(editable);
    m_deleteAction->setEnabled(editable);
    m_favoriteAction->setEnabled(actions);
    m_favoriteAction->setChecked(selected && m_selectedChord->favorite());
    m_defineAction->setEnabled(selected && !temp && songTakesDefinitions());
    m_removeDefinitionAction->setEnabled(temp && songTakesDefinitions());
}

QString ChordViewControllerWindowController::lookupName() const
{
    if (!m_name.isEmpty() || m_chords.isEmpty())
        return m_name;
    return m_chords.last().title();
}

void ChordViewControllerWindowController::rebuildChords()
{
    QList<Chord> chords;
    std::copy_if(m_chords.begin(), m_chords.end(), std::back_inserter(chords), [](const Chord &c) { return c.temp(); });
    if (Chords *library = ChordWindowContext::chords())
        chords.append(library->chordsForTitle(lookupName()));
    if (m_selectedChord) {
        const auto again = std::find(chords.begin(), chords.end(), *m_selectedChord);
        m_selectedChord = again == chords.end() ? std::nullopt : std::optional<Chord>(*again);
    }
    setChords(m_name, chords);
}

void ChordViewControllerWindowController::addChord()
{
    ChordEditViewController editor(m_host, std::nullopt, lookupName(), this);
    m_host.runChordEditor(editor);
    rebuildChords();
}

void ChordViewControllerWindowController::editChord()
{
    if (!m_selectedChord)
        return;
    ChordEditViewController editor(m_host, m_selectedChord, QString(), this);
    m_host.runChordEditor(editor);
    rebuildChords();
}

void ChordViewControllerWindowController::deleteChord()
{
    if (!m_selectedChord)
        return;
    Dialogs::Alert alert;
    alert.title = tr("Delete chord?");
    alert.defaultButton = tr("Delete");
    alert.alternateButton = tr("Cancel");
    alert.informativeText = m_selectedChord->description(ChordWindowContext::instrument());
    if (m_host.dialogs().runAlert(alert) != Dialogs::Answer::Default)
        return;
    if (Chords *library = ChordWindowContext::chords()) {
        library->removeChord(*m_selectedChord);
        library->saveDefines();
    }
    rebuildChords();
    m_host.refreshChordLibrary();
}

void ChordViewControllerWindowController::toggleFavorite()
{
    if (!m_selectedChord)
        return;
    if (Chords *library = ChordWindowContext::chords()) {
        library->setFavorite(*m_selectedChord, !m_selectedChord->favorite());
        library->saveDefines();
    }
    rebuildChords();
    m_host.refreshChordLibrary();
    m_host.refreshSongView();
}

void ChordViewControllerWindowController::defineChordInSong()
{
    const std::shared_ptr<Song> song = m_host.currentSong();
    if (!m_selectedChord || !songTakesDefinitions())
        return;
    const Instrument &instrument = ChordWindowContext::instrument();
    Chord definition = Chord::fromDefinition(m_selectedChord->definition(instrument));
    // The definition carries the name the song uses.
    if (!m_name.isEmpty())
        definition.setTitle(m_name);
    m_host.saveOrUpdateCurrentSong();
    song->addDefineChord(definition, instrument);
    song->save();
    m_host.refreshSongView();
    m_host.refreshEditor();
    close();
}

void ChordViewControllerWindowController::removeDefinedChordFromSong()
{
    const std::shared_ptr<Song> song = m_host.currentSong();
    if (!m_selectedChord || !songTakesDefinitions())
        return;
    m_host.saveOrUpdateCurrentSong();
    song->removeDefineChord(*m_selectedChord);
    song->save();
    m_host.refreshSongView();
    m_host.refreshEditor();
    close();
}
