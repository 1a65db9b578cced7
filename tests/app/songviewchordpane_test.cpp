// The song pane's chord side pane: which diagrams it shows, where and how large it opens, when it closes, and its
// delayed opening after a refresh.
#include "chordviewwidget.h"
#include "instruments.h"
#include "songpanetest.h"
#include "textmetrics.h"

#include <QScrollArea>
#include <QSplitter>

namespace {

class ChordPaneTest : public SongPaneTest
{
protected:
    void SetUp() override
    {
        SongPaneTest::SetUp();
        writeChordDatabase(databases.path(), QStringLiteral("Guitar"),
                           {{"C", {15, 3, 2, 0, 1, 0}},
                            {"G", {3, 2, 0, 0, 0, 3}},
                            {"D", {15, 15, 0, 2, 3, 2}},
                            {"A#", {15, 1, 3, 3, 3, 1}}});
        prefs->initChordsForCurrentInstrument();
        waitUntilReady(prefs->chords());
        prefs->setShowSongChords(false);
        prefs->setSongChordsAtRight(true);
    }

    // Shows a song whose laid-out chords are the names given.
    void showWithChords(const QStringList &names, const QString &text = QStringLiteral("{title: S}\nla"))
    {
        display->chordNames = names;
        show(writeSong(QStringLiteral("s.pro"), text));
    }

    QList<Chord> diagrams() const { return pane->chordView()->chordView().chords(); }
    QStringList diagramTitles() const
    {
        QStringList titles;
        for (const Chord &chord : diagrams())
            titles.append(chord.title());
        return titles;
    }
    QString fingering(const Chord &chord) const
    {
        // The definition without its title.
        return chord.definition(*prefs->currentInstrument()).section(u' ', 1);
    }
    QSplitter &splitter() const { return *pane->findChild<QSplitter *>(); }
    QScrollArea &chordScrollView() const { return *qobject_cast<QScrollArea *>(splitter().widget(1)); }
    qreal scale() const { return TextMetrics::pointScale(pane.get()); }

    void waitUntilOpen()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return pane->isSongChordsVisible(); }, 3000));
    }
};

TEST_F(ChordPaneTest, ThePaneShowsEachKnownChordOfTheSongUnderItsShownName)
{
    struct Case
    {
        QStringList names;
        QStringList expected;
    };
    const Case cases[] = {
        {{"C", "G"}, {"C", "G"}},
        {{"Xyz", "G"}, {"G"}}, // unknown to the song and the library: left out
        {{"Bb"}, {"Bb"}},      // the library's A# under the name the song shows
        {{"Xyz"}, {}},
        {{}, {}},
    };
    for (const Case &c : cases) {
        showWithChords(c.names);
        EXPECT_EQ(diagramTitles(), c.expected) << c.names.join(u' ').toStdString();
        EXPECT_EQ(pane->hasSongChords(), !c.names.isEmpty());
    }
}

TEST_F(ChordPaneTest, TheLibrarysChordKeepsItsTitle)
{
    // Titling the library's chord with the shown name once put an "A#" into the library as "Bb".
    showWithChords({"Bb"});
    ASSERT_EQ(diagramTitles(), QStringList{"Bb"});
    const QList<Chord> library = prefs->chords()->chordsForTitle(QStringLiteral("Bb"));
    ASSERT_FALSE(library.isEmpty());
    EXPECT_EQ(library.first().title(), QStringLiteral("A#"));
}

TEST_F(ChordPaneTest, TheSongsOwnDefinitionComesBeforeTheLibrarys)
{
    display->ownChord = Chord::fromDefinition(QStringLiteral("G 1 3 2 0 0 3 3"));
    display->ownChord->setTemp(true);
    showWithChords({"G"});
    ASSERT_EQ(diagrams().size(), 1);
    EXPECT_EQ(fingering(diagrams().first()), fingering(*display->ownChord));
    EXPECT_TRUE(diagrams().first().temp());
    EXPECT_FALSE(pane->chordView()->chordView().markTempChords());
}

TEST_F(ChordPaneTest, ANashvilleNumberKeepsItsNumberWithTheFingeringOfItsChordInTheShownKey)
{
    showWithChords({"4"}, QStringLiteral("{title: N}\n{key: D}\nla"));
    ASSERT_EQ(diagrams().size(), 1);
    EXPECT_EQ(diagrams().first().title(), QStringLiteral("4"));
    const Chord g = prefs->chords()->chordsForTitle(QStringLiteral("G")).first();
    EXPECT_EQ(fingering(diagrams().first()), fingering(g));

    // Shown seven semitones down, in G, the fourth is C.
    display->setTranspose(-7);
    pane->refresh();
    ASSERT_EQ(diagrams().size(), 1);
    EXPECT_EQ(fingering(diagrams().first()), fingering(prefs->chords()->chordsForTitle(QStringLiteral("C")).first()));
}

