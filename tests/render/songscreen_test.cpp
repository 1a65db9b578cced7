// Drawing a laid-out song on screen: columns, clipping to the repainted part, centring and what comes out.
#include "columnflow.h"
#include "screenfixture.h"
#include "textmetrics.h"

#include <QImage>
#include <QPainter>

#include <map>

namespace {

// Lines that begin with a word of their own ("w01", "w02", ...), followed by `filler`.
QString numberedLines(int count, const QString &filler = QString())
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("w%1%2\n").arg(i, 2, 10, QLatin1Char('0')).arg(filler);
    return text;
}

bool isNumberedWord(const QString &word)
{
    return word.size() == 3 && word.startsWith(u'w') && word[1].isDigit() && word[2].isDigit();
}

} // namespace

class SongScreenTest : public ScreenFixture
{
protected:
    SongScreenTest()
    {
        prefs.textfontprefs()->setColor(Qt::black);
        prefs.textfontprefs()->setBackgroundColor(Qt::white);
    }

    float border() const { return view.outerborder(); }
    // A height whose column, less both borders, holds ten and a half lines of text.
    qreal heightForTenLines() { return 2 * border() + 10.5 * textHeight(); }
};

TEST_F(SongScreenTest, everyRecordIsDrawnOnceInTheColumnTheRuleGivesIt)
{
    show(QStringLiteral("w00\n"), {400, 100});
    show(numberedLines(25), {400, heightForTenLines()});
    ASSERT_EQ(view.numColumns(), 3);
    RecordingPaintDevice device;
    drawOn(device);

    const QList<ColumnFlow::Place> places =
        ColumnFlow::placeAll(view.lineHeights(), view.frameSize().height() - 2 * border());
    std::map<QString, int> drawn;
    for (const RecordingPaintDevice::Text &word : device.texts) {
        ASSERT_TRUE(isNumberedWord(word.text)) << word.text.toStdString();
        const int record = word.text.mid(1).toInt() - 1;
        ++drawn[word.text];
        EXPECT_NEAR(word.baseline.x(), border() + places[record].column * 400.0 / 3, 0.01) << word.text.toStdString();
        EXPECT_NEAR(topOf(word), border() + places[record].y, 0.01) << word.text.toStdString();
    }
    EXPECT_EQ(drawn.size(), 25u);
    for (const auto &[word, times] : drawn)
        EXPECT_EQ(times, 1) << word.toStdString();
}

