#include "chordviewwidget.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordingDelegate : public ChordViewDelegate
{
public:
    void chordView(ChordView &view, const Chord &selectedChord) override
    {
        Q_UNUSED(view);
        titles.append(selectedChord.title());
    }
    QStringList titles;
};

Chord chord(const QString &title)
{
    Chord c;
    c.setTitle(title);
    c.strings() = {15, 3, 2, 0, 1, 0};
    return c;
}

} // namespace

TEST(ChordViewWidget, AClickInPointsSelectsTheSecondDiagram)
{
    ChordViewWidget widget;
    widget.resize(600, 300);
    RecordingDelegate delegate;
    ChordView &view = widget.chordView();
    view.setDelegate(&delegate);
    view.setChords({chord("C"), chord("D"), chord("E")});
    view.calcChordsBoundsWithRect(QRectF(QPointF(), widget.sizeInPoints()));
    widget.show();

    const qreal scale = widget.width() / widget.sizeInPoints().width();
    const QPointF middleOfSecond = view.chords()[1].bounds().center() * scale;
    QTest::mousePress(&widget, Qt::LeftButton, {}, middleOfSecond.toPoint());
    EXPECT_EQ(delegate.titles, QStringList{"D"});
    EXPECT_TRUE(view.chords()[1].invert());
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, middleOfSecond.toPoint());
    EXPECT_FALSE(view.chords()[1].invert());
    EXPECT_FALSE(widget.grab().isNull());
}
