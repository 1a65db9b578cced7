// The song view's widget in a scroll area: a fit that does not depend on the scroll bar, clicks and the pointer.
#include "songviewdelegate.h"
#include "songviewwidget.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ShownSong : public SongViewDelegate
{
public:
    SongPtr songForSongView(const SongView &) override { return song; }
    void showChords(const QString &name, const QRectF &) override { chords.append(name); }

    void setText(const QString &text)
    {
        song = std::make_shared<Song>();
        song->setText(text);
    }

    SongPtr song;
    QStringList chords;
};

QString longSong()
{
    QString text;
    for (int i = 0; i < 80; ++i)
        text += QStringLiteral("[C]A line that is wide enough to keep the song in one column %1\n").arg(i);
    return text;
}

class SongViewWidgetTest : public ::testing::Test
{
protected:
    SongViewWidgetTest()
    {
        widget = new SongViewWidget;
        widget->songView().setDelegate(&shown);
        area.setWidget(widget);
        area.resize(500, 400);
        area.show();
    }

    void fit(const QString &text)
    {
        shown.setText(text);
        widget->adjustFrameForView(&area, false);
        QCoreApplication::processEvents();
    }

    ShownSong shown;
    QScrollArea area;
    SongViewWidget *widget; // owned by the area
};

} // namespace

TEST_F(SongViewWidgetTest, theLayoutWidthDoesNotDependOnTheScrollBar)
{
    const int expected = area.contentsRect().width() - area.verticalScrollBar()->sizeHint().width();

    fit(longSong());
    EXPECT_TRUE(area.verticalScrollBar()->isVisible());
    EXPECT_EQ(widget->width(), expected);
    const float width = widget->songView().widthForLines();
    const QSizeF frame = widget->songView().frameSize();
    // Fitting again, now that the scroll bar shows, changes nothing.
    widget->adjustFrameForView(&area, false);
    EXPECT_EQ(widget->songView().widthForLines(), width);
    EXPECT_EQ(widget->songView().frameSize(), frame);

    fit(QStringLiteral("[C]Short\n"));
    EXPECT_FALSE(area.verticalScrollBar()->isVisible());
    EXPECT_EQ(widget->width(), expected);
    EXPECT_EQ(widget->songView().widthForLines(), width);
}

TEST_F(SongViewWidgetTest, aClickOnAChordReachesTheDelegateAndChordsShowAPointingHand)
{
    fit(QStringLiteral("[Am]Hello world\n"));
    ASSERT_FALSE(widget->grab().isNull());
    ASSERT_EQ(widget->songView().uniqueChordNames(), QStringList{"Am"}); // finds the click areas
    const QList<Chord> &chords = widget->songView().chords();
    ASSERT_EQ(chords.size(), 1);
    const qreal scale = widget->width() / widget->songView().frameSize().width();
    const QPoint onChord = (chords[0].bounds().center() * scale).toPoint();

    QTest::mouseMove(widget, onChord);
    EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(widget, Qt::LeftButton, {}, onChord);
    EXPECT_EQ(shown.chords, QStringList{"Am"});

    QTest::mouseMove(widget, QPoint(widget->width() - 2, widget->height() - 2));
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
}
