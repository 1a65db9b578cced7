// Title and subtitle lines.
#include "titleline.h"

#include "prefs.h"
#include "songview.h"
#include "textmetrics.h"

namespace {

// Heading sizes at zoom 1, as multiples of the text font's size.
constexpr float kTitleScale = 1.5f;
constexpr float kSubtitleScale = 1.2f;

} // namespace

TitleLine::TitleLine(SongView &view, QPainter *painter)
    : m_view(view)
    , m_texts(view.textPainter(painter))
{}

TextRange TitleLine::drawTitle(const QString &text, TextRange range, float width, float &y)
{
    const QString line = text.mid(range.location, range.length);
    const QString title = Song::valueInText(line, QStringList{QStringLiteral("t"), QStringLiteral("title")});
    m_view.m_titlefontsize = drawHeading(title, kTitleScale, m_view.zoomScale() * kTitleScale, true, width, y);
    return range;
}

TextRange TitleLine::drawSubTitle(const QString &text, TextRange range, float width, float &y)
{
    const QString line = text.mid(range.location, range.length);
    const QString subtitle = Song::valueInText(
        line, QStringList{QStringLiteral("st"), QStringLiteral("subtitle"), QStringLiteral("artist")});
    const float titleScale = m_view.m_titlefontsize;
    drawHeading(subtitle, kSubtitleScale, titleScale != 0 ? titleScale * 0.8f : m_view.zoomScale() * kSubtitleScale,
                false, width, y);
    return range;
}

QList<QFont> TitleLine::headingFonts(const Prefs &prefs)
{
    return {headingFont(prefs, kTitleScale, true), headingFont(prefs, kSubtitleScale, false)};
}

QFont TitleLine::headingFont(const Prefs &prefs, float scale, bool bold)
{
    QFont font = prefs.textfontprefs()->fontWithScale(scale);
    font.setBold(font.bold() || bold);
    return font;
}

float TitleLine::drawHeading(const QString &heading, float unzoomedScale, float scale, bool bold, float width, float &y)
{
    const FontPrefs &fontPrefs = *m_view.prefs()->textfontprefs();
    auto fontAt = [&](float atScale) { return headingFont(*m_view.prefs(), atScale, bold); };
    // At another size the heading is measured from its face at its unzoomed size, as the song's words are, and
    // printed from its shaping there.
    auto metricsOf = [&](const QFont &font) { return TextMetrics::zoomed(font, fontAt(unzoomedScale)); };
    auto sizeIn = [&](const QFont &font) {
        if (m_view.zoomScale() == 1.0f)
            return TextMetrics::sizeWithFont(heading, font);
        const TextMetrics metrics = metricsOf(font);
        return QSizeF(metrics.width(heading), metrics.height());
    };
    QFont font = fontAt(scale);
    QSizeF size = sizeIn(font);
    if (width > 0 && size.width() > width) {
        scale *= float(width / size.width());
        font = fontAt(scale);
        size = sizeIn(font);
    }
    qreal x = (width - size.width()) * 0.5;
    if (m_view.prefs()->leftAlignTitle())
        x = m_view.rightToLeft() ? width - size.width() : 0;
    m_texts.add(heading, QPointF(x, y), metricsOf(font), fontPrefs.color());
    y += float(size.height());
    m_view.m_titlewidth = std::max(m_view.m_titlewidth, float(size.width()));
    return scale;
}