TEST_F(ChordPaneTest, ThePaneOpensBesideOrBelowWithItsStartingSize)
{
    struct Case
    {
        bool atRight;
        bool large;
        Qt::Orientation orientation;
        int startingPoints;
    };
    const Case cases[] = {
        {true, false, Qt::Horizontal, 48 + 10},
        {true, true, Qt::Horizontal, 70 + 10},
        {false, false, Qt::Vertical, 80},
        {false, true, Qt::Vertical, 120},
    };
    for (const Case &c : cases) {
        prefs->setSongChordsAtRight(c.atRight);
        prefs->setLargeChordDiagrams(c.large);
        showWithChords({"C", "G"});
        ASSERT_FALSE(pane->isSongChordsVisible());
        pane->showHideSongChords();
        ASSERT_TRUE(pane->isSongChordsVisible());
        EXPECT_EQ(splitter().orientation(), c.orientation);
        EXPECT_EQ(splitter().sizes().value(1), int(c.startingPoints * scale())) << c.startingPoints;
        pane->showHideSongChords();
        EXPECT_FALSE(pane->isSongChordsVisible());
    }
}

TEST_F(ChordPaneTest, MovingAnOpenPaneToTheOtherSideGivesItThatSidesStartingSize)
{
    showWithChords({"C", "G"});
    pane->showHideSongChords();
    ASSERT_EQ(splitter().orientation(), Qt::Horizontal);

    // What the chords-at-right command does with the pane open.
    pane->showHideSongChords();
    prefs->setSongChordsAtRight(false);
    pane->showHideSongChords();
    EXPECT_TRUE(pane->isSongChordsVisible());
    EXPECT_EQ(splitter().orientation(), Qt::Vertical);
    EXPECT_EQ(splitter().sizes().value(1), int(80 * scale()));
}

TEST_F(ChordPaneTest, ColumnsFollowThePanesWidthWithAtLeastOne)
{
    showWithChords({"C", "G", "D"});
    pane->showHideSongChords();
    const int cell = int(48 * scale());
    struct Case
    {
        int paneWidth;
        int columns;
    };
    const Case cases[] = {{10, 1}, {3 * cell + 40, 3}, {2 * cell + 40, 2}};
    for (const Case &c : cases) {
        const int total = splitter().width();
        splitter().setSizes({total - c.paneWidth, c.paneWidth});
        const QList<Chord> chords = diagrams();
        ASSERT_EQ(chords.size(), 3);
        int firstRow = 0;
        for (const Chord &chord : chords)
            firstRow += chord.bounds().top() == chords.first().bounds().top() ? 1 : 0;
        EXPECT_EQ(firstRow, c.columns) << c.paneWidth;
        EXPECT_GE(pane->chordView()->width(), firstRow * cell) << "the view is as wide as its columns";
    }
}

TEST_F(ChordPaneTest, AKeyboardInstrumentClosesThePaneAndKeepsTheSetting)
{
    prefs->setShowSongChords(true);
    showWithChords({"C"});
    waitUntilOpen();

    ASSERT_TRUE(prefs->selectInstrumentByTitle(QStringLiteral("Piano")));
    waitUntilReady(prefs->chords());
    pane->refresh();
    EXPECT_FALSE(pane->isSongChordsVisible());
    EXPECT_TRUE(diagrams().isEmpty());
    EXPECT_TRUE(prefs->showSongChords());
}

TEST_F(ChordPaneTest, TheRefreshOpensThePaneOnlyWhileItIsStillWanted)
{
    prefs->setShowSongChords(true);
    showWithChords({"C"});
    EXPECT_FALSE(pane->isSongChordsVisible()) << "it opens a moment later";
    waitUntilOpen();

    // Two quick refreshes: the second finds it open and leaves it so.
    pane->showHideSongChords();
    pane->refresh();
    pane->refresh();
    waitUntilOpen();
    QTest::qWait(250);
    EXPECT_TRUE(pane->isSongChordsVisible());

    // The song's chords are gone (an edit) before the pane opened: it stays closed.
    pane->showHideSongChords();
    pane->refresh();
    display->chordNames.clear();
    pane->refresh();
    QTest::qWait(250);
    EXPECT_FALSE(pane->isSongChordsVisible());

    // The setting was switched off meanwhile.
    display->chordNames = QStringList{"C"};
    pane->refresh();
    prefs->setShowSongChords(false);
    QTest::qWait(250);
    EXPECT_FALSE(pane->isSongChordsVisible());
}

TEST_F(ChordPaneTest, ANewSongWithoutChordsClosesThePaneAndTheNextWithChordsOpensIt)
{
    prefs->setShowSongChords(true);
    showWithChords({"C"});
    waitUntilOpen();
    showWithChords({});
    EXPECT_FALSE(pane->isSongChordsVisible());
    EXPECT_TRUE(prefs->showSongChords());
    showWithChords({"G"});
    waitUntilOpen();
    EXPECT_EQ(diagramTitles(), QStringList{"G"});
}

TEST_F(ChordPaneTest, AClickOnADiagramShowsThatChordsVariants)
{
    showWithChords({"C", "G"});
    pane->showHideSongChords();
    const Chord g = diagrams().at(1);
    QTest::mouseClick(pane->chordView(), Qt::LeftButton, {}, (g.bounds().center() * scale()).toPoint());
    // The window opens beside the pane's frame, in global coordinates.
    QWidget *frame = pane->chordView();
    while (frame && !qobject_cast<QScrollArea *>(frame))
        frame = frame->parentWidget();
    ASSERT_NE(frame, nullptr);
    const QPoint origin = frame->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(toolWindows.calls, QStringList{QStringLiteral("chord window G 1 at %1,%2 %3x%4")
                                                 .arg(origin.x())
                                                 .arg(origin.y())
                                                 .arg(frame->width())
                                                 .arg(frame->height())});
}

} // namespace
