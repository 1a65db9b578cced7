// Clicks, pointer and chord lists of a song on screen.
#include "logcapture.h"
#include "openedurls.h"
#include "screencolumns.h"
#include "screenfixture.h"

#include <QPainter>

#include <utility>

class SongClicksTest : public ScreenFixture
{
protected:
    SongClicksTest()
    {
        prefs.textfontprefs()->setColor(Qt::black);
        prefs.chordfontprefs()->setColor(Qt::red);
    }

    // Draws the whole song and gives the chord names drawn.
    QList<RecordingPaintDevice::Text> drawnChords()
    {
        RecordingPaintDevice device;
        drawOn(device);
        QList<RecordingPaintDevice::Text> chords;
        for (const RecordingPaintDevice::Text &drawn : device.texts) {
            if (drawn.color == QColor(Qt::red))
                chords.append(drawn);
        }
        return chords;
    }
    // Draws the whole song and gives the place of the word drawn.
    QPointF placeOf(const QString &word)
    {
        RecordingPaintDevice device;
        drawOn(device);
        for (const RecordingPaintDevice::Text &drawn : device.texts) {
            if (drawn.text == word)
                return middleOf(drawn);
        }
        ADD_FAILURE() << "not drawn: " << word.toStdString();
        return {};
    }

    // A click area as a value that compares by name and place.
    using Area = std::pair<QString, QRectF>;
    struct Areas
    {
        QList<Area> chords;
        QList<Area> links;
    };
    Areas areasOfView() const
    {
        Areas areas;
        for (const Chord &chord : view.chords())
            areas.chords.append({chord.title(), chord.bounds()});
        for (const LinkInfo &link : view.links())
            areas.links.append({link.link, link.bounds});
        return areas;
    }
    // Draws every record, text and all, where the screen places it, and gives the click areas that drawing makes.
    Areas areasDrawn()
    {
        view.chords().clear();
        view.links().clear();
        const ScreenColumns columns(view, view.frameSize());
        RecordingPaintDevice device;
        QPainter painter(&device);
        for (qsizetype i = 0; i < columns.records(); ++i) {
            const QPointF origin = columns.columnOrigin(columns.place(i).column);
            view.setCurrentOffset(origin);
            painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
            float y = float(columns.place(i).y);
            view.drawLineInfo(text, view.lines()[i], columns.columnWidth(), y, &painter);
        }
        EXPECT_FALSE(device.texts.isEmpty());
        return areasOfView();
    }
};

// A long song with every kind of click area and everything that moves one: chords above and in line, wide chords,
// grids, links (one broken over lines), comments, highlights, a chorus, columns, right-to-left text, chord words of
// a tab song and chord diagrams.
TEST_F(SongClicksTest, theClickAreasFoundForTheWholeSongAreThoseDrawingMakes)
{
    const QString verse = QStringLiteral(
        "{c: Verse}\n"
        "She [Am]walks the [G]long road [Cmaj7/G]home tonight, see www.example.com\n"
        "[D]Under the {soh}[Em]bright{eoh} stars [C]of\n"
        "https://example.org/a/very/long/path/that/goes/on/and/on/and/on/until/it/cannot/fit/any/column/index.html\n"
        "{soc}\n[F]Sing it [Gsus4]loud and [C]clear {c: twice} [G]oh\n{eoc}\n"
        "{sog}\n| Am . | F . | C . | G . |\n{eog}\n"
        "la[Bbmaj7#11]la [A#]la la\n\n");
    QString longSong = QStringLiteral("{title: Many Verses}\n");
    for (int i = 0; i < 25; ++i)
        longSong += verse;
    const struct
    {
        const char *what;
        QString text;
        QSizeF visible;
        bool inlineChords;
        bool diagrams;
        qsizetype links;
    } cases[] = {
        {"one scrolling column", longSong, {400, 300}, false, false, 50},
        {"columns", longSong, {1600, 2000}, false, false, 50},
        {"chords in line", longSong, {400, 300}, true, false, 50},
        {"chord diagrams", longSong, {400, 300}, false, true, 50},
        {"right to left",
         QStringLiteral("[Am]שלום [G]עליכם www.example.com\n[C]שלום\n").repeated(40),
         {400, 300},
         false,
         false,
         40},
        {"chord words of a tab song",
         QStringLiteral("A    D\nA lovely day\nG\n").repeated(40),
         {400, 300},
         false,
         false,
         0},
    };
    useChordLibrary();
    for (const auto &c : cases) {
        prefs.setInlinechords(c.inlineChords);
        prefs.setShowChordDiagrams(c.diagrams);
        show(c.text, c.visible);
        EXPECT_FALSE(view.isClickableAt(QPointF(-1, -1))); // finds the click areas of the whole song
        const Areas found = areasOfView();
        ASSERT_GE(found.chords.size(), 40) << c.what;
        ASSERT_GE(found.links.size(), c.links) << c.what;
        const Areas drawn = areasDrawn();
        EXPECT_EQ(found.chords, drawn.chords) << c.what;
        EXPECT_EQ(found.links, drawn.links) << c.what;
    }
}

