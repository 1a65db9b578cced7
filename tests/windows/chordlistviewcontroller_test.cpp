// The chord library window: base chords, searches, naming, instruments, row images and row clicks.
#include "chordlisttablemodel.h"
#include "chordlistviewcontroller.h"
#include "chords.h"
#include "chordviewcontrollerwindowcontroller.h"
#include "chordwindowsfixture.h"
#include "instrument.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

class ChordLibraryWindowTest : public ChordWindowsFixture
{
protected:
    static QStringList popupItems(const QComboBox &popup)
    {
        QStringList items;
        for (int i = 0; i < popup.count(); ++i)
            items.append(popup.itemText(i));
        return items;
    }

    static QStringList shownNames(const ChordListViewController &window)
    {
        QStringList names;
        const ChordListTableModel &model = window.tableModel();
        for (int row = 0; row < model.rowCount(); ++row)
            names.append(model.index(row, ChordListTableModel::NameColumn).data().toString());
        return names;
    }

    static QPixmap rowImage(const ChordListViewController &window, int row)
    {
        return window.tableModel().index(row, ChordListTableModel::DiagramsColumn).data(Qt::DecorationRole).value<QPixmap>();
    }

    static void search(ChordListViewController &window, const char *text)
    {
        window.searchField()->setText(QString::fromLatin1(text));
    }
};

} // namespace

TEST_F(ChordLibraryWindowTest, DiagramColumnsForAWidth)
{
    struct Case
    {
        int count;
        qreal width;
        qreal diagramWidth;
        int columns;
    };
    for (const Case &c : {Case{5, 170, 40, 4}, Case{3, 170, 40, 3}, Case{4, 170, 40, 4}, Case{2, 30, 40, 1},
                          Case{5, 170, 60, 2}})
        EXPECT_EQ(ChordListTableModel::diagramColumns(c.count, c.width, c.diagramWidth), c.columns)
            << c.count << " in " << c.width;
}

TEST_F(ChordLibraryWindowTest, ListsTheFirstRootsNamesInTheChosenNaming)
{
    for (bool latin : {false, true}) {
        prefs->setLatinChords(latin);
        ChordListViewController window(host);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Guitar"));
        EXPECT_EQ(window.baseChordLabel()->text(), QStringLiteral("Base Chord"));
        EXPECT_EQ(popupItems(*window.baseChordsPopup()),
                  (latin ? QStringList{"Do", "Re", "Sol"} : QStringList{"C", "D", "G"}));
        EXPECT_EQ(window.chordnames(), (QStringList{"C", "C7", "Cmaj7"}));
        EXPECT_EQ(shownNames(window), (latin ? QStringList{"Do", "Do7", "Domaj7"} : QStringList{"C", "C7", "Cmaj7"}));
        EXPECT_EQ(popupItems(*window.instrumentsPopup()), (QStringList{"Guitar", "Mandolin", "Piano", "Ukulele (C tuning)"}));
        EXPECT_EQ(window.instrumentsPopup()->currentIndex(), 0);
        EXPECT_EQ(window.tuningButton()->text(), latin ? QStringLiteral("Mi La Re Sol Si Mi") : QStringLiteral("E A D G B E"));
        EXPECT_FALSE(window.tuningButton()->isHidden());
    }
}

TEST_F(ChordLibraryWindowTest, SearchesByNameOrFretsAndClearingGoesBack)
{
    ChordListViewController window(host);
    window.baseChordsPopup()->setCurrentIndex(1);
    window.baseChordSelected();
    EXPECT_EQ(window.chordnames(), (QStringList{"D", "D7", "Dmaj7"}));

    search(window, "maj");
    EXPECT_EQ(window.chordnames(), (QStringList{"Cmaj7", "Dmaj7"}));
    EXPECT_FALSE(window.baseChordsPopup()->isEnabled());

    // Text starting with a digit searches the fret text, which starts with the title.
    search(window, "7");
    EXPECT_EQ(window.chordnames(), (QStringList{"C7", "Cmaj7", "D7", "Dmaj7"}));
    EXPECT_EQ(window.tableModel().fingerings(QStringLiteral("C7")).size(), 2);
    search(window, "3 5");
    EXPECT_EQ(window.chordnames(), (QStringList{"C", "C7"}));
    for (const char *name : {"C", "C7"})
        EXPECT_EQ(window.tableModel().fingerings(QString::fromLatin1(name)).size(), 1) << name;
    window.chordsTableView()->setColumnWidth(ChordListTableModel::NameColumn, 80);
    window.tableModel().setImageWidth(170);
    const QPixmap c = rowImage(window, 0);
    EXPECT_EQ(c.deviceIndependentSize(), QSizeF(170, 48));

    search(window, "");
    EXPECT_EQ(window.chordnames(), (QStringList{"D", "D7", "Dmaj7"}));
    EXPECT_TRUE(window.baseChordsPopup()->isEnabled());

    search(window, "maj");
    window.refresh();
    EXPECT_EQ(window.searchField()->text(), QString());
    EXPECT_EQ(window.chordnames(), (QStringList{"D", "D7", "Dmaj7"}));
    EXPECT_TRUE(window.baseChordsPopup()->isEnabled());
}

