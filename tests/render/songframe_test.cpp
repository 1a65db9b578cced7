// Fitting a song to the view that shows it: columns, zoom and frame, and the lookups between records, y and text.
#include "columnflow.h"
#include "screenfixture.h"

namespace {

// Lines of one short word each: "w01", "w02", ...
QString words(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("w%1").arg(i, 2, 10, QLatin1Char('0')));
    return lines.join(u'\n') + u'\n';
}

// Verses whose lines have chords and wrap in narrow columns, between short ones.
QString verses(int count)
{
    QString text = QStringLiteral("{title: Verses}\n");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("[C]Walking down the [G]long road home, the [Am]evening light is [F]fading slowly\n"
                               "[C]short\n\n");
    return text;
}

// Short lines with chords above: two rows each, so a column wastes up to two rows at its foot.
QString chordLines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("[C]la [G]la [Am]la\n");
    return text;
}

} // namespace

class SongFrameTest : public ScreenFixture
{
protected:
    float border() const { return view.outerborder(); }
    float lineHeight() const { return float(textHeight()); }
};

TEST_F(SongFrameTest, aShortSongInATallViewFillsIt)
{
    show(words(5), {400, 600});
    EXPECT_EQ(view.numColumns(), 1);
    EXPECT_EQ(view.frameSize(), QSizeF(400, 600));
}

TEST_F(SongFrameTest, columnsThatDoNotFitSideBySideScroll)
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("The quick brown fox jumps over the lazy dog\n");
    show(text, {400, 300});
    ASSERT_GT(view.heightOfSong(), 300);
    EXPECT_EQ(view.numColumns(), 1);
    EXPECT_EQ(view.frameSize(), QSizeF(400, view.heightOfSong()));
}

TEST_F(SongFrameTest, aSongOfTwoAndAHalfVisibleHeightsGetsThreeColumns)
{
    // Ten lines fit one column: the height less both borders holds ten and a half.
    show(words(25), {400, 100});
    const qreal height = 2 * border() + 10.5 * lineHeight();
    show(words(25), {400, height});
    EXPECT_EQ(view.numColumns(), 3);
    EXPECT_EQ(view.frameSize(), QSizeF(400, height));
}

TEST_F(SongFrameTest, autoZoomEnlargesASmallSong)
{
    // Measured at zoom 1: the view is twice as wide as the widest line and twice as high as the song.
    const QString text = QStringLiteral("[C]Row, row, row your boat\n[G]Gently down the stream\n");
    show(text, {1000, 1000});
    const qreal songHeight = view.heightOfSong();
    const qreal widest = view.maxwidth();
    const QSizeF visible(2 * widest, 2 * songHeight);
    show(text, visible, true);
    const qreal expected =
        0.98 * std::min((visible.height() - 2 * border()) / songHeight, (visible.width() - 2 * border()) / widest);
    EXPECT_NEAR(view.zoomScale(), expected, 1e-4);
    EXPECT_EQ(view.numColumns(), 1);
    EXPECT_EQ(view.frameSize(), visible);
}

// Auto-zoom measures the song at zoom 1 and assumes it scales; the song at the chosen zoom must still fit the
// columns chosen, side by side and without scrolling, whatever the view's shape.
TEST_F(SongFrameTest, autoZoomNeverNeedsMoreColumnsThanItChose)
{
    const QList<QSizeF> sizes = {{800, 600}, {1200, 700}, {600, 900}, {1600, 500}, {400, 300}, {1000, 250}};
    for (const QString &song :
         {verses(3), verses(12), verses(40), chordLines(5), chordLines(7), chordLines(97), chordLines(200)}) {
        for (const QSizeF &visible : sizes) {
            show(song, visible, true);
            const int columns = view.numColumns();
            EXPECT_GE(columns, 1);
            EXPECT_LE(ColumnFlow::columnsFilled(view.lineHeights(), visible.height() - 2 * border()), columns)
                << song.size() << " characters in " << visible.width() << "x" << visible.height();
            EXPECT_LE(columns * view.maxwidth(), visible.width() - 2 * border() + 1e-3)
                << song.size() << " characters in " << visible.width() << "x" << visible.height();
            EXPECT_EQ(view.frameSize(), visible) << song.size() << " characters";
        }
    }
}

TEST_F(SongFrameTest, aViewNoLargerThanItsBordersKeepsAPositiveZoom)
{
    show(words(5), {10, 10}, true);
    EXPECT_GT(view.zoomScale(), 0);
    EXPECT_GE(view.numColumns(), 1);
}

TEST_F(SongFrameTest, aViewWithoutWidthChangesNothing)
{
    show(words(3), {0, 500});
    EXPECT_TRUE(view.lines().isEmpty());
    EXPECT_TRUE(view.frameSize().isEmpty());
}

TEST_F(SongFrameTest, linesAndPositions)
{
    show(QStringLiteral("a\nbb\nccc\n"), {400, 600});
    ASSERT_EQ(view.lines().size(), 3);
    const float h = lineHeight();
    const std::pair<qint64, float> ys[] = {{-1, 0}, {0, 0}, {1, h}, {2, 2 * h}, {3, 3 * h}, {99, 3 * h}};
    for (const auto &[line, y] : ys)
        EXPECT_FLOAT_EQ(view.yForLine(line), y) << line;
    // "a\n" is 0..1, "bb\n" 2..4, "ccc\n" 5..8.
    const std::pair<quint64, qint64> lines[] = {{0, 0}, {1, 0}, {2, 1}, {4, 1}, {5, 2}, {8, 2}, {100, 2}};
    for (const auto &[position, line] : lines)
        EXPECT_EQ(view.lineForCursorPos(position), line) << position;

    show(QString(), {400, 600});
    EXPECT_EQ(view.lineForCursorPos(0), 0);
    EXPECT_EQ(view.yForLine(5), 0);
}

TEST_F(SongFrameTest, pauseAtAScrollPosition)
{
    show(QStringLiteral("a\nb\nc\n{pause: 2.5}\nd\n"), {400, 600});
    ASSERT_EQ(view.pauses().size(), 1);
    const double at = view.pauses()[0].position;
    EXPECT_FLOAT_EQ(at, 3 * lineHeight());
    ASSERT_TRUE(view.pauseForPosition(at));
    EXPECT_EQ(view.pauseForPosition(at)->pause_s, 2.5);
    EXPECT_TRUE(view.pauseForPosition(at + lineHeight() + 1.9));
    EXPECT_FALSE(view.pauseForPosition(at + lineHeight() + 2.0));
    EXPECT_FALSE(view.pauseForPosition(at - 0.01));
}