// Every chord is clicked where it is drawn: in later columns (offset by border and column in x and y), in grids,
// and in right-to-left songs, whose mirrored chords are drawn and clicked at the same offset.
TEST_F(SongClicksTest, aClickOnAnyDrawnChordReachesTheDelegate)
{
    QString columns = QStringLiteral("{sog}\n| Am . | F . |\n{eog}\n");
    for (int i = 0; i < 20; ++i)
        columns += QStringLiteral("[C]la [G]la\n");
    columns += QStringLiteral("{sog}\n| Dm . | E7 . |\n{eog}\n");
    const struct
    {
        const char *what;
        QString text;
        bool inlineChords;
        int columns;
    } cases[] = {
        {"columns and grids", columns, false, 4},
        {"chords in line", columns, true, 2},
        {"right to left", QStringLiteral("[Am]שלום [G]עליכם\n[C]שלום\n"), false, 1},
        {"chord words of a tab song", QStringLiteral("A    D\nA lovely day\nG\n"), false, 1},
    };
    useChordLibrary(); // tab songs draw the words the chord library knows as chords
    for (const auto &c : cases) {
        prefs.setInlinechords(c.inlineChords);
        show(c.text, {400, 160});
        ASSERT_EQ(view.numColumns(), c.columns) << c.what;
        const QList<RecordingPaintDevice::Text> chords = drawnChords();
        ASSERT_GE(chords.size(), 3) << c.what;
        for (const RecordingPaintDevice::Text &chord : chords) {
            shownChords.clear();
            const QPointF middle = middleOf(chord);
            view.mouseDown(middle);
            ASSERT_EQ(shownChords.size(), 1) << c.what << ": " << chord.text.toStdString();
            EXPECT_EQ(shownChords[0].name, chord.text) << c.what;
            EXPECT_TRUE(shownChords[0].rect.contains(middle)) << c.what;
        }
        if (c.inlineChords)
            continue;
        shownChords.clear();
        view.mouseDown(QPointF(1, 1)); // the border
        EXPECT_TRUE(shownChords.isEmpty()) << c.what;
    }
}

TEST_F(SongClicksTest, aClickOnALinkOpensIt)
{
    const struct
    {
        const char *link;
        const char *opened;
    } cases[] = {
        {"www.example.com", "http://www.example.com"},
        {"example.de/page", "http://example.de/page"},
        {"https://example.org/x", "https://example.org/x"},
        {"http://example.org", "http://example.org"},
        {"file:///tmp/score.pdf", "file:///tmp/score.pdf"},
        // Not "http://file:score.pdf": every "file:" link is a file.
        {"file:score.pdf", "file:score.pdf"},
    };
    for (const auto &c : cases) {
        show(QStringLiteral("see %1 here\n").arg(c.link), {400, 300});
        OpenedUrls opened;
        view.mouseDown(placeOf(c.link));
        EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl(c.opened)}) << c.link;
    }
}

