// Measuring and drawing text in layout units: one unit is one point (1/72 inch) on every device.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPointF>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>
#include <unordered_map>

class CharAdvances;
class QPainter;
class QPaintDevice;

// Text is measured on a reference device with hinting off, so a layout comes out the same on screen, on
// paper and in tests. The layout places text by its top-left corner; Qt draws at the baseline: baseline() is
// the one place that turns one into the other, and height = ascent + descent.
//
// Qt rounds a font's size to whole device pixels. On a device of one pixel per point that would round every
// size to whole points (7.5 pt would measure and draw as 8 pt, a zoomed song would not fit where it was laid
// out), so text is measured and drawn at `magnification` times its size and scaled back.
class TextMetrics
{
public:
    explicit TextMetrics(const QFont &font);

    // The metrics of the font, made once and shared by every layout in it on this thread (fonts belong to the
    // thread that made them): making them looks the font up in the font system, and a layout needs five fonts
    // at each zoom it tries.
    static TextMetrics shared(const QFont &font);
    // The metrics of a zoomed font for laying out: its heights measured in it, its widths the unzoomed font's
    // scaled by the ratio of their sizes. Shaping every word again at each zoom a song is tried at costs far more
    // than it changes: unhinted advances follow the size to a few thousandths of a point in a line.
    static TextMetrics zoomed(const QFont &font, const QFont &unzoomed);
    // Looks the font up and shapes the characters most songs are written in, so that the first song laid out in
    // it does not pay for them. Fonts belong to the thread: call it on the one that lays out.
    static void prepare(const QFont &font);
    // Looks the font up in the font system, as measuring any text in it first does.
    static void lookUp(const QFont &font);

    // The font's measures are kept as numbers: asking the font for them again costs a font engine look-up each
    // time, and layout asks for them for every line.
    qreal ascent() const { return m_ascent; }
    qreal descent() const { return m_descent; }
    qreal height() const { return ascent() + descent(); }
    // Height of capital letters above the baseline: chord names above lyrics need no more room than this.
    // Measured on first use, since it loads a glyph (zoomed metrics measure it at once).
    qreal capHeight() const;
    // Extra space the font asks between lines.
    qreal leading() const { return m_leading; }
    // Widths are kept per text: a song measures the same words again and again. A width is the advance Qt's
    // own metrics give on the reference device, the same to the last bit as the text shaped for drawing
    // (ShapedText) but without making its glyph runs: most words of a long song are laid out and never drawn.
    // A new text in the Latin script is summed from its characters (CharAdvances), any other shaped whole.
    qreal width(const QString &text) const;
    // The baseline of text whose top is at y.
    qreal baseline(qreal top) const { return top + ascent(); }

    // Width and height of the text in the font, shaped whole: for texts met once in a font (a heading at the
    // scale that fits it).
    static QSizeF sizeWithFont(const QString &text, const QFont &font);
    // Draws the text with its top-left corner at the point. The painter's coordinates are points: it is
    // scaled by pointScale() of its device. An invalid colour draws in black. Many texts are drawn more
    // cheaply together (TextBatch).
    static void drawAtPoint(QPainter *painter, const QString &text, QPointF topLeft, const QFont &font,
                            const QColor &color);
    // Device pixels per point: the scale a painter needs so that one unit is one point on its device.
    static qreal pointScale(const QPaintDevice *device);

    // How text is measured, for drawing that must stand exactly where it was measured: at `magnification`
    // times its size, in the font measuredFont() makes, on referenceDevice().
    static constexpr qreal magnification = 64;
    static QFont measuredFont(const QFont &font);
    // The measured font made for the reference device, one object for every text shaped in the font: a new font
    // object looks its font engine up again, for every word.
    const QFont &shapingFont() const { return m_shapingFont; }
    // The font measured, and the font its widths are shaped in, with the scale from those widths to its own:
    // a zoomed font's widths are those of its unzoomed font, scaled; any other font's are its own.
    const QFont &font() const { return m_font; }
    const QFont &widthFont() const { return m_widthFont; }
    qreal widthScale() const { return m_widthScale; }
    static const QPaintDevice *referenceDevice();

private:
    TextMetrics(const QFont &font, const QFontMetricsF &metrics);

    // The font measured; the font widths are shaped in, its metrics on the reference device, and the scale from
    // its widths to the measured font's.
    QFont m_font;
    QFont m_widthFont;
    QFont m_shapingFont;
    QFontMetricsF m_measured;
    qreal m_widthScale = 1;
    qreal m_ascent;
    qreal m_descent;
    qreal m_leading;
    mutable std::optional<qreal> m_capHeight;
    // Qt's string hash (AES instructions) took half of a layout's time on the processor measured, far more than
    // its instruction count shows, though it is fast on its own; the standard library's hash costs what it counts.
    // A layout looks a width up for every word and blank.
    struct TextHash
    {
        size_t operator()(const QString &text) const noexcept;
    };
    // Widths in m_font, shared by copies and by the metrics of its zoomed sizes.
    std::shared_ptr<std::unordered_map<QString, qreal, TextHash>> m_widths;
    // The advances of its characters and their pairs, shared in the same way.
    std::shared_ptr<CharAdvances> m_advances;
};
