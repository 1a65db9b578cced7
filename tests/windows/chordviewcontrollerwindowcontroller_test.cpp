// The chord diagram window: its title, placement, menu states and commands on the library, its file and the song.
#include "chordeditview.h"
#include "chordeditviewcontroller.h"
#include "chords.h"
#include "chordviewcontrollerwindowcontroller.h"
#include "chordviewwidget.h"
#include "chordwindowsfixture.h"
#include "song.h"
#include "textfile.h"
#include "textmetrics.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

class ChordWindowTest : public ChordWindowsFixture
{
protected:
    // Clicks the chord's diagram: it is selected and the menu opens on it with its states; then it closes.
    void click(const Chord &clicked)
    {
        window.chordView(window.chordViewWidget().chordView(), clicked);
        EXPECT_TRUE(window.chordMenu().isVisible());
        window.chordMenu().hide();
    }

    void showLibraryChords(const QString &name) { window.setChords(name, library().chordsForTitle(name)); }

    // A text song with a file in the song folder, shown.
    void showSong(const QString &text)
    {
        const QString path = songs.filePath(QStringLiteral("song.pro"));
        ASSERT_TRUE(TextFile::write(path, text));
        host.song = std::make_shared<Song>(path);
    }
    QString songText() const
    {
        return TextFile::read(songs.filePath(QStringLiteral("song.pro")), TextFile::LastResort::None).value_or(QString());
    }

    static int favourites(const QList<Chord> &chords)
    {
        return int(std::count_if(chords.begin(), chords.end(), [](const Chord &c) { return c.favorite(); }));
    }

    ChordViewControllerWindowController window{host};
};

} // namespace

TEST_F(ChordWindowTest, PlacedBelowTheRectangleOrAboveItNearTheBottomAndAlwaysOnTheScreen)
{
    struct Case
    {
        QRect rect;
        QRect available;
        QPoint expected;
    };
    const QSize window(200, 150);
    const Case cases[] = {
        {QRect(100, 200, 40, 20), QRect(0, 0, 1920, 1080), QPoint(100, 220)},
        {QRect(100, 910, 40, 20), QRect(0, 0, 1920, 1080), QPoint(100, 930)},  // just fits
        {QRect(100, 911, 40, 20), QRect(0, 0, 1920, 1080), QPoint(100, 761)},  // one pixel too low
        {QRect(100, 900, 40, 20), QRect(0, 30, 1920, 1020), QPoint(100, 750)}, // a panel at the bottom
        {QRect(2000, 100, 40, 20), QRect(1920, 0, 1280, 1024), QPoint(2000, 120)}, // a second screen
        {QRect(1900, 200, 40, 20), QRect(0, 0, 1920, 1080), QPoint(1720, 220)},    // moved in from the right
        {QRect(-30, 200, 40, 20), QRect(0, 0, 1920, 1080), QPoint(0, 220)},        // and from the left
        {QRect(100, 100, 40, 20), QRect(0, 0, 1920, 200), QPoint(100, 0)},         // fits neither side
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChordViewControllerWindowController::placement(c.rect, window, c.available), c.expected) << c.rect.y();
}

TEST_F(ChordWindowTest, TitleIsTheNameShownInTheChosenNaming)
{
    struct Case
    {
        const char *name;
        QStringList set;
        bool latin;
        const char *title;
    };
    const Case cases[] = {
        {"", {"C", "C7"}, false, "C7"},
        {"", {"C", "C7"}, true, "Do7"},
        {"C7", {"C7"}, true, "Do7"},
        {"", {}, false, ""},
    };
    for (const Case &c : cases) {
        prefs->setLatinChords(c.latin);
        QList<Chord> set;
        for (const QString &title : c.set)
            set.append(chord(title, {x, 3, 2, 3, 1, 0}));
        window.setChords(QString::fromLatin1(c.name), set);
        EXPECT_EQ(window.windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(window.chordName(), QString::fromLatin1(c.name));
    }
}

TEST_F(ChordWindowTest, ColumnsFollowTheCellWidthAndTheWindowsWidth)
{
    showLibraryChords(QStringLiteral("C"));
    window.show();
    window.resize(qRound(3 * 48 * TextMetrics::pointScale(&window)) + 1, window.height());
    EXPECT_EQ(window.chordViewWidget().chordView().numcols(), 3);
    prefs->setLargeChordDiagrams(true);
    showLibraryChords(QStringLiteral("C"));
    EXPECT_EQ(window.chordViewWidget().chordView().numcols(), 2);
    EXPECT_GE(window.chordViewWidget().chordView().chords().last().bounds().bottom() *
                  TextMetrics::pointScale(&window),
              window.height() - 3)
        << "the window is as high as its diagrams";
}

TEST_F(ChordWindowTest, MenuStates)
{
    enum SongKind { NoSong, TextSong, UnsavedSong, OtherSong };
    struct Case
    {
        bool editable;
        bool temp;
        bool favourite;
        SongKind song;
        bool edit, define, remove;
    };
    const Case cases[] = {
        {false, false, false, TextSong, false, true, false},
        {true, false, true, TextSong, true, true, false},
        {false, true, false, TextSong, false, false, true},
        {false, false, false, NoSong, false, false, false},
        {false, false, false, UnsavedSong, false, false, false},
        {false, true, false, OtherSong, false, false, false},
    };
    for (const Case &c : cases) {
        host.song = c.song == NoSong ? nullptr : std::make_shared<Song>();
        if (c.song == TextSong || c.song == OtherSong)
            showSong(QStringLiteral("{title: Song}\n[C]la\n"));
        host.normalSong = c.song != OtherSong;
        Chord clicked = chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 3}, c.editable);
        clicked.setTemp(c.temp);
        clicked.setFavorite(c.favourite);
        window.setChords(QStringLiteral("C"), {clicked});
        click(clicked);
        EXPECT_TRUE(window.addAction()->isEnabled());
        EXPECT_EQ(window.editAction()->isEnabled(), c.edit);
        EXPECT_EQ(window.deleteAction()->isEnabled(), c.edit);
        EXPECT_TRUE(window.favoriteAction()->isEnabled());
        EXPECT_EQ(window.favoriteAction()->isChecked(), c.favourite);
        EXPECT_EQ(window.defineAction()->isEnabled(), c.define);
        EXPECT_EQ(window.removeDefinitionAction()->isEnabled(), c.remove);
        EXPECT_EQ(window.defineAction()->isVisible(), !c.temp);
        EXPECT_EQ(window.removeDefinitionAction()->isVisible(), c.temp);
    }
}

