// The chord editor: its grid, reading and showing fingerings, and storing them in the library and its file.
#include "chordeditview.h"
#include "chordeditviewcontroller.h"
#include "chords.h"
#include "chordwindowsfixture.h"
#include "instrument.h"
#include "logcapture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class ChordEditorTest : public ChordWindowsFixture
{
protected:
    // What each column of the grid shows: 'x' muted, '-' nothing, or the set row.
    static QString marks(ChordEditView &view)
    {
        QString shown;
        for (int string = 0; string < view.numstrings(); ++string) {
            QChar mark = view.muteButton(string)->text() == QStringLiteral("X") ? u'x' : u'-';
            for (int row = 0; row < ChordEditView::fretRows; ++row)
                if (view.fretButton(row, string)->text() == QStringLiteral("•"))
                    mark = QChar(u'0' + row);
            shown.append(mark);
        }
        return shown;
    }
};

} // namespace

TEST_F(ChordEditorTest, GridGeometryFollowsTheStrings)
{
    struct Case
    {
        const char *instrument;
        int columns;
        qreal dx;
    };
    for (const Case &c : {Case{"Guitar", 6, 55.0}, Case{"Ukulele_C", 4, 200.0 / 3 + 25}}) {
        select(c.instrument);
        ChordEditViewController editor(host, std::nullopt);
        ChordEditView &view = editor.chordEditView();
        EXPECT_EQ(view.numstrings(), c.columns) << c.instrument;
        EXPECT_DOUBLE_EQ(view.dx(), c.dx) << c.instrument;
        EXPECT_NEAR(view.dy(), 52.27, 0.01) << c.instrument;
        EXPECT_EQ(view.fretButton(2, 1)->geometry(), QRect(qRound(c.dx), qRound(3 * view.dy()), 25, 25));
    }
}

TEST_F(ChordEditorTest, ShowsAChordAndReadsTheSameFretsBack)
{
    struct Case
    {
        Chord::Strings strings;
        int popupItem;
        const char *marks;
    };
    const Case cases[] = {
        {{x, 3, 2, 0, 1, 0}, 0, "x21-0-"},
        {{x, 4, 6, 6, 5, x}, 3, "x0221x"},   // base 3: fret 5 on the second row
        {{x, 2, 6, 4, 3, x}, 1, "x0421x"},   // base 1 is an item of its own
        {{x, 12, 14, 14, 13, Chord::fretFifteen}, 11, "x02213"}, // fret 15 is no mute
    };
    for (const Case &c : cases) {
        const Chord shown = chord(QStringLiteral("Cx"), c.strings);
        ChordEditViewController editor(host, shown);
        EXPECT_EQ(editor.basefretPopup()->currentIndex(), c.popupItem);
        EXPECT_EQ(marks(editor.chordEditView()), QString::fromLatin1(c.marks));
        const Chord readBack = editor.chordEditView().chord();
        EXPECT_EQ(readBack.strings(), c.strings);
        EXPECT_EQ(readBack.title(), QStringLiteral("Cx"));
        EXPECT_TRUE(readBack.editable());
    }
}

TEST_F(ChordEditorTest, MuteAndFretExcludeEachOther)
{
    ChordEditViewController editor(host, chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 0}));
    ChordEditView &view = editor.chordEditView();
    view.fretButton(1, 0)->click(); // a fret on the muted string
    EXPECT_EQ(marks(view), QStringLiteral("121-0-"));
    view.fretButton(4, 0)->click(); // another fret moves it
    EXPECT_EQ(marks(view), QStringLiteral("421-0-"));
    view.muteButton(1)->click();
    EXPECT_EQ(marks(view), QStringLiteral("4x1-0-"));
    view.muteButton(1)->click();
    view.fretButton(1, 2)->click(); // a set fret is taken away
    EXPECT_EQ(marks(view), QStringLiteral("4---0-"));
    EXPECT_EQ(view.chord().strings(), (Chord::Strings{5, 0, 0, 0, 1, 0}));
}

