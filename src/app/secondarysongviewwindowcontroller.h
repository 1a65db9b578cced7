// The second display: a window of its own that shows the current song once more, for a screen facing the audience
// or the band. It follows the song pane's transposition and spelling, with its own zoom, auto-zoom and lyrics-only
// settings.
#pragma once

#include "song.h"

#include <QWidget>

#include <functional>
#include <memory>

class PDFSongViewWidget;
class QScrollArea;
class SongDisplay;

class SecondarySongViewWindowController : public QWidget
{
    Q_OBJECT

public:
    // The application's current song, asked at each refresh and drawing pass.
    using CurrentSong = std::function<SongPtr()>;

    // mainSongView: the song pane's display, whose transposition and spelling every refresh takes over.
    SecondarySongViewWindowController(CurrentSong currentSong, const SongDisplay &mainSongView,
                                      std::unique_ptr<SongDisplay> songView);
    ~SecondarySongViewWindowController() override;

    // Shows and raises the window; the first time on a screen other than the one sender is on, when there is one.
    void showWindow(const QWidget *sender);
    // Takes the current song and the settings, lays the song out (or shows a PDF song's pages) and scrolls to the
    // top.
    void refresh();
    void scrollToTop();

    // Every zoom step is kept in the settings and switches auto-zoom off; the zoom stays within the song pane's
    // limits.
    void zoomIn();
    void zoomOut();
    void resetZoom();
    // Flips the setting autozoomSecondary, keeps it and refreshes.
    void autozoom();
    void toggleFullScreen();

    SongDisplay &songView() { return *m_songView; }
    QScrollArea *songScrollView() const { return m_songScrollView; }
    QScrollArea *pdfScrollView() const { return m_pdfScrollView; }
    PDFSongViewWidget *pdfSongView() const { return m_pdfSongView; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyZoom(double zoomScale);
    void showSongOrPdf(const SongPtr &song);
    void placeOnOtherScreen(const QWidget *sender);

    CurrentSong m_currentSong;
    const SongDisplay &m_mainSongView;
    std::unique_ptr<SongDisplay> m_songView;
    QScrollArea *m_songScrollView = nullptr;
    QScrollArea *m_pdfScrollView = nullptr;
    PDFSongViewWidget *m_pdfSongView = nullptr;
    bool m_placed = false;
};
