#include "fontprefsview.h"

#include "colorwell.h"
#include "dialogs.h"
#include "fontprefs.h"

#include <QFontInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

FontPrefsView::FontPrefsView(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
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
    connect(m_fontButton, &QPushButton::clicked, this, &FontPrefsView::selectFont);
    connect(m_foregroundColorWell, &QPushButton::clicked, this,
            [this] { changeColor(m_foregroundColorWell, &FontPrefs::color, &FontPrefs::setColor); });
    connect(m_backgroundColorWell, &QPushButton::clicked, this, [this] {
        changeColor(m_backgroundColorWell, &FontPrefs::backgroundColor, &FontPrefs::setBackgroundColor);
    });
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

QFont FontPrefsView::panelFont() const
{
    // The panel lists the desktop's families and their faces by name: a family the desktop lacks, a generic
    // one such as its own font's, or a style it names otherwise ("Normal" for "Book") would open it on another
    // face, which a mere size change would then keep. It starts on the face actually drawn, in the family the
    // button names, at the record's size.
    const QFont font = m_fontPrefs->fontWithScale(1.0F);
    QFont start(QFontInfo(font).family());
    start.setPointSizeF(font.pointSizeF());
    start.setBold(m_fontPrefs->bold());
    start.setItalic(m_fontPrefs->italic());
    start.setStyleName(QFontInfo(start).styleName());
    return start;
}

void FontPrefsView::selectFont()
{
    if (!m_fontPrefs)
        return;
    // The panel starts on the record's own font and the whole chosen font is kept, so changing only the size
    // or the face keeps the family. The flags are those of the face actually found.
    const std::optional<QFont> chosen = m_dialogs.runFontPanel(panelFont());
    if (!chosen)
        return;
    const QFontInfo info(*chosen);
    m_fontPrefs->setName(info.family());
    m_fontPrefs->setBold(info.bold());
    m_fontPrefs->setItalic(info.italic());
    m_fontPrefs->setSize(chosen->pointSizeF() > 0 ? chosen->pointSizeF() : info.pointSizeF());
    showFontName();
    Q_EMIT fontPrefsChanged(m_fontPrefs);
}

void FontPrefsView::changeColor(ColorWell *well, const QColor &(FontPrefs::*color)() const,
                                void (FontPrefs::*setColor)(const QColor &))
{
    if (!m_fontPrefs)
        return;
    const std::optional<QColor> chosen = m_dialogs.runColorPanel(((*m_fontPrefs).*color)());
    if (!chosen)
        return;
    ((*m_fontPrefs).*setColor)(*chosen);
    well->setColor(*chosen);
    Q_EMIT fontPrefsChanged(m_fontPrefs);
}
