// Measuring and drawing text in points on every device.
#include "textmetrics.h"

#include "charadvances.h"
#include "textbatch.h"

#include <QCache>
#include <QImage>
#include <QRawFont>

#include <algorithm>
#include <functional>
#include <string_view>

namespace {

constexpr qreal kPointsPerInch = 72.0;

// The fonts of a song at a few zooms and of a print job's tries, with room to spare.
constexpr qsizetype kSharedFonts = 64;
// A font's widths are kept for the words of many songs, but not without end.
constexpr qsizetype kKeptWidths = 50000;

qreal pointSize(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

// Qt sizes a font in whole pixels of the device, here of the reference device: the size widths follow.
qreal measuredPixelSize(const QFont &font)
{
    return std::max(1, qRound(pointSize(font) * TextMetrics::magnification));
}

// A font as a cache key. Qt's own hash of a font leaves its point size out, so every size of a family would share
// one bucket, and print auto-zoom makes a new size for each zoom it tries.
struct SizedFont
{
    QFont font;
    bool operator==(const SizedFont &other) const { return font == other.font; }
};

size_t qHash(const SizedFont &key, size_t seed = 0)
{
    return qHashMulti(seed, key.font, pointSize(key.font));
}

} // namespace

TextMetrics::TextMetrics(const QFont &font)
    : TextMetrics(font, QFontMetricsF(measuredFont(font), referenceDevice()))
{}

TextMetrics::TextMetrics(const QFont &font, const QFontMetricsF &metrics)
    : m_font(font)
    , m_widthFont(font)
    , m_shapingFont(measuredFont(font), referenceDevice())
    , m_measured(metrics)
    , m_ascent(metrics.ascent() / magnification)
    , m_descent(metrics.descent() / magnification)
    , m_leading(metrics.leading() / magnification)
    , m_widths(std::make_shared<std::unordered_map<QString, qreal, TextHash>>())
    , m_advances(std::make_shared<CharAdvances>(measuredFont(font)))
{}

TextMetrics TextMetrics::shared(const QFont &font)
{
    // Never destroyed, like the shaped texts whose widths the metrics keep: fonts must not be released after
    // the application has taken its font system down.
    thread_local auto *known = new QCache<SizedFont, TextMetrics>(kSharedFonts);
    if (const TextMetrics *metrics = known->object({font}))
        return *metrics;
    auto *metrics = new TextMetrics(font);
    known->insert({font}, metrics);
    return *metrics;
}

TextMetrics TextMetrics::zoomed(const QFont &font, const QFont &unzoomed)
{
    if (font == unzoomed)
        return shared(font);
    thread_local auto *known = new QCache<SizedFont, TextMetrics>(kSharedFonts);
    if (const TextMetrics *metrics = known->object({font}))
        return *metrics;
    const TextMetrics widths = shared(unzoomed);
    auto *metrics = new TextMetrics(widths);
    metrics->m_font = font;
    metrics->m_widthScale = widths.m_widthScale * measuredPixelSize(font) / measuredPixelSize(unzoomed);
    // The unzoomed font's face at the new size measures exactly as the font would, without the font system
    // looking the font up again, which costs more than laying out a short song.
    QFont pixelFont = measuredFont(unzoomed);
    pixelFont.setPixelSize(int(measuredPixelSize(unzoomed)));
    QRawFont face = QRawFont::fromFont(pixelFont);
    if (face.isValid()) {
        face.setPixelSize(measuredPixelSize(font));
        metrics->m_ascent = face.ascent() / magnification;
        metrics->m_descent = face.descent() / magnification;
        metrics->m_leading = face.leading() / magnification;
        metrics->m_capHeight = face.capHeight() / magnification;
    } else {
        const TextMetrics own(font);
        metrics->m_ascent = own.m_ascent;
        metrics->m_descent = own.m_descent;
        metrics->m_leading = own.m_leading;
        metrics->m_capHeight = own.capHeight();
    }
    known->insert({font}, metrics);
    return *metrics;
}

void TextMetrics::prepare(const QFont &font)
{
    static const QString common = [] {
        QString characters;
        for (char16_t c = u' '; c <= u'~'; ++c)
            characters += QChar(c);
        for (char16_t c = u'\u00C0'; c <= u'\u00FF'; ++c)
            characters += QChar(c);
        return characters;
    }();
    // Letters, digits and the marks between words and in chord names: every pair of them is learnt at once, at
    // start-up, so that a song's first layout seldom shapes a word whole. Pairs with other signs are learnt from
    // the first words that hold them.
    static const QString pairCharacters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ,.'?!#");
    shared(font).m_advances->prepare(common, pairCharacters);
}

void TextMetrics::lookUp(const QFont &font)
{
    QFontMetricsF(measuredFont(font), referenceDevice()).ascent();
}

qreal TextMetrics::capHeight() const
{
    if (!m_capHeight)
        m_capHeight = m_measured.capHeight() / magnification;
    return *m_capHeight;
}

qreal TextMetrics::width(const QString &text) const
{
    auto known = m_widths->find(text);
    if (known == m_widths->end()) {
        if (qsizetype(m_widths->size()) >= kKeptWidths)
            m_widths->clear();
        const std::optional<qreal> summed = m_advances->width(text);
        known = m_widths->emplace(text, (summed ? *summed : m_measured.horizontalAdvance(text)) / magnification).first;
    }
    return known->second * m_widthScale;
}

size_t TextMetrics::TextHash::operator()(const QString &text) const noexcept
{
    return std::hash<std::u16string_view>()(
        std::u16string_view(reinterpret_cast<const char16_t *>(text.constData()), size_t(text.size())));
}

QSizeF TextMetrics::sizeWithFont(const QString &text, const QFont &font)
{
    const TextMetrics metrics(font);
    return {metrics.m_measured.horizontalAdvance(text) / magnification, metrics.height()};
}

void TextMetrics::drawAtPoint(QPainter *painter, const QString &text, QPointF topLeft, const QFont &font,
                              const QColor &color)
{
    TextBatch(painter).add(text, topLeft, font, color);
}

qreal TextMetrics::pointScale(const QPaintDevice *device)
{
    return device->logicalDpiY() / kPointsPerInch;
}

QFont TextMetrics::measuredFont(const QFont &font)
{
    QFont measured = font;
    measured.setPointSizeF(pointSize(font));
    measured.setHintingPreference(QFont::PreferNoHinting);
    return measured;
}

const QPaintDevice *TextMetrics::referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        const int dotsPerMeter = qRound(kPointsPerInch * magnification / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return &device;
}