TEST_F(ChordWindowTest, AKeyboardOffersNoAction)
{
    select("Piano");
    showSong(QStringLiteral("{title: Song}\n[C]la\n"));
    showLibraryChords(QStringLiteral("C"));
    click(window.chords().front());
    for (QAction *action : window.chordMenu().actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        }
    }
}

TEST_F(ChordWindowTest, OneFavouritePerNameAfterChangesInARow)
{
    library().addChord(chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 3}));
    showLibraryChords(QStringLiteral("C"));
    for (int i : {0, 1, 2}) {
        click(window.chords()[i]);
        window.toggleFavorite();
        EXPECT_EQ(favourites(library().chordsForTitle(QStringLiteral("C"))), 1);
        EXPECT_EQ(favourites(window.chords()), 1);
        ASSERT_TRUE(window.selectedChord());
        EXPECT_TRUE(window.selectedChord()->favorite());
    }
    EXPECT_EQ(readUserFile(), QStringLiteral("C 0 x 3 2 0 1 3 *\n"));
    click(window.chords().front());
    window.toggleFavorite();
    EXPECT_EQ(favourites(library().chordsForTitle(QStringLiteral("C"))), 0);
    EXPECT_EQ(readUserFile(), QStringLiteral("C 0 x 3 2 0 1 3\n"));
    EXPECT_EQ(host.libraryRefreshes, 4);
    EXPECT_EQ(host.songViewRefreshes, 4);
}

TEST_F(ChordWindowTest, DeletingAsksFirst)
{
    const Chord own = chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 3});
    library().addChord(own);
    ASSERT_TRUE(library().saveDefines());
    showLibraryChords(QStringLiteral("C"));
    click(own);

    host.scripted.answers = {Dialogs::Answer::Alternate, Dialogs::Answer::Default};
    window.deleteChord();
    ASSERT_EQ(host.scripted.asked.size(), 1);
    EXPECT_EQ(host.scripted.asked[0].title, QStringLiteral("Delete chord?"));
    EXPECT_EQ(host.scripted.asked[0].informativeText, own.description(*prefs->currentInstrument()));
    EXPECT_EQ(library().chordsForTitle(QStringLiteral("C")).size(), 3);
    EXPECT_EQ(readUserFile(), QStringLiteral("C 0 x 3 2 0 1 3\n"));

    window.deleteChord();
    EXPECT_EQ(library().chordsForTitle(QStringLiteral("C")).size(), 2);
    EXPECT_EQ(window.chords().size(), 2);
    EXPECT_FALSE(window.selectedChord());
    EXPECT_EQ(readUserFile(), QString());
    EXPECT_EQ(host.libraryRefreshes, 1);
}

TEST_F(ChordWindowTest, AddProposesTheChordNameAndShowsTheNewFingering)
{
    Chord own = Chord::fromDefinition(QStringLiteral("C7 0 x 3 2 3 1 3"));
    own.setTemp(true);
    window.setChords(QStringLiteral("C7"), QList<Chord>{own} + library().chordsForTitle(QStringLiteral("C7")));
    prefs->setLatinChords(true);
    host.editorHand = [](ChordEditViewController &editor) {
        EXPECT_EQ(editor.titleTextField()->text(), QStringLiteral("C7"));
        editor.chordEditView().fretButton(4, 5)->click();
        editor.chordEditView().fretButton(2, 1)->click();
        editor.ok();
    };
    window.addChord();
    EXPECT_EQ(host.editorRuns, 1);
    ASSERT_EQ(window.chords().size(), 4);
    EXPECT_TRUE(window.chords().front().temp()) << "the song's own definition stays first";
    EXPECT_EQ(window.chords().back().strings(), (Chord::Strings{0, 3, 0, 0, 0, 5}));
}

TEST_F(ChordWindowTest, DefineAndRemoveChangeTheSongFileAndCloseTheWindow)
{
    showSong(QStringLiteral("{title: Song}\n[C7]la\n"));
    showLibraryChords(QStringLiteral("C7"));
    window.show();
    click(window.chords()[1]);
    window.defineChordInSong();
    const QString definition = QStringLiteral("{define: C7 0 x 3 5 3 5 3}");
    EXPECT_TRUE(songText().contains(definition)) << songText().toStdString();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(host.songUpdates, 1);
    EXPECT_EQ(host.songViewRefreshes, 1);
    EXPECT_EQ(host.editorRefreshes, 1);

    Chord defined = Chord::fromDefinition(QStringLiteral("C7 0 x 3 5 3 5 3"));
    defined.setTemp(true);
    window.setChords(QStringLiteral("C7"), QList<Chord>{defined} + library().chordsForTitle(QStringLiteral("C7")));
    window.show();
    click(defined);
    window.removeDefinedChordFromSong();
    EXPECT_FALSE(songText().contains(QStringLiteral("define"))) << songText().toStdString();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(host.songUpdates, 2);
}
