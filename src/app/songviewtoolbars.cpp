// The song pane's four toolbars: how they are made, which one is shown, and how it slides in above the song.
#include "songviewviewcontroller.h"

#include "metronomeflashview.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>

void SongViewViewController::buildToolbars()
{
    buildTransposeToolbar();
    buildAutoScrollToolbar();

    buildAudioToolbar();

    buildMetronomeToolbar();
}

QWidget *SongViewViewController::makeToolbar(const QString &name, const QList<QWidget *> &controls)
{
    auto *toolbar = new QFrame(m_songContainerView);
    toolbar->setObjectName(name);
    toolbar->setFrameShape(QFrame::StyledPanel);
    toolbar->setAutoFillBackground(true);
    auto *row = new QHBoxLayout(toolbar);
    row->setContentsMargins(6, 3, 6, 3);
    for (QWidget *control : controls)
        row->addWidget(control);
    row->addStretch();
    auto *close = new QPushButton(QStringLiteral("×"));
    close->setFlat(true);
    close->setToolTip(tr("Hide"));
    connect(close, &QPushButton::clicked, this, &SongViewViewController::hideToolbar);
    row->addWidget(close);
    toolbar->resize(toolbar->sizeHint());
    toolbar->hide();
    return toolbar;
}

void SongViewViewController::setButtonTitles()
{
    m_saveAutoScrollButton->setText(tr("Save"));
    m_startAutoScrollButton->setText(tr("Start"));
    m_stopAutoScrollButton->setText(tr("Stop"));
    m_saveTransposeButton->setText(tr("Save"));
    m_metronomeSaveButton->setText(tr("Save"));
    m_forwardButton->setText(tr(">>"));
    m_backwardButton->setText(tr("<<"));
    m_allbTransposeButton->setText(tr("All ♭"));
    m_allsharpTransposeButton->setText(tr("All ♯"));
}

bool SongViewViewController::isShown(const QWidget *toolbar) const
{
    return toolbar && !toolbar->isHidden();
}

QWidget *SongViewViewController::shownToolbar() const
{
    for (QWidget *toolbar : {m_transposeToolbar, m_autoScrollToolbar, m_audioPlayToolbar, m_metronomeToolbar}) {
        if (isShown(toolbar))
            return toolbar;
    }
    return nullptr;
}

bool SongViewViewController::showsToolbar() const
{
    return transposeToolbarVisible() || autoScrollToolbarVisible() || audioToolbarVisible();
}

void SongViewViewController::toggleToolbar(QWidget *toolbar)
{
    initToolbar(isShown(toolbar) ? nullptr : toolbar);
}

void SongViewViewController::hideToolbars()
{
    if (shownToolbar())
        initToolbar(nullptr);
}

void SongViewViewController::showAudioToolbar()
{
    initToolbar(m_audioPlayToolbar);
    setAudioSpeedPopup();
}

void SongViewViewController::mainToolbarSelected(int segment)
{
    if (segment == 0)
        initToolbar(m_transposeToolbar);
    else if (segment == 1)
        initToolbar(m_autoScrollToolbar);
}

void SongViewViewController::initToolbar(QWidget *toolbar)
{
    const bool noneShownBefore = !shownToolbar();
    if (m_slide)
        m_slide->stop();
    for (QWidget *shown : {m_transposeToolbar, m_autoScrollToolbar, m_audioPlayToolbar, m_metronomeToolbar})
        shown->hide();

    const int width = m_songContainerView->width();
    const int height = m_songContainerView->height();
    const int toolbarHeight = toolbar ? toolbar->sizeHint().height() : 0;
    auto *group = new QParallelAnimationGroup(this);
    m_slide = group;
    if (toolbar) {
        // From just above the visible area down into place.
        toolbar->setGeometry(0, -toolbarHeight, width, toolbarHeight);
        toolbar->show();
        toolbar->raise();
        addSlide(*group, toolbar, QRect(0, 0, width, toolbarHeight));
    }
    const QRect songArea(0, toolbarHeight, width, height - toolbarHeight);
    addSlide(*group, m_songScrollView, songArea);
    addSlide(*group, m_pdfScrollView, songArea);
    addSlide(*group, m_metronomeFlashView, QRect(0, toolbarHeight, width, m_metronomeFlashView->height()));
    group->start(QAbstractAnimation::DeleteWhenStopped);

    if (toolbar && noneShownBefore)
        afterDelayForSameSong(450, [this] { scrollToTop(); });
}

void SongViewViewController::addSlide(QParallelAnimationGroup &group, QWidget *widget, const QRect &to)
{
    auto *animation = new QPropertyAnimation(widget, "geometry", &group);
    animation->setDuration(toolbarSlideMs);
    animation->setEndValue(to);
    group.addAnimation(animation);
}

void SongViewViewController::layoutContainer()
{
    // A resize places everything at once; a slide under way would only fight it.
    if (m_slide)
        m_slide->stop();
    const int width = m_songContainerView->width();
    const int height = m_songContainerView->height();
    QWidget *toolbar = shownToolbar();
    const int toolbarHeight = toolbar ? toolbar->sizeHint().height() : 0;
    if (toolbar)
        toolbar->setGeometry(0, 0, width, toolbarHeight);
    const QRect songArea(0, toolbarHeight, width, height - toolbarHeight);
    m_songScrollView->setGeometry(songArea);
    m_pdfScrollView->setGeometry(songArea);
    m_metronomeFlashView->setGeometry(0, toolbarHeight, width, m_metronomeFlashView->height());
}
