#include "mainwindow.h"

#include <QCloseEvent>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

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

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
