#include "fontprefsview.h"

#include "colorwell.h"
#include "fontprefs.h"

#include <QFontInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

FontPrefsView::FontPrefsView(QWidget *parent)
    : QWidget(parent)
    , m_fontLabel(new QLabel)
    , m_foregroundLabel(new QLabel)
    , m_backgroundLabel(new QLabel)
    , m_fontButton(new QPushButton)
    , m_foregroundColorWell(new ColorWell)
    , m_backgroundColorWell(new ColorWell)
{
    m_fontButton->setObjectName(QStringLiteral("fontButton"));
    m_foregroundColorWell->setObjectName(QStringLiteral("foregroundColorWell"));
    m_backgroundColorWell->setObjectName(QStringLiteral("backgroundColorWell"));
    auto *layout = new QFormLayout(this);
    layout->addRow(m_fontLabel, m_fontButton);
    layout->addRow(m_foregroundLabel, m_foregroundColorWell);
    layout->addRow(m_backgroundLabel, m_backgroundColorWell);
}

void FontPrefsView::refresh()
{
    m_fontLabel->setText(tr("Font"));
    m_foregroundLabel->setText(tr("Foreground"));
    m_backgroundLabel->setText(tr("Background"));
    if (!m_fontPrefs)
        return;
    m_foregroundColorWell->setColor(m_fontPrefs->color());
    m_backgroundColorWell->setColor(m_fontPrefs->backgroundColor());
    showFontName();
}

void FontPrefsView::showFontName()
{
    // The family actually drawn (a missing one falls back), with the size in points.
    const QFont font = m_fontPrefs->fontWithScale(1.0F);
    m_fontButton->setText(QStringLiteral("%1 %2").arg(QFontInfo(font).family()).arg(font.pointSizeF()));
}
