#include "chord.h"
#include "diagramsettings.h"
#include "fretdiagram.h"
#include "instrument.h"

#include <gtest/gtest.h>

namespace {

const Instrument guitar(QStringLiteral("Guitar"), 6, {-8, -3, 2, 7, 11, 16});

Chord chord(const QString &title, Chord::Strings strings)
{
    Chord c;
    c.setTitle(title);
    c.strings() = strings;
    return c;
}

QList<int> frets(const FretDiagram &diagram)
{
    QList<int> result;
    for (const FretDiagram::Column &column : diagram.columns)
        result.append(column.muted ? -1 : column.fret);
    return result;
}

} // namespace

TEST(FretDiagram, ShowsMutedOpenAndFrettedStrings)
{
    const DiagramSettings settings{guitar, {}, false};
    const FretDiagram c = FretDiagram::fromChord(chord("C", {15, 3, 2, 0, 1, 0}), 6, settings);
    EXPECT_EQ(frets(c), (QList<int>{-1, 3, 2, 0, 1, 0}));
    EXPECT_EQ(c.baseFret, 0);
    EXPECT_EQ(c.numFrets, 4);
    EXPECT_TRUE(c.baseFretLabel.isEmpty());
    EXPECT_FALSE(c.barre);
    EXPECT_EQ(c.title, QStringLiteral("C"));
}

TEST(FretDiagram, DrawsFretFifteenAtItsFret)
{
    const DiagramSettings settings{guitar, {}, false};
    const FretDiagram single =
        FretDiagram::fromChord(chord("X", {15, 15, 15, Chord::fretFifteen, 15, 15}), 6, settings);
    EXPECT_EQ(frets(single)[3], 15);
    EXPECT_FALSE(single.columns[3].muted);

    // A barre at fret 15 is stored at -17; it must not be drawn above the diagram.
    const int f = Chord::fretFifteen;
    const FretDiagram barred = FretDiagram::fromChord(chord("X", {f, 17, 17, 16, f, f}), 6, settings);
    ASSERT_TRUE(barred.barre);
    EXPECT_EQ(barred.barre->fret, 15);
    EXPECT_EQ(barred.barre->firstColumn, 0);
    EXPECT_EQ(barred.barre->lastColumn, 5);
    EXPECT_EQ(barred.baseFret, 14);
}

TEST(FretDiagram, MirrorsStringsAndBarreForLeftHandedPlayers)
{
    DiagramSettings settings{guitar, {}, true};
    settings.display.leftHandedChordDisplay = true;
    // A barre over strings 1 to 5 (storage order) lies between columns 0 and 4 when mirrored.
    const FretDiagram diagram = FretDiagram::fromChord(chord("Bm", {15, 2, 4, 4, 3, 2}), 6, settings);
    EXPECT_EQ(frets(diagram), (QList<int>{2, 3, 4, 4, 2, -1}));
    ASSERT_TRUE(diagram.barre);
    EXPECT_EQ(diagram.barre->firstColumn, 4);
    EXPECT_EQ(diagram.barre->lastColumn, 0);
    EXPECT_EQ(diagram.barre->fret, 2);
    // Roots ringed (markBaseInChord): B on the A string at fret 2 and on the G string at fret 4.
    EXPECT_TRUE(diagram.columns[4].root);
    EXPECT_TRUE(diagram.columns[2].root);
    EXPECT_FALSE(diagram.columns[0].root);
}
