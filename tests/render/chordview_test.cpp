#include "chordview.h"
#include "fakeappcontext.h"
#include "logcapture.h"
#include "prefs.h"
#include "rendertesthelpers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Chord chord(const QString &title, Chord::Strings strings)
{
    Chord c;
    c.setTitle(title);
    c.strings() = strings;
    return c;
}

QList<Chord> threeChords()
{
    return {chord("C", {15, 3, 2, 0, 1, 0}), chord("G", {3, 2, 0, 0, 0, 3}), chord("Am", {15, 0, 2, 2, 1, 0})};
}

class RecordingDelegate : public ChordViewDelegate
{
public:
    void chordView(ChordView &view, const Chord &selectedChord) override
    {
        views.append(&view);
        titles.append(selectedChord.title());
    }
    QList<ChordView *> views;
    QStringList titles;
};

QList<bool> highlights(const ChordView &view)
{
    QList<bool> result;
    for (const Chord &c : view.chords())
        result.append(c.invert());
    return result;
}

} // namespace

TEST(ChordView, LaysItsChordsOutAndKeepsTheirBounds)
{
    ChordView view;
    view.setChords(threeChords());
    EXPECT_EQ(view.calcChordsBoundsWithRect(QRectF(0, 0, 300, 400)), QSizeF(300, 240));
    EXPECT_EQ(view.chords()[1].bounds(), QRectF(102, 2, 96, 116));
    view.setNumcols(2);
    view.calcChordsBoundsWithRect(QRectF(0, 0, 300, 400));
    EXPECT_EQ(view.chords()[2].bounds(), QRectF(2, 182, 146, 176));
}

TEST(ChordView, AClickSelectsTheChordUnderItUntilRelease)
{
    ChordView view;
    RecordingDelegate delegate;
    view.setDelegate(&delegate);
    view.setChords(threeChords());
    view.calcChordsBoundsWithRect(QRectF(0, 0, 300, 400));

    view.mouseDown(QPointF(250, 60));
    EXPECT_EQ(highlights(view), (QList<bool>{false, false, true}));
    // Clicking the second after the third was highlighted leaves the third highlighted until release.
    view.mouseDown(QPointF(150, 60));
    EXPECT_EQ(highlights(view), (QList<bool>{false, true, true}));
    EXPECT_EQ(delegate.titles, (QStringList{"Am", "G"}));
    EXPECT_EQ(delegate.views.last(), &view);
    view.mouseUp();
    EXPECT_EQ(highlights(view), (QList<bool>{false, false, false}));

    view.mouseDown(QPointF(150, 60));
    view.mouseDown(QPointF(150, 300)); // below every chord: nothing selected, nobody told
    EXPECT_EQ(highlights(view), (QList<bool>{false, false, false}));
    EXPECT_EQ(delegate.titles.size(), 3);

    view.setDelegate(nullptr);
    view.mouseDown(QPointF(50, 60));
    EXPECT_TRUE(view.chords()[0].invert()) << "selection works without a delegate";
}

TEST(ChordView, DrawsTheGridAndHighlightsTheSelectedChord)
{
    ChordView view;
    view.setForegroundColor(Qt::black);
    view.setBackgroundColor(Qt::white);
    view.setChords(threeChords());
    view.calcChordsBoundsWithRect(QRectF(0, 0, 300, 120));
    view.mouseDown(QPointF(150, 60));
    const QImage image = view.imageWithBounds(QRectF(0, 0, 300, 120));
    ASSERT_EQ(image.size(), QSize(300, 120));
    EXPECT_GT(inkIn(image, QRectF(2, 2, 96, 116)), 100) << "the first diagram";
    EXPECT_GT(inkIn(image, QRectF(102, 2, 96, 116)), 96 * 116 / 2) << "the selected one is drawn inverted";
    EXPECT_LT(inkIn(image, QRectF(202, 2, 96, 116)), 96 * 116 / 4);

    view.mouseUp();
    view.setInvert(true);
    const QImage dark = view.imageWithBounds(QRectF(0, 0, 300, 120));
    EXPECT_GT(inkIn(dark, QRectF(0, 0, 300, 120)), 300 * 120 * 3 / 4) << "an inverted view is drawn dark";
    EXPECT_GT(inkIn(dark, QRectF(2, 2, 96, 116), Qt::black), 100) << "with light diagrams";
}

TEST(ChordView, WritesATitledPngOfTheStatedSize)
{
    FakeAppContext context;
    Prefs prefs;
    context.prefsObject = &prefs;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Am.png"));
    ASSERT_TRUE(ChordView::writeImageOfSize(chord("Am", {15, 0, 2, 2, 1, 0}), QSizeF(100, 130), path));
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(100, 130));
    const QColor ground = image.pixelColor(50, 128);
    EXPECT_GT(inkIn(image, QRectF(0, 0, 100, 30), ground), 20) << "the title";
    EXPECT_GT(inkIn(image, QRectF(0, 30, 100, 100), ground), 200) << "the diagram";

    LogCapture log;
    EXPECT_FALSE(ChordView::writeImageOfSize(chord("Am", {15, 0, 2, 2, 1, 0}), QSizeF(100, 130),
                                             folder.filePath(QStringLiteral("missing/Am.png"))));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Could not write chord image")));
    EXPECT_TRUE(ChordView::chordImage(chord("Am", {15, 0, 2, 2, 1, 0}), QSizeF()).isNull()) << "nothing to draw on";
}

TEST(ChordView, TheGridsDiagramsShareOneScaleWhateverTheirBaseFrets)
{
    // Three fingerings of one name; the last starts at fret 11, whose two-digit label once narrowed its grid.
    ChordView view;
    view.setForegroundColor(Qt::black);
    view.setBackgroundColor(Qt::white);
    view.setChords({chord("Abm", {4, 6, 6, 4, 4, 4}), chord("Abm", {15, 15, 6, 4, 4, 4}),
                    chord("Abm", {15, 11, 13, 13, 12, 11})});
    view.calcChordsBoundsWithRect(QRectF(0, 0, 180, 400));
    const QImage image = view.imageWithBounds(QRectF(0, 0, 180, 80));
    // The length of the lowest fret line, drawn along the bottom of each diagram's bounds.
    const auto fretLineLength = [&](const QRectF &bounds) {
        int longest = 0;
        for (int y = int(bounds.bottom()) - 1; y <= int(bounds.bottom()) + 1; ++y) {
            int first = -1;
            int last = -1;
            for (int x = int(bounds.left()); x < int(bounds.right()); ++x) {
                if (qGray(image.pixel(x, y)) < 200) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
            longest = std::max(longest, first < 0 ? 0 : last - first + 1);
        }
        return longest;
    };
    const int first = fretLineLength(view.chords()[0].bounds());
    EXPECT_GT(first, 30);
    for (int i = 1; i < 3; ++i)
        EXPECT_NEAR(fretLineLength(view.chords()[i].bounds()), first, 1) << i;
    EXPECT_GT(inkIn(image, QRectF(view.chords()[2].bounds().right() - 12, 2, 12, 30)), 10) << "the label \"11\"";
}
