// The song pane's transposition and capo: steps and their wrap, the pop-ups' labels, the spelling flags, and who
// is told of each change (the playlist key, the peers, the application's capo and save).
#include "songpanetest.h"

#include <QMenu>
#include <QPushButton>

namespace {

QStringList menuTitles(const QPushButton &button)
{
    QStringList titles;
    for (const QAction *item : button.menu()->actions())
        titles.append(item->text());
    return titles;
}

} // namespace

TEST_F(SongPaneTest, StepsKeepTheTranspositionWithinAnOctaveAndOtherValuesStay)
{
    show(writeSong(QStringLiteral("c.pro"), QStringLiteral("{title: C}\n[C]la")));
    struct Case
    {
        int from;
        int delta;
        int expected;
    };
    const Case cases[] = {
        {6, 1, -5},
        {-6, -1, 5},
        {5, 1, 6},
        {-5, -1, -6},
        // Values from a peer (0..11) step as their equivalent within -6..+6.
        {11, 1, 0},
        {7, 1, -4},
        {9, -1, -4},
        // A larger value given by a command likewise.
        {-9, 1, 4},
    };
    for (const Case &c : cases) {
        display->setTranspose(c.from);
        c.delta > 0 ? pane->transposeUp() : pane->transposeDown();
        EXPECT_EQ(display->transpose(), c.expected) << c.from << " by " << c.delta;
    }

    pane->setTranspose(9);
    EXPECT_EQ(display->transpose(), 9);
    pane->peerTranspose(11);
    EXPECT_EQ(display->transpose(), 11);
}

TEST_F(SongPaneTest, TheTranspositionPopUpNamesTheKeysOrTheSteps)
{
    show(writeSong(QStringLiteral("nokey.pro"), QStringLiteral("{title: No key}\nla la")));
    QPushButton *transposeButton = pane->transposeToolbar()->findChild<QPushButton *>("transposePopupButton");
    QPushButton *capoButton = pane->transposeToolbar()->findChild<QPushButton *>("capoPopupButton");
    ASSERT_TRUE(transposeButton && capoButton);
    EXPECT_EQ(menuTitles(*transposeButton), QString("-6 -5 -4 -3 -2 -1 0 1 2 3 4 5 6").split(' '))
        << "no plus sign, 0 in the middle";
    EXPECT_EQ(transposeButton->text(), QStringLiteral("0"));
    const QStringList capos = menuTitles(*capoButton);
    ASSERT_EQ(capos.size(), 10);
    EXPECT_EQ(capos.first(), QStringLiteral("No Capo"));
    EXPECT_EQ(capos.last(), QStringLiteral("Capo 9"));

    show(writeSong(QStringLiteral("g.pro"), QStringLiteral("{title: G}\n{key: G}\n[G]la [D]la")));
    struct Case
    {
        qint64 step;
        bool flat;
        bool sharp;
        const char *label;
    };
    const Case cases[] = {
        {0, false, false, "G"}, {2, false, false, "A"}, {-2, false, false, "F"},
        {1, true, false, "Ab"}, {1, false, true, "G#"}, {-6, false, false, "Db"},
    };
    for (const Case &c : cases) {
        display->setAllChordsFlat(c.flat);
        display->setAllChordsSharp(c.sharp);
        EXPECT_EQ(pane->transposeLabelForStep(c.step), QString::fromUtf8(c.label)) << c.step;
    }

    // The chosen item is marked; the title is its label.
    display->setAllChordsFlat(false);
    display->setAllChordsSharp(false);
    pane->transposeFromPopup(2);
    EXPECT_EQ(transposeButton->text(), QStringLiteral("A"));
    const QList<QAction *> items = transposeButton->menu()->actions();
    EXPECT_TRUE(items.at(8)->isChecked());
    EXPECT_EQ(items.at(8)->text(), QStringLiteral("A"));
}

TEST_F(SongPaneTest, OneSpellingAtATimeAndEitherCanBeSaved)
{
    show(writeSong(QStringLiteral("c.pro"), QStringLiteral("{title: C}\n[C]la")));
    QSignalSpy canSave(pane.get(), &SongViewViewController::transposeCanSaveChanged);
    EXPECT_FALSE(pane->transposeCanSave());

    pane->transposeAllb();
    EXPECT_TRUE(display->allChordsFlat());
    EXPECT_EQ(pane->transposeFavorChar(), QLatin1Char('b'));
    pane->transposeAllsharp();
    EXPECT_TRUE(display->allChordsSharp());
    EXPECT_FALSE(display->allChordsFlat());
    EXPECT_EQ(pane->transposeFavor(), QLatin1Char('#'));

    EXPECT_EQ(display->transpose(), 0);
    EXPECT_TRUE(pane->transposeCanSave()) << "a spelling alone can be saved";
    ASSERT_FALSE(canSave.isEmpty());
    EXPECT_TRUE(canSave.last().first().toBool());
}

TEST_F(SongPaneTest, EachChangeTellsThePlaylistAndThePeersAsItShould)
{
    show(writeSong(QStringLiteral("c.pro"), QStringLiteral("{title: C}\n{key: C}\n[C]la")));
    struct Case
    {
        const char *what;
        std::function<void(SongViewViewController &)> change;
        QStringList calls;
    };
    const Case cases[] = {
        {"up", [](SongViewViewController &p) { p.transposeUp(); }, {"key C#", "peers 1"}},
        {"down", [](SongViewViewController &p) { p.transposeDown(); }, {"key B", "peers -1"}},
        {"pop-up", [](SongViewViewController &p) { p.transposeFromPopup(2); }, {"peers 2", "key D"}},
        {"set", [](SongViewViewController &p) { p.setTranspose(4); }, {"peers 4"}},
        {"from a peer", [](SongViewViewController &p) { p.peerTranspose(5); }, {}},
        {"all flat", [](SongViewViewController &p) { p.transposeAllb(); }, {"key C"}},
        {"all sharp", [](SongViewViewController &p) { p.transposeAllsharp(); }, {"key C"}},
        {"capo", [](SongViewViewController &p) { p.capoFromPopup(2); }, {"capo 2", "key C"}},
        {"save", [](SongViewViewController &p) { p.transposeSave(); }, {"save", "key C"}},
    };
    for (const Case &c : cases) {
        display->setTranspose(0);
        display->setAllChordsFlat(false);
        display->setAllChordsSharp(false);
        commands.calls.clear();
        c.change(*pane);
        EXPECT_EQ(commands.calls, c.calls) << c.what;
    }
}

TEST_F(SongPaneTest, ASongWithACapoCanBeSteppedFromMinusItsCapo)
{
    show(writeSong(QStringLiteral("capo.pro"), QStringLiteral("{title: Capo}\n{capo: 2}\n{key: A}\n[A]la")));
    EXPECT_EQ(display->transpose(), -2);
    pane->transposeUp();
    EXPECT_EQ(display->transpose(), -1);
    EXPECT_EQ(commands.calls, QStringList({"key Ab", "peers -1"}));
    EXPECT_EQ(pane->transposeButtonTitle(), QStringLiteral("Ab"));
}
