#include "mainwindow.h"

#include "userdefaults.h"

#include <QCloseEvent>
#include <QGuiApplication>
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
    setWindowTitle(tr("Vellorin"));
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