TEST_F(SongScreenTest, aRepaintDrawsOnlyTheRecordsItShowsAndKeepsTheWholeSongsClickAreas)
{
    // Lines too wide for two columns: one scrolling column.
    show(numberedLines(60, QStringLiteral(" [C]and some [G]words to make it wide")), {300, 300});
    ASSERT_EQ(view.numColumns(), 1);
    const QStringList allChords = view.uniqueChordNamesFromPositionY(0);
    const qsizetype clickAreas = view.chords().size();
    ASSERT_EQ(clickAreas, 120);

    const QRectF dirty(0, 400, 300, 120);
    RecordingPaintDevice device;
    drawOn(device, dirty);
    QStringList expected;
    for (qsizetype i = 0; i < view.lines().size(); ++i) {
        const qreal top = border() + view.yForLine(i);
        const qreal bottom = top + view.lines()[i].height;
        if (bottom > dirty.top() - 4 && top < dirty.bottom() + 4)
            expected.append(QStringLiteral("w%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    }
    QStringList numbered;
    for (const RecordingPaintDevice::Text &word : device.texts) {
        if (isNumberedWord(word.text))
            numbered.append(word.text);
    }
    EXPECT_EQ(numbered, expected);
    EXPECT_LT(numbered.size(), 15);

    EXPECT_EQ(view.chords().size(), clickAreas);
    EXPECT_EQ(view.uniqueChordNamesFromPositionY(0), allChords);
}

TEST_F(SongScreenTest, aNarrowSongIsCentredInTheViewsWidth)
{
    const QString text = QStringLiteral("narrow\n");
    const auto firstX = [this](const QRectF &dirty) {
        RecordingPaintDevice device;
        drawOn(device, dirty);
        return device.texts.isEmpty() ? -1.0 : device.texts.first().baseline.x();
    };

    prefs.setCenterNarrowSongs(true);
    show(text, {400, 300});
    const qreal centred = border() + (400 - 2 * border() - view.maxwidth()) / 2;
    EXPECT_NEAR(firstX({}), centred, 0.01);
    // A repaint of a strip centres over the view's width all the same.
    EXPECT_NEAR(firstX(QRectF(150, 0, 100, 300)), centred, 0.01);

    view.setPrinting(true);
    show(text, {400, 300});
    EXPECT_NEAR(firstX({}), border(), 0.01);

    view.setPrinting(false);
    prefs.setCenterNarrowSongs(false);
    show(text, {400, 300});
    EXPECT_NEAR(firstX({}), border(), 0.01);
}

TEST_F(SongScreenTest, columnsAreSeparatedByAFaintLine)
{
    show(QStringLiteral("w00\n"), {400, 100});
    const qreal height = heightForTenLines();
    show(numberedLines(15), {400, height});
    ASSERT_EQ(view.numColumns(), 2);
    RecordingPaintDevice device;
    drawOn(device);
    const qreal x = border() + 200 - 2;
    const QLineF expected(x, border() + 0.1 * height, x, border() + 0.9 * height);
    ASSERT_EQ(device.lines.size(), 1);
    EXPECT_NEAR(device.lines[0].x1(), expected.x1(), 0.01);
    EXPECT_NEAR(device.lines[0].y1(), expected.y1(), 0.01);
    EXPECT_NEAR(device.lines[0].x2(), expected.x2(), 0.01);
    EXPECT_NEAR(device.lines[0].y2(), expected.y2(), 0.01);
}

TEST_F(SongScreenTest, aRenderedSongHasTextWhereItsRecordsAreAndBackgroundElsewhere)
{
    prefs.setCenterNarrowSongs(false);
    const auto render = [this](const QString &songText) {
        show(songText, {400, 200});
        // 72 dots per inch: one pixel is one point.
        QImage image(400, 200, QImage::Format_RGB32);
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(2835);
        image.fill(Qt::red);
        QPainter painter(&image);
        view.drawRect(painter, QRectF(0, 0, 400, 200));
        return image;
    };
    const auto darkPixels = [](const QImage &image, const QRect &area) {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    const auto onlyWhite = [](const QImage &image, const QRect &area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return false;
        return true;
    };

    const QImage empty = render(QString());
    EXPECT_TRUE(onlyWhite(empty, empty.rect()));

    const QImage image = render(QStringLiteral("Hello world\n\nSecond line\n"));
    ASSERT_EQ(view.lines().size(), 3);
    const auto recordArea = [this](int record) {
        const int top = int(border() + view.yForLine(record));
        return QRect(int(border()), top, int(view.maxwidth()), int(view.lines()[record].height));
    };
    EXPECT_GT(darkPixels(image, recordArea(0)), 20);
    EXPECT_EQ(darkPixels(image, recordArea(1)), 0); // the blank line
    EXPECT_GT(darkPixels(image, recordArea(2)), 20);
    const int songRight = int(border() + view.maxwidth()) + 2;
    EXPECT_TRUE(onlyWhite(image, QRect(songRight, 0, 400 - songRight, 200)));
    const int songBottom = int(border() + view.yForLine(3)) + 2;
    EXPECT_TRUE(onlyWhite(image, QRect(0, songBottom, 400, 200 - songBottom)));
}

// The delegate may hand over another song before the view is laid out again: drawing never reads past its text.
TEST_F(SongScreenTest, aSongShortenedBeforeTheNextLayoutIsDrawnSafely)
{
    show(numberedLines(20), {400, 300});
    song = std::make_shared<Song>();
    song->setText(QStringLiteral("w01\n"));
    RecordingPaintDevice device;
    drawOn(device);
    EXPECT_EQ(device.joinedText(), QStringLiteral("w01"));
}
