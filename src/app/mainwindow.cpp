#include "mainwindow.h"

#include "userdefaults.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kGeometryKey = QStringLiteral("mainWindow.geometry");
const QString kMaximizedKey = QStringLiteral("mainWindow.maximized");

// Enough of the window's top edge (where its title bar is) lies on a screen for the user to grab it.
bool isReachable(const QRect &geometry)
{
    const QRect top(geometry.topLeft(), QSize(geometry.width(), 40));
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens) {
        const QRect shown = screen->availableGeometry().intersected(top);
        if (shown.width() >= 100 && shown.height() >= 20)
            return true;
    }
    return false;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    setSongTitle(tr("Vellorin"));
    resize(1200, 800);

    m_toolbar = addToolBar(tr("Main"));
    m_toolbar->setObjectName(QStringLiteral("mainToolbar"));
    // The toolbar is not for the user to rearrange or hide.
    m_toolbar->setMovable(false);
    m_toolbar->toggleViewAction()->setEnabled(false);
    m_zoomOut = addToolButton(tr("−"), tr("Zoom Out"));
    m_zoomSlider = new QSlider(Qt::Horizontal);
    m_zoomSlider->setToolTip(tr("Zoom"));
    m_zoomSlider->setMaximumWidth(160);
    m_toolbar->addWidget(m_zoomSlider);
    m_zoomIn = addToolButton(tr("+"), tr("Zoom In"));
    m_autoZoom = addToolButton(tr("Auto Zoom"), tr("Fit the song into the window"));
    m_autoZoom->setCheckable(true);
}

QToolButton *MainWindow::addToolButton(const QString &text, const QString &toolTip)
{
    auto *button = new QToolButton;
    button->setText(text);
    button->setToolTip(toolTip);
    m_toolbar->addWidget(button);
    return button;
}

void MainWindow::setSongPane(QWidget *pane)
{
    setCentralWidget(pane);
}

void MainWindow::showWithSavedGeometry()
{
    const QRect saved = UserDefaults::value(kGeometryKey).toRect();
    if (saved.isValid() && isReachable(saved))
        setGeometry(saved);
    if (UserDefaults::value(kMaximizedKey).toBool())
        showMaximized();
    else
        show();
}

void MainWindow::saveGeometry() const
{
    // A maximised window keeps the place it goes back to when it is restored.
    UserDefaults::setValue(kGeometryKey, isMaximized() ? normalGeometry() : geometry());
    UserDefaults::setValue(kMaximizedKey, isMaximized());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    saveGeometry();
    QMainWindow::closeEvent(event);
}

void MainWindow::setFileDrops(FileDrops drops)
{
    m_fileDrops = std::move(drops);
    setAcceptDrops(true);
    // Seen before any widget of the window: the editor would otherwise take dropped files itself.
    qApp->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *target = qobject_cast<QWidget *>(watched);
    return target && target->window() == this && handleFileDrag(target, event);
}

bool MainWindow::handleFileDrag(QWidget *target, QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    if (drop->source() || !m_fileDrops.accepts)
        return false;
    QStringList paths;
    for (const QUrl &url : drop->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    if (paths.isEmpty())
        return false;
    const QPoint position = target->mapTo(this, drop->position().toPoint());
    // Entering is always taken, so that moving on to a place that takes the files is still reported.
    const bool take = event->type() == QEvent::DragEnter || m_fileDrops.accepts(paths, position);
    if (take && event->type() == QEvent::Drop && !m_fileDrops.perform(paths, position)) {
        drop->ignore();
        return true;
    }
    if (take) {
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
    } else {
        drop->ignore();
    }
    return true;
}

void MainWindow::setSongTitle(const QString &title)
{
    m_songTitle = title;
    updateTitle();
}

void MainWindow::setSharingTitle(const std::optional<QString> &peers)
{
    m_sharingTitle = peers;
    updateTitle();
}

void MainWindow::updateTitle()
{
    setWindowTitle(m_sharingTitle ? m_songTitle + QStringLiteral(" - ") + *m_sharingTitle : m_songTitle);
}
