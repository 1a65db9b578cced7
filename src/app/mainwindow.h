// The application's main window: the panes, and the main toolbar with the zoom controls.
#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <optional>

class QSlider;
class QToolBar;
class QToolButton;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Shows the pane as the window's content; the window owns it from then on.
    void setSongPane(QWidget *pane);
    // The title is the song pane's ("Vellorin", or "Vellorin - " and the song), followed, while nearby sharing is
    // on, by " - " and the connected peers (or "Searching..." while none is): who is connected stays in sight
    // whatever song is shown.
    void setSongTitle(const QString &title);
    // The peers part of the title; nullopt while sharing is off.
    void setSharingTitle(const std::optional<QString> &peers);
    // Asked before the window closes; answering false keeps it open.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

    // Shows the window where it was when it last closed, maximised if it was, kept in the user defaults.
    // A place no screen shows any more is forgotten: the window opens at its default size instead.
    void showWithSavedGeometry();
    // Keeps the window's place, size and maximised state for the next start.
    void saveGeometry() const;

    // Files dragged from other programs onto any part of the window, the editor included, go to these; the
    // position is in the window's coordinates. Drags that start inside the program are left to the widgets.
    struct FileDrops
    {
        std::function<bool(const QStringList &paths, const QPoint &position)> accepts;
        std::function<bool(const QStringList &paths, const QPoint &position)> perform;
    };
    void setFileDrops(FileDrops drops);

    // The zoom controls of the main toolbar. The slider's value is the zoom in percent.
    QToolBar *mainToolbar() const { return m_toolbar; }
    QSlider *zoomSlider() const { return m_zoomSlider; }
    QToolButton *zoomInButton() const { return m_zoomIn; }
    QToolButton *zoomOutButton() const { return m_zoomOut; }
    QToolButton *autoZoomButton() const { return m_autoZoom; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *addToolButton(const QString &text, const QString &toolTip);

    // The drop of a drag event, when it carries local files from another program onto this window.
    bool handleFileDrag(QWidget *target, QEvent *event);

    void updateTitle();

    QString m_songTitle;
    std::optional<QString> m_sharingTitle;
    std::function<bool()> m_closeGuard;
    FileDrops m_fileDrops;
    QToolBar *m_toolbar = nullptr;
    QSlider *m_zoomSlider = nullptr;
    QToolButton *m_zoomIn = nullptr;
    QToolButton *m_zoomOut = nullptr;
    QToolButton *m_autoZoom = nullptr;
};