TEST_F(ChordEditorTest, TitlesAndSuggestedName)
{
    ChordEditViewController add(host, std::nullopt, QStringLiteral("Bb7"));
    EXPECT_EQ(add.windowTitle(), QStringLiteral("Add Chord"));
    EXPECT_EQ(add.titleTextField()->text(), QStringLiteral("Bb7"));
    ChordEditViewController edit(host, chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 0}), QStringLiteral("Bb7"));
    EXPECT_EQ(edit.windowTitle(), QStringLiteral("Edit Chord C"));
    EXPECT_EQ(edit.titleTextField()->text(), QStringLiteral("C"));
}

TEST_F(ChordEditorTest, ATitleThatIsEmptyOrHoldsABlankKeepsTheWindowOpen)
{
    for (const char *title : {"", "C 7", "C\t"}) {
        ChordEditViewController editor(host, std::nullopt);
        QSignalSpy accepted(&editor, &QDialog::accepted);
        editor.titleTextField()->setText(QString::fromLatin1(title));
        editor.chordEditView().fretButton(0, 1)->click();
        editor.ok();
        EXPECT_EQ(accepted.count(), 0) << title;
        EXPECT_EQ(editor.focusWidget(), editor.titleTextField()) << title;
    }
    EXPECT_EQ(readUserFile(), QString());
    EXPECT_EQ(host.libraryRefreshes, 0);
}

TEST_F(ChordEditorTest, AddingFilesTheChordAndWritesTheUserChordFile)
{
    LogCapture log;
    ChordEditViewController editor(host, std::nullopt, QStringLiteral("Cadd9"));
    QSignalSpy accepted(&editor, &QDialog::accepted);
    for (auto [row, string] : {std::pair{2, 1}, {1, 2}, {2, 4}})
        editor.chordEditView().fretButton(row, string)->click();
    editor.chordEditView().muteButton(0)->click();
    editor.ok();
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(fingerings(QStringLiteral("Cadd9")), (QList<Chord::Strings>{{x, 3, 2, 0, 3, 0}}));
    EXPECT_EQ(readUserFile(), QStringLiteral("Cadd9 0 x 3 2 0 3 0\n"));
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Adding chord Cadd9")));
    EXPECT_EQ(host.libraryRefreshes, 1);
}

TEST_F(ChordEditorTest, EditingTheFretsKeepsThePlaceAndTheFavourite)
{
    library().addChord(chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 3}));
    Chord favourite = chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 1});
    favourite.setFavorite(true);
    library().addChord(favourite);

    LogCapture log;
    ChordEditViewController editor(host, favourite);
    editor.chordEditView().fretButton(1, 5)->click();
    editor.ok();
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Updating chord C")));
    const QList<Chord> cs = library().chordsForTitle(QStringLiteral("C"));
    ASSERT_EQ(cs.size(), 4);
    EXPECT_EQ(cs.front().strings(), (Chord::Strings{x, 3, 2, 0, 1, 2}));
    EXPECT_TRUE(cs.front().favorite());
    EXPECT_EQ(readUserFile(), QStringLiteral("C 0 x 3 2 0 1 3\nC 0 x 3 2 0 1 2 *\n"));
}

TEST_F(ChordEditorTest, ANewTitleReplacesTheChord)
{
    const Chord own = chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 3});
    library().addChord(own);
    ChordEditViewController editor(host, own);
    editor.titleTextField()->setText(QStringLiteral("C6"));
    editor.ok();
    EXPECT_EQ(library().chordsForTitle(QStringLiteral("C")).size(), 2);
    EXPECT_EQ(fingerings(QStringLiteral("C6")), (QList<Chord::Strings>{{x, 3, 2, 0, 1, 3}}));
    EXPECT_EQ(readUserFile(), QStringLiteral("C6 0 x 3 2 0 1 3\n"));
}

TEST_F(ChordEditorTest, CancelChangesNothing)
{
    ChordEditViewController editor(host, std::nullopt, QStringLiteral("Cadd9"));
    editor.chordEditView().fretButton(2, 1)->click();
    editor.reject();
    EXPECT_TRUE(library().chordsForTitle(QStringLiteral("Cadd9")).isEmpty());
    EXPECT_EQ(readUserFile(), QString());
    EXPECT_EQ(host.libraryRefreshes, 0);
}
