// The chord view on the settings' current instrument: keyboards with staves, and retuning for a detuned guitar.
#include "chorddatabasefixture.h"
#include "chordgrid.h"
#include "chords.h"
#include "chordview.h"
#include "fakeappcontext.h"
#include "keyboarddrawing.h"
#include "prefs.h"
#include "rendertesthelpers.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int x = Chord::muted;

Chord chord(const QString &title, Chord::Strings strings)
{
    Chord c;
    c.setTitle(title);
    c.strings() = strings;
    return c;
}

// Settings with a guitar and a piano whose chord databases live in the test's own folder.
class ChordViewInstrumentsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeChordDatabase(databases.path(), QStringLiteral("Guitar"),
                           {{"D", {x, x, 0, 2, 3, 2}}, {"E", {0, 2, 2, 1, 0, 0}}});
        writeChordDatabase(databases.path(), QStringLiteral("Piano"), {{"C", {0, 4, 7, x, x, x}}});
        prefs = Prefs::initFromFileSystem(databases.path());
        prefs->setSongDirectoryPath(songs.path());
        context.prefsObject = prefs.get();
    }

    void select(const char *title)
    {
        ASSERT_TRUE(prefs->selectInstrumentByTitle(QString::fromLatin1(title)));
        Chords *chords = prefs->chords();
        ASSERT_NE(chords, nullptr);
        QSignalSpy ready(chords, &Chords::ready);
        if (!chords->isReady()) {
            ASSERT_TRUE(ready.wait(10000));
        }
    }

    QTemporaryDir databases;
    QTemporaryDir songs;
    FakeAppContext context;
    std::unique_ptr<Prefs> prefs;
};

} // namespace

TEST_F(ChordViewInstrumentsTest, KeyboardChordsMarkTheirKeysAboveTheirStaves)
{
    select("Piano");
    ChordView view;
    view.setForegroundColor(Qt::black);
    view.setBackgroundColor(Qt::white);
    view.setChords({chord("C", {0, 4, 7, x, x, x}), chord("Dm", {2, 5, 9, x, x, x})});
    const QSizeF extent = view.calcChordsBoundsWithRect(QRectF(0, 0, 300, 200));
    EXPECT_EQ(extent, QSizeF(300, 400)) << "each keyboard chord has its own keyboard and staves";
    const QRectF keyboard = view.chords()[0].bounds();
    EXPECT_EQ(keyboard, QRectF(2, 2, 296, 96));
    EXPECT_GT(view.chords()[1].bounds().top(), ChordGrid::staffArea(keyboard).bottom());

    const QImage image = view.imageWithBounds(QRectF(QPointF(), extent));
    // C, E and G are marked, D and F are not.
    const KeyboardDrawing expected({{0, false}, {1, false}, {2, false}, {3, false}, {4, false}}, keyboard, false);
    const QList<bool> marked = {true, false, true, false, true};
    for (int key = 0; key < marked.size(); ++key) {
        const QRectF spot(expected.dots()[key] - QPointF(1, 1), QSizeF(2, 2));
        EXPECT_EQ(inkIn(image, spot) > 0, marked[key]) << key;
    }
    EXPECT_GT(inkIn(image, ChordGrid::staffArea(keyboard)), 100) << "the staves below the keyboard";
    EXPECT_DOUBLE_EQ(view.keyboardChord(view.chords()[0], 100), 60);
    EXPECT_FALSE(view.notesImageForChord(view.chords()[0], QRectF(0, 0, 80, 140)).isNull());
}

TEST_F(ChordViewInstrumentsTest, AnInlineKeyboardDiagramIsItsKeyboardUnderTheName)
{
    select("Piano");
    ChordView view;
    view.setShowTitle(true);
    const QImage image = view.imageForChord(chord("C", {0, 4, 7, x, x, x}), QRectF(0, 0, 48, 60));
    ASSERT_EQ(image.size(), QSize(48, 60));
    const QColor ground = view.backgroundColor();
    EXPECT_GT(inkIn(image, QRectF(0, 0, 48, 12), ground), 5) << "the name";
    EXPECT_GT(inkIn(image, QRectF(0, 20, 48, 20), ground), 50) << "the keyboard";
}

TEST_F(ChordViewInstrumentsTest, TheChordPaneAndSongLinesDrawTheSameRetunedFingering)
{
    select("Guitar");
    ASSERT_TRUE(prefs->currentInstrument()->loadTuning(QStringLiteral("# D A D G B E")));
    Chords &chords = *prefs->chords();
    ChordView view;
    view.setShowTitle(true);
    const QRectF rect(0, 0, 100, 130);
    for (const char *name : {"E", "D"}) {
        // The pane retunes the library's first fingering as it draws it; a song line draws the fingering
        // to draw as it is. An automatic fingering (D) must not be retuned a second time.
        const Chord paneChord = chords.chordsForTitle(QString::fromLatin1(name)).first();
        const QImage pane = view.imageForChord(paneChord, rect);
        QImage songLine = pane;
        songLine.fill(Qt::transparent);
        QPainter painter(&songLine);
        view.drawChord(painter, *chords.fingeringToDraw(QString::fromLatin1(name)), rect.adjusted(1, 1, -1, -1));
        painter.end();
        EXPECT_EQ(pane, songLine) << name;
    }
    // And the retuned E is not the E of standard tuning.
    const QImage detunedE = view.imageForChord(chord("E", {0, 2, 2, 1, 0, 0}), rect);
    prefs->currentInstrument()->resetTuning();
    EXPECT_NE(view.imageForChord(chord("E", {0, 2, 2, 1, 0, 0}), rect), detunedE);
}
