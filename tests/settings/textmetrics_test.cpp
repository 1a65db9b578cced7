// Measuring and drawing text in points, alike on every device.
#include "textmetrics.h"

#include "printers.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QFont dejaVu(double points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    return font;
}

// The bounding box of the non-white pixels of the text drawn with its top-left corner at (10, 10) points on
// an image of the given resolution, in points.
QRectF inkOf(const QString &text, const QFont &font, int dpi, const QColor &color)
{
    QImage image(300 * dpi / 72, 100 * dpi / 72, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    const qreal scale = TextMetrics::pointScale(&image);
    painter.scale(scale, scale);
    TextMetrics::drawAtPoint(&painter, text, QPointF(10, 10), font, color);
    painter.end();

    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return QRectF(ink.x() / scale, ink.y() / scale, ink.width() / scale, ink.height() / scale);
}

QRectF inkOfH(int dpi, const QColor &color)
{
    return inkOf(QStringLiteral("H"), dejaVu(40), dpi, color);
}

} // namespace

TEST(TextMetrics, MeasuresInPoints)
{
    const TextMetrics metrics(dejaVu(13));
    EXPECT_EQ(metrics.height(), metrics.ascent() + metrics.descent());
    EXPECT_EQ(metrics.baseline(100), 100 + metrics.ascent());
    EXPECT_NEAR(metrics.height(), 13 * 1.164, 0.5); // DejaVu Sans: ascent + descent = 1.164 em

    const QSizeF small = TextMetrics::sizeWithFont(QStringLiteral("Hello, world"), dejaVu(13));
    const QSizeF large = TextMetrics::sizeWithFont(QStringLiteral("Hello, world"), dejaVu(26));
    EXPECT_EQ(small.height(), metrics.height());
    EXPECT_NEAR(large.width(), 2 * small.width(), 0.1) << "unhinted widths scale with the size";
}

TEST(TextMetrics, FractionalSizesAreNotRounded)
{
    // A zoomed layout asks for sizes like 7.5 pt; rounded to 8 pt they would measure 6 % too wide.
    const QString text = QStringLiteral("A title of some length");
    const qreal whole = TextMetrics::sizeWithFont(text, dejaVu(15)).width();
    EXPECT_NEAR(TextMetrics::sizeWithFont(text, dejaVu(7.5)).width(), whole / 2, 0.2);
    EXPECT_NEAR(TextMetrics::sizeWithFont(text, dejaVu(7.9)).width(), whole * 7.9 / 15, 0.2);
}

TEST(TextMetrics, DrawsFromTheTopLeftAtTheSameSizeOnEveryDevice)
{
    const TextMetrics metrics(dejaVu(40));
    for (int dpi : {72, 144, 300}) {
        const QRectF ink = inkOfH(dpi, QColor());
        ASSERT_FALSE(ink.isEmpty()) << dpi << " dpi: an invalid colour draws in black";
        EXPECT_NEAR(ink.bottom(), metrics.baseline(10), 1.5) << dpi << " dpi";
        EXPECT_NEAR(ink.height(), 40 * 0.729, 1.5) << dpi << " dpi"; // cap height of DejaVu Sans
    }
}

TEST(TextMetrics, TextInAScriptTheFontLacksIsMeasuredAndDrawnNeverDropped)
{
    // Only DejaVu is installed for tests: none of it has Devanagari, Thai or CJK. A Nepali song used to show
    // its chords over nothing. A fallback font's glyphs or visible boxes must stand where the text is.
    const QString texts[] = {
        QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0947 \u0926\u0941\u0928\u093F\u092F\u093E"), // Devanagari
        QStringLiteral("\u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35"),                                      // Thai
        QStringLiteral("\u4F60\u597D\u4E16\u754C"),                                                  // CJK
        QStringLiteral("\u0645\u0631\u062D\u0628\u0627"),                                            // Arabic
        QStringLiteral("a\u0301e\u0323\u0302o\u0308"),                                               // combining marks
    };
    for (const QString &text : texts) {
        for (const char *family : {"DejaVu Sans", "DejaVu Serif"}) {
            QFont font(QString::fromLatin1(family));
            font.setPointSizeF(20);
            const QSizeF size = TextMetrics::sizeWithFont(text, font);
            EXPECT_GT(size.width(), 0) << text.toStdString();
            for (int dpi : {72, 144}) {
                const QRectF ink = inkOf(text, font, dpi, QColor(Qt::black));
                ASSERT_FALSE(ink.isEmpty()) << text.toStdString() << " in " << family << " at " << dpi << " dpi";
                // Where the text was measured to be.
                const QRectF measured(QPointF(10, 10), size);
                EXPECT_TRUE(measured.adjusted(-2, -4, 2, 4).contains(ink))
                    << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height() << " vs " << size.width()
                    << "x" << size.height() << text.toStdString() << " in " << family << " at " << dpi << " dpi";
                EXPECT_GT(ink.width(), size.width() / 2) << text.toStdString();
            }
        }
    }
}