TEST_F(ChordLibraryWindowTest, RowImagesAreDrawnForThePixelRatioAndFollowTheLibrary)
{
    ChordListViewController window(host);
    ChordListTableModel &model = window.tableModel();
    model.setImageWidth(170);
    model.setDevicePixelRatio(2);
    const QPixmap before = rowImage(window, 0);
    EXPECT_EQ(before.size(), QSize(340, 96));
    EXPECT_EQ(before.devicePixelRatio(), 2);
    EXPECT_EQ(rowImage(window, 0).cacheKey(), before.cacheKey()) << "kept while nothing changed";

    library().addChord(chord(QStringLiteral("C"), {x, 3, 2, 0, 1, 3}));
    window.refresh();
    EXPECT_NE(rowImage(window, 0).toImage(), before.toImage());
}

TEST_F(ChordLibraryWindowTest, AKeyboardHidesTheTuningAndShowsOneKeyboardPerRow)
{
    select("Piano");
    ChordListViewController window(host);
    EXPECT_TRUE(window.tuningButton()->isHidden());
    EXPECT_FALSE(window.addChordButton()->isEnabled());
    const QPixmap keyboard = rowImage(window, 0);
    EXPECT_EQ(keyboard.height(), 48);
    EXPECT_LE(keyboard.width(), 192);
}

TEST_F(ChordLibraryWindowTest, ARowClickOpensTheDiagramWindowAndSelectsNothing)
{
    ChordListViewController window(host);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTableView *table = window.chordsTableView();
    const QRect row = table->visualRect(window.tableModel().index(1, ChordListTableModel::NameColumn));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row.center());

    ChordViewControllerWindowController *diagrams = window.chordViewController();
    ASSERT_NE(diagrams, nullptr);
    EXPECT_TRUE(diagrams->isVisible());
    EXPECT_EQ(diagrams->chordName(), QStringLiteral("C7"));
    EXPECT_EQ(diagrams->chords().size(), 2);
    EXPECT_FALSE(table->selectionModel() && table->selectionModel()->hasSelection());

    window.rowClicked(0);
    EXPECT_EQ(window.chordViewController(), diagrams) << "one diagram window, reused";
    EXPECT_EQ(diagrams->chordName(), QStringLiteral("C"));
}

TEST_F(ChordLibraryWindowTest, AfterAnInstrumentSwitchRefreshesWhenTheLibraryIsReady)
{
    ChordListViewController window(host);
    window.baseChordsPopup()->setCurrentIndex(2);
    window.baseChordSelected();
    window.instrumentsPopup()->setCurrentIndex(3);
    window.instrumentSelected();
    EXPECT_EQ(prefs->currentInstrumentTitle(), QStringLiteral("Ukulele_C"));
    EXPECT_EQ(host.instrumentRefreshes, 1);
    ASSERT_FALSE(library().isReady());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Guitar")) << "not before the library is ready";

    waitUntilReady(library());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ukulele (C tuning)"));
    EXPECT_EQ(window.currentBaseChordName(), QStringLiteral("C"));
    EXPECT_EQ(window.chordnames(), (QStringList{"C"}));
    EXPECT_EQ(window.tuningButton()->text(), QStringLiteral("G C E A"));
}

TEST_F(ChordLibraryWindowTest, TheTuningButtonRetunesAndRefreshesLikeAnInstrumentSwitch)
{
    ChordListViewController window(host);
    waitUntilReady(library());
    host.scripted.textAnswers = {{Dialogs::Answer::Default, QStringLiteral("D A D G B E")}};
    window.tuningButton()->click();
    EXPECT_EQ(prefs->currentInstrument()->tuningDescription(), QStringLiteral("D A D G B E"));
    EXPECT_EQ(host.instrumentRefreshes, 1);
    waitUntilReady(library());
    EXPECT_EQ(window.tuningButton()->text(), QStringLiteral("D A D G B E"));

    // A tuning the instrument refuses changes nothing and refreshes nothing.
    host.scripted.textAnswers = {{Dialogs::Answer::Default, QStringLiteral("not a tuning")}};
    window.tuningButton()->click();
    EXPECT_EQ(prefs->currentInstrument()->tuningDescription(), QStringLiteral("D A D G B E"));
    EXPECT_EQ(host.instrumentRefreshes, 1);
}
