// The second display window.
#include "secondarysongviewwindowcontroller.h"

#include "appcontext.h"
#include "pdfsong.h"
#include "pdfsongviewwidget.h"
#include "prefs.h"
#include "songdisplay.h"
#include "songviewviewcontroller.h"
#include "songviewwidget.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

Prefs *appPrefs()
{
    return AppContext::instance()->prefs();
}

} // namespace

SecondarySongViewWindowController::SecondarySongViewWindowController(CurrentSong currentSong,
                                                                     const SongDisplay &mainSongView,
                                                                     std::unique_ptr<SongDisplay> songView)
    : QWidget(nullptr, Qt::Window)
    , m_currentSong(std::move(currentSong))
    , m_mainSongView(mainSongView)
    , m_songView(std::move(songView))
{
    // Closing the main window quits even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(800, 600);

    m_songView->setSongSource([this] { return m_currentSong ? m_currentSong() : SongPtr(); });
    // A click on a chord here does nothing: the chord window belongs to the main window.
    m_songView->setChordClickHandler([](const QString &, const QRectF &) {});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_songScrollView = SongViewWidget::makeScrollArea(m_songView->widget(), this, this);
    layout->addWidget(m_songScrollView);

    m_pdfScrollView = new QScrollArea(this);
    m_pdfSongView = new PDFSongViewWidget;
    m_pdfScrollView->setWidget(m_pdfSongView);
    m_pdfScrollView->setWidgetResizable(false);
    m_pdfScrollView->hide();
    layout->addWidget(m_pdfScrollView);
}

SecondarySongViewWindowController::~SecondarySongViewWindowController()
{
    // The song widget belongs to the display pointer: the scroll area must not delete it too.
    m_songScrollView->takeWidget();
}

void SecondarySongViewWindowController::showWindow(const QWidget *sender)
{
    if (!m_placed) {
        placeOnOtherScreen(sender);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void SecondarySongViewWindowController::placeOnOtherScreen(const QWidget *sender)
{
    const QScreen *mainScreen = sender ? sender->screen() : QGuiApplication::primaryScreen();
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen == mainScreen)
            continue;
        const QRect available = screen->availableGeometry();
        move(available.center() - rect().center());
        return;
    }
}

void SecondarySongViewWindowController::refresh()
{
    const SongPtr song = m_currentSong ? m_currentSong() : SongPtr();
    const Prefs *prefs = appPrefs();
    setWindowTitle(song ? song->title() : QString());
    m_songView->setZoomScale(SongViewViewController::saneZoom(prefs ? prefs->zoomScaleSecondary() : 1.0));
    m_songView->setShowChords(!(prefs && prefs->showlyricsonlyOnSecondaryDisplay()));
    m_songView->setTranspose(m_mainSongView.transpose());
    m_songView->setAllChordsFlat(m_mainSongView.allChordsFlat());
    m_songView->setAllChordsSharp(m_mainSongView.allChordsSharp());
    m_songView->adjustFrameForView(*m_songScrollView, prefs && prefs->autozoomSecondary());
    m_songView->widget()->update();
    showSongOrPdf(song);
    scrollToTop();
}

void SecondarySongViewWindowController::showSongOrPdf(const SongPtr &song)
{
    const bool pdf = song && dynamic_cast<const PDFSong *>(song.get());
    m_songScrollView->setVisible(!pdf);
    m_pdfScrollView->setVisible(pdf);
    if (!pdf)
        return;
    // The pages are fitted to the scroll area's size, which it takes from the layout only when shown.
    layout()->activate();
    m_pdfSongView->setPath(song->path());
    m_pdfSongView->adjustFrameForView(m_pdfScrollView->viewport());
    m_pdfSongView->update();
}

void SecondarySongViewWindowController::scrollToTop()
{
    for (QScrollArea *area : {m_songScrollView, m_pdfScrollView}) {
        area->verticalScrollBar()->setValue(0);
        area->horizontalScrollBar()->setValue(0);
    }
}

void SecondarySongViewWindowController::zoomIn()
{
    applyZoom(double(m_songView->zoomScale()) * 1.05);
}

void SecondarySongViewWindowController::zoomOut()
{
    applyZoom(double(m_songView->zoomScale()) * 0.95);
}

void SecondarySongViewWindowController::resetZoom()
{
    applyZoom(1.0);
}

void SecondarySongViewWindowController::applyZoom(double zoomScale)
{
    m_songView->setZoomScale(SongViewViewController::saneZoom(zoomScale));
    if (Prefs *prefs = appPrefs()) {
        prefs->setZoomScaleSecondary(m_songView->zoomScale());
        prefs->setAutozoomSecondary(false);
        prefs->save();
    }
    m_songView->adjustFrameForView(*m_songScrollView, false);
    m_songView->widget()->update();
}

void SecondarySongViewWindowController::autozoom()
{
    if (Prefs *prefs = appPrefs()) {
        prefs->setAutozoomSecondary(!prefs->autozoomSecondary());
        prefs->save();
    }
    refresh();
}

void SecondarySongViewWindowController::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

bool SecondarySongViewWindowController::eventFilter(QObject *watched, QEvent *event)
{
    // A new size lays the song out again; with auto-zoom it is fitted anew, else it keeps its zoom.
    if (watched == m_songScrollView && event->type() == QEvent::Resize) {
        const Prefs *prefs = appPrefs();
        m_songView->adjustFrameForView(*m_songScrollView, prefs && prefs->autozoomSecondary());
    }
    return QWidget::eventFilter(watched, event);
}

void SecondarySongViewWindowController::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        toggleFullScreen();
        return;
    }
    QWidget::keyPressEvent(event);
}
