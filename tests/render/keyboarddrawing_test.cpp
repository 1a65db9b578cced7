#include "keyboarddrawing.h"
#include "rendertesthelpers.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

using Key = KeyboardDrawing::Key;

QList<qreal> lefts(const QList<QRectF> &rects)
{
    QList<qreal> result;
    for (const QRectF &rect : rects)
        result.append(rect.left());
    return result;
}

} // namespace

TEST(KeyboardDrawing, MarksTheKeysOfATriadFromMiddleC)
{
    const QList<Key> cMajor = {{0, false}, {2, false}, {4, false}};
    const KeyboardDrawing keyboard(cMajor, QRectF(0, 0, 120, 40), false);
    ASSERT_EQ(keyboard.whiteKeys().size(), 6) << "C to A";
    const qreal kw = 20;
    const qreal bw = 0.7 * kw;
    // Black keys after C, D, F, G and A; the last one is cut by the keyboard's right edge.
    EXPECT_EQ(lefts(keyboard.blackKeys()),
              (QList<qreal>{kw - bw / 2, 2 * kw - bw / 2, 4 * kw - bw / 2, 5 * kw - bw / 2, 6 * kw - bw / 2}));
    EXPECT_DOUBLE_EQ(keyboard.blackKeys().last().width(), bw / 2);
    EXPECT_DOUBLE_EQ(keyboard.blackKeys().first().width(), bw);
    ASSERT_EQ(keyboard.dots().size(), 3);
    EXPECT_EQ(keyboard.dots()[0].x(), kw / 2);
    EXPECT_EQ(keyboard.dots()[1].x(), 2.5 * kw);
    EXPECT_EQ(keyboard.dots()[2].x(), 4.5 * kw);
    EXPECT_GT(keyboard.dots()[0].y(), 0.6 * 40) << "white keys are marked below the black keys";

    QImage image = pointCanvas(120, 40);
    QPainter painter(&image);
    keyboard.paint(painter);
    painter.end();
    EXPECT_GT(inkIn(image, QRectF(keyboard.dots()[1] - QPointF(1, 1), QSizeF(2, 2))), 0) << "E is marked";
    EXPECT_EQ(inkIn(image, QRectF(QPointF(1.5 * kw, 36) - QPointF(1, 1), QSizeF(2, 2))), 0) << "D is not";
}

TEST(KeyboardDrawing, CutsTheBlackKeyBeforeAChordFromD)
{
    const KeyboardDrawing keyboard({{1, false}, {3, true}, {5, false}}, QRectF(10, 0, 120, 40), false);
    ASSERT_FALSE(keyboard.blackKeys().isEmpty());
    EXPECT_EQ(keyboard.blackKeys().first(), QRectF(10, 0, 7, 24)) << "the C sharp, half wide at the left edge";
    EXPECT_EQ(keyboard.dots()[1], QPointF(10 + 3 * 20, 24 - 0.9 * 14 / 2 - (14 - 0.9 * 14) / 2))
        << "F sharp sits on its black key";
}

TEST(KeyboardDrawing, ShowsSixKeysForNoNotesAndWidensForWideChords)
{
    const KeyboardDrawing empty({}, QRectF(0, 0, 60, 20), false);
    EXPECT_EQ(empty.whiteKeys().size(), 6);
    EXPECT_TRUE(empty.dots().isEmpty());

    struct Case
    {
        QList<Key> keys;
        qreal expected;
    };
    const Case cases[] = {
        {{{0, false}, {2, false}, {4, false}}, 60},
        {{}, 60},
        {{{0, false}, {8, false}}, 90},
        {{{-7, false}, {9, false}}, 100}, // more than ten keys are held to the limit
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(KeyboardDrawing::widthForMaxWidth(c.keys, 100), c.expected) << c.keys.size();
}