TEST_F(SongClicksTest, aFileLinkThatCannotBeOpenedIsLogged)
{
    OpenedUrls failing(false);
    LogCapture log;
    show(QStringLiteral("file:///nowhere/score.pdf\nwww.example.com\n"), {400, 300});
    view.mouseDown(placeOf(QStringLiteral("file:///nowhere/score.pdf")));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Could not open file file:///nowhere/score.pdf")});
    view.mouseDown(placeOf(QStringLiteral("www.example.com")));
    EXPECT_EQ(log.lines().size(), 1); // web links fail silently
    EXPECT_EQ(failing.urls().size(), 2);
}

TEST_F(SongClicksTest, aChordOverALinkOpensTheChordAndBothShowAPointingHand)
{
    Chord chord;
    chord.setTitle(QStringLiteral("C"));
    chord.setBounds(QRectF(0, 0, 10, 10));
    view.chords().append(chord);
    view.links().append(LinkInfo(QRectF(0, 0, 50, 10), QStringLiteral("www.example.com")));
    OpenedUrls opened;

    view.mouseDown(QPointF(5, 5));
    ASSERT_EQ(shownChords.size(), 1);
    EXPECT_EQ(shownChords[0].name, QStringLiteral("C"));
    EXPECT_TRUE(opened.urls().isEmpty());

    view.mouseDown(QPointF(30, 5));
    EXPECT_EQ(opened.urls(), QList<QUrl>{QUrl(QStringLiteral("http://www.example.com"))});
    EXPECT_EQ(shownChords.size(), 1);

    EXPECT_TRUE(view.isClickableAt(QPointF(5, 5)));
    EXPECT_TRUE(view.isClickableAt(QPointF(30, 5)));
    EXPECT_FALSE(view.isClickableAt(QPointF(60, 5)));
}

TEST_F(SongClicksTest, chordListsOfASong)
{
    show(QStringLiteral("[C]a [G]b\n[C]c [Am]d\n{sog}\n| F . | G |\n{eog}\n"), {400, 600});
    EXPECT_EQ(view.uniqueChordNamesFromPositionY(0), (QStringList{"C", "G", "Am", "F"}));
    EXPECT_EQ(view.uniqueChordNames(), (QStringList{"C", "G", "Am", "F"}));
    // Below the first line: its chords are drawn above y.
    const float belowFirst = view.outerborder() + view.yForLine(1);
    EXPECT_EQ(view.uniqueChordNamesFromPositionY(belowFirst), (QStringList{"C", "Am", "F", "G"}));
    EXPECT_TRUE(view.uniqueChordNamesFromPositionY(view.frameSize().height()).isEmpty());
}

TEST_F(SongClicksTest, chordListsAreRespelledAsTheViewAsks)
{
    const QString text = QStringLiteral("[Bb] [A#] [C#m]\n");
    view.setAllChordsSharp(true);
    show(text, {400, 300});
    EXPECT_EQ(view.uniqueChordNamesFromPositionY(0), (QStringList{"A#", "C#m"}));
    EXPECT_EQ(view.uniqueChordNames(), (QStringList{"Bb", "A#", "C#m"}));
    view.setAllChordsSharp(false);
    view.setAllChordsFlat(true);
    show(text, {400, 300});
    EXPECT_EQ(view.uniqueChordNamesFromPositionY(0), (QStringList{"Bb", "Dbm"}));
}

// Chord words of tab songs are found only by drawing: the lists still hold them before anything is painted.
TEST_F(SongClicksTest, chordWordsOfATabSongAreInItsChordList)
{
    useChordLibrary();
    show(QStringLiteral("A    D\nA lovely day\nG\n"), {400, 300});
    ASSERT_TRUE(view.isTab());
    EXPECT_EQ(view.uniqueChordNames(), (QStringList{"A", "D", "G"}));
}
