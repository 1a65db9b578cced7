// Text shaped once and drawn together from its glyphs: the same widths as measuring, the same picture as Qt's
// own text drawing, and nothing drawn before the batch is.
#include "shapedtext.h"
#include "textbatch.h"
#include "textmetrics.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace {

QFont dejaVu(double points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return font;
}

// Texts of every kind a song holds: Latin with trailing blanks, right-to-left words whose punctuation follows
// the script's direction, digits in Arabic, mixed directions and combining marks.
const QString kTexts[] = {
    QStringLiteral("Hello, world"),
    QStringLiteral("trailing  "),
    QStringLiteral("\u05D4\u05DB\u05DC,"),                 // Hebrew with a trailing comma
    QStringLiteral("\u0645\u0631\u062D\u0628\u0627 123!"), // Arabic, digits and a mark
    QStringLiteral("abc \u05E9\u05DC\u05D5\u05DD def"),    // Hebrew inside Latin
    QStringLiteral("a\u0301e\u0323\u0302o\u0308"),         // combining marks
};

QImage whiteImage(int dpi)
{
    QImage image(400 * dpi / 72, 60 * dpi / 72, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    return image;
}

// A white image at the resolution, drawn on by a painter whose unit is one point (scale: pixels per point).
QImage drawnOnWhite(int dpi, const std::function<void(QPainter &painter, qreal scale)> &draw)
{
    QImage image = whiteImage(dpi);
    QPainter painter(&image);
    const qreal scale = TextMetrics::pointScale(&image);
    painter.scale(scale, scale);
    draw(painter, scale);
    painter.end();
    return image;
}

// The text drawn with its top-left corner at (10, 10) points through a batch.
QImage drawnInBatch(const QString &text, const QFont &font, int dpi)
{
    return drawnOnWhite(dpi, [&](QPainter &painter, qreal) {
        TextBatch batch(&painter);
        batch.add(text, QPointF(10, 10), font, Qt::black);
        batch.draw();
    });
}

// The same text drawn by QPainter::drawText, which shapes it on the spot, at the same magnified size.
QImage drawnByQt(const QString &text, const QFont &font, int dpi)
{
    return drawnOnWhite(dpi, [&](QPainter &painter, qreal scale) {
        painter.translate(10, TextMetrics(font).baseline(10));
        painter.scale(1 / TextMetrics::magnification, 1 / TextMetrics::magnification);
        QFont deviceFont = TextMetrics::measuredFont(font);
        deviceFont.setPointSizeF(deviceFont.pointSizeF() * TextMetrics::magnification / scale);
        painter.setFont(deviceFont);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(0, 0), text);
    });
}

// What the batch draws on a PDF page of the size whiteImage() gives, rendered as a reader shows it at the
// resolution; null when the PDF could not be written or read.
QImage printedInBatch(int dpi, const std::function<void(TextBatch &batch)> &add)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("text.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QSizeF(400, 60), QPageSize::Point));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        const qreal scale = TextMetrics::pointScale(&writer);
        painter.scale(scale, scale);
        TextBatch batch(&painter);
        add(batch);
    }
    QPdfDocument document;
    if (document.load(path) != QPdfDocument::Error::None)
        return {};
    // The page is rendered on a clear background.
    QImage page = whiteImage(dpi);
    QPainter(&page).drawImage(0, 0, document.render(0, page.size()));
    return page;
}

int clearlyDifferingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 48;
    return count;
}

int inkedPixels(const QImage &image)
{
    return clearlyDifferingPixels(image, whiteImage(qRound(image.dotsPerMeterX() * 0.0254)));
}

} // namespace

TEST(ShapedText, MeasuresAsTheFontMetricsOfTheReferenceDevice)
{
    // The layout places words by these widths and drawing by the glyphs: both must agree to the last bit.
    for (double points : {7.5, 12.0, 13.3}) {
        const QFont font = dejaVu(points);
        const QFontMetricsF metrics(TextMetrics::measuredFont(font), TextMetrics::referenceDevice());
        for (const QString &text : kTexts)
            EXPECT_EQ(ShapedText(text, font).width(), metrics.horizontalAdvance(text) / TextMetrics::magnification)
                << text.toStdString() << " at " << points << " pt";
    }
}

