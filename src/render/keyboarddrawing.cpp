// A short piano keyboard with a chord's keys marked.
#include "keyboarddrawing.h"

#include "util.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int minimumWhiteKeys = 6;
constexpr qreal blackKeyWidth = 0.7;  // of a white key's width
constexpr qreal blackKeyHeight = 0.6; // of the keyboard's height
constexpr qreal dotSize = 0.9;        // dot diameter over the black key's width
// Height over width of a keyboard: six white keys (the fewest shown) about two and a half times as long as wide.
constexpr qreal naturalHeightOverWidth = 0.4;
const QPointF shadowOffset(1, 1);

int whiteKeyInOctave(int whiteKey)
{
    return ((whiteKey % 7) + 7) % 7;
}

// No black key follows E and B.
bool hasBlackKeyAfter(int whiteKey)
{
    const int inOctave = whiteKeyInOctave(whiteKey);
    return inOctave != 2 && inOctave != 6;
}

} // namespace

KeyboardDrawing::KeyboardDrawing(const QList<Key> &keys, const QRectF &rect, bool inverted)
    : m_rect(rect)
    , m_inverted(inverted)
{
    const Range range = keyRange(keys);
    m_keyWidth = rect.width() / (range.end - range.first);
    m_blackWidth = blackKeyWidth * m_keyWidth;
    m_dotRadius = dotSize * m_blackWidth / 2;
    layOutKeys(range);
    layOutDots(keys, range);
}

KeyboardDrawing::Range KeyboardDrawing::keyRange(const QList<Key> &keys)
{
    if (keys.isEmpty())
        return {};
    const int first = keys.first().whiteKey;
    const int last = keys.last().whiteKey + 1;
    return {first, last - first >= minimumWhiteKeys ? last : first + minimumWhiteKeys};
}

qreal KeyboardDrawing::widthForMaxWidth(const QList<Key> &keys, qreal maxWidth)
{
    const Range range = keyRange(keys);
    const float wanted = float(range.end - range.first) * float(maxWidth) / 10.0f;
    return std::min<qreal>(wanted, maxWidth);
}

qreal KeyboardDrawing::naturalHeight(qreal width)
{
    return std::max<qreal>(width, 0) * naturalHeightOverWidth;
}

void KeyboardDrawing::layOutKeys(const Range &range)
{
    const qreal x = m_rect.x();
    const qreal y = m_rect.y();
    const qreal blackHeight = blackKeyHeight * m_rect.height();
    for (int i = 0; i < range.end - range.first; ++i)
        m_whiteKeys.append(QRectF(x + i * m_keyWidth, y, m_keyWidth, m_rect.height()));
    // A black key sits on the border after white key j; those cut by the keyboard's ends are drawn half wide.
    for (int j = range.first - 1; j < range.end; ++j) {
        if (!hasBlackKeyAfter(j))
            continue;
        const qreal left = x + (j - range.first + 1) * m_keyWidth - m_blackWidth / 2;
        if (left < x)
            m_blackKeys.append(QRectF(x, y, m_blackWidth / 2, blackHeight));
        else if (left + m_blackWidth > m_rect.right())
            m_blackKeys.append(QRectF(left, y, m_blackWidth / 2, blackHeight));
        else
            m_blackKeys.append(QRectF(left, y, m_blackWidth, blackHeight));
    }
}

void KeyboardDrawing::layOutDots(const QList<Key> &keys, const Range &range)
{
    const qreal x = m_rect.x();
    const qreal y = m_rect.y();
    const qreal r = m_dotRadius;
    for (const Key &key : keys) {
        const int k = key.whiteKey - range.first;
        if (key.sharp)
            m_dots.append(QPointF(x + k * m_keyWidth + m_keyWidth,
                                  y + blackKeyHeight * m_rect.height() - r - (m_blackWidth - 2 * r) / 2));
        else
            m_dots.append(
                QPointF(x + k * m_keyWidth + m_keyWidth / 2, y + m_rect.height() - r - (m_keyWidth - 2 * r) / 2));
    }
}

void KeyboardDrawing::paint(QPainter &painter) const
{
    const QColor dark = Util::darkTextColor();
    const QColor keyColor = m_inverted ? dark : QColor(Qt::white);
    const QColor lineColor = m_inverted ? QColor(Qt::white) : dark;
    QColor shadow(Qt::black);
    shadow.setAlphaF(0.33);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(m_rect, keyColor);
    painter.setPen(QPen(lineColor, 1));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF &key : m_whiteKeys)
        painter.drawRect(key);
    for (const QRectF &key : m_blackKeys)
        painter.fillRect(key, lineColor);
    painter.setPen(Qt::NoPen);
    for (const auto &[offset, color] : {std::pair{shadowOffset, shadow}, std::pair{QPointF(), QColor(Qt::gray)}}) {
        painter.setBrush(color);
        for (const QPointF &dot : m_dots)
            painter.drawEllipse(dot + offset, m_dotRadius, m_dotRadius);
    }
    painter.restore();
}
