// The instrument list made from the chord database files of a folder, and choosing the current instrument.
#include "chorddatabasefixture.h"
#include "instruments.h"
#include "logcapture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class InstrumentsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *title : {"Ukulele_C", "Guitar", "Bass_Guitar", "banjo", "Piano"})
            writeChordDatabase(folder.path(), QString::fromLatin1(title), {{"C", {15, 3, 2, 0, 1, 0}}});
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(InstrumentsTest, ListsTheDatabasesByTitleIgnoringCase)
{
    Instruments instruments(folder.path());
    EXPECT_EQ(instruments.titles(), (QStringList{"banjo", "Bass_Guitar", "Guitar", "Piano", "Ukulele_C"}));
    EXPECT_EQ(instruments.at(1).numstrings(), 4);
    EXPECT_TRUE(instruments.at(3).isKeyboard());
    EXPECT_EQ(instruments.at(2).chorddbpath(), folder.filePath(QStringLiteral("Guitar.pdb")));
    ASSERT_NE(instruments.currentInstrument(), nullptr);
    EXPECT_EQ(instruments.currentInstrument()->title(), QStringLiteral("banjo"));
}

TEST_F(InstrumentsTest, SelectsByTitleWithBlanksAndAnyCase)
{
    Instruments instruments(folder.path());
    LogCapture log;
    EXPECT_TRUE(instruments.selectInstrumentByTitle(QStringLiteral("bass guitar")));
    EXPECT_EQ(instruments.currentInstrument()->title(), QStringLiteral("Bass_Guitar"));

    EXPECT_FALSE(instruments.selectInstrumentByTitle(QStringLiteral("Nose flute")));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("Instrument Nose_flute not found")});
    EXPECT_EQ(instruments.currentInstrument()->title(), QStringLiteral("Bass_Guitar"));
}

TEST_F(InstrumentsTest, AnIndexOutsideTheListSelectsTheFirst)
{
    Instruments instruments(folder.path());
    instruments.selectInstrument(2);
    EXPECT_EQ(instruments.currentInstrument()->title(), QStringLiteral("Guitar"));
    for (int outside : {5, -1}) {
        instruments.selectInstrument(outside);
        EXPECT_EQ(instruments.currentIndex(), 0) << outside;
    }
}

TEST(Instruments, NoDatabasesGiveAnEmptyList)
{
    QTemporaryDir empty;
    Instruments instruments(empty.path());
    EXPECT_EQ(instruments.count(), 0);
    EXPECT_EQ(instruments.currentInstrument(), nullptr);
    LogCapture log;
    EXPECT_FALSE(instruments.selectInstrumentByTitle(QStringLiteral("Guitar")));
    EXPECT_EQ(instruments.currentInstrument(), nullptr);
}