TEST(ShapedText, StandsWhereTheLayoutMeasuredIt)
{
    // Layout measures words without shaping them for drawing; a word drawn later must be exactly as wide, at
    // the font's own size and at a zoom measured from it.
    for (double points : {7.5, 12.0, 13.3}) {
        const QFont font = dejaVu(points);
        QFont zoomedFont = font;
        zoomedFont.setPointSizeF(points * 2);
        for (const QString &text : kTexts) {
            EXPECT_EQ(TextMetrics::shared(font).width(text), ShapedText(text, font).width())
                << text.toStdString() << " at " << points << " pt";
            EXPECT_EQ(TextMetrics::zoomed(zoomedFont, font).width(text), ShapedText(text, font).width() * 2)
                << text.toStdString() << " zoomed from " << points << " pt";
        }
    }
}

TEST(TextBatch, DrawsWhatQtsOwnTextDrawingDraws)
{
    for (const QString &text : kTexts) {
        for (int dpi : {72, 96, 144}) {
            const QImage expected = drawnByQt(text, dejaVu(20), dpi);
            ASSERT_GT(inkedPixels(expected), 20) << text.toStdString();
            EXPECT_LE(clearlyDifferingPixels(drawnInBatch(text, dejaVu(20), dpi), expected), 4)
                << text.toStdString() << " at " << dpi << " dpi";
        }
    }
}

TEST(TextBatch, DrawsItsTextsOnlyWhenDrawnAndNothingWithoutAPainter)
{
    QImage image = whiteImage(72);
    QPainter painter(&image);
    {
        TextBatch batch(&painter);
        batch.add(QStringLiteral("queued"), QPointF(10, 10), dejaVu(20), Qt::black);
        EXPECT_EQ(inkedPixels(image), 0) << "nothing is drawn while the batch is filled";
        batch.draw();
        const int drawn = inkedPixels(image);
        EXPECT_GT(drawn, 20);
        batch.draw();
        EXPECT_EQ(inkedPixels(image), drawn) << "a drawn batch is empty";
        batch.add(QStringLiteral("more"), QPointF(10, 30), dejaVu(20), Qt::black);
    }
    EXPECT_GT(inkedPixels(image), 40) << "what is left is drawn at the end";

    TextBatch measuring(nullptr);
    measuring.add(QStringLiteral("nothing"), QPointF(10, 10), dejaVu(20), Qt::black);
    measuring.draw();
}

TEST(TextBatch, PrintsAZoomedFontAsItsOwnGlyphsStand)
{
    // A PDF gets a zoomed font's text from its shaping at full size, scaled: the same letters at the same size,
    // on the baseline the zoomed font has.
    const QFont font = dejaVu(20);
    for (double zoom : {0.37, 0.731, 0.9}) {
        QFont zoomedFont = font;
        zoomedFont.setPointSizeF(20 * zoom);
        const TextMetrics zoomed = TextMetrics::zoomed(zoomedFont, font);
        for (const QString &text : kTexts) {
            const QImage expected =
                printedInBatch(144, [&](TextBatch &batch) { batch.add(text, QPointF(10, 10), zoomedFont, Qt::black); });
            const int inked = inkedPixels(expected);
            ASSERT_GT(inked, 20) << text.toStdString();
            const QImage scaled =
                printedInBatch(144, [&](TextBatch &batch) { batch.add(text, QPointF(10, 10), zoomed, Qt::black); });
            ASSERT_FALSE(scaled.isNull());
            // Small glyphs may be smoothed a little differently; a size or baseline off by a hundredth makes
            // about half the ink differ.
            EXPECT_LE(clearlyDifferingPixels(scaled, expected), inked / 10)
                << text.toStdString() << " at zoom " << zoom;
        }
    }
}
